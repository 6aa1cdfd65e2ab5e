// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PronunciationDictionary.h"
#include "TableData.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A dictionary made in the test from (word, code) pairs, through the same
// parser as the files.
inline kestrano::PronunciationDictionary
makeDictionary(const std::vector<std::pair<std::string, std::string>>& entries)
{
    std::string text;
    for (const auto& [word, code] : entries) {
        text += "0\t" + word + "\t" + code + "\n";
    }
    return kestrano::PronunciationDictionary::fromFileText(text);
}

// tests/data/engine-dictionary.txt, the words the engine tests and the fuzz
// targets are written for.
inline const kestrano::PronunciationDictionary& engineDictionary()
{
    static const auto dictionary = kestrano::PronunciationDictionary::fromFileText(
        readFile(KESTRANO_TEST_DATA_DIR "/engine-dictionary.txt"));
    return dictionary;
}

// The tables hold text of the Basic Multilingual Plane: one to three UTF-8
// bytes make one UTF-16 unit, and back.
inline std::u16string u16(std::string_view text)
{
    std::u16string units;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int more = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : 2;
        char16_t unit = lead & (0x7F >> more);
        for (; more > 0; --more) {
            unit = static_cast<char16_t>(unit << 6 | (text[++i] & 0x3F));
        }
        units += unit;
    }
    return units;
}

inline std::string u8(std::u16string_view units)
{
    std::string text;
    for (const char16_t unit : units) {
        constexpr int leads[] = {0x00, 0xC0, 0xE0};
        const int more = unit < 0x80 ? 0 : unit < 0x800 ? 1 : 2;
        text += static_cast<char>(leads[more] | unit >> 6 * more);
        for (int shift = 6 * (more - 1); shift >= 0; shift -= 6) {
            text += static_cast<char>(0x80 | (unit >> shift & 0x3F));
        }
    }
    return text;
}
