// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PronunciationDictionary.h"
#include "TableData.h"

#include <QString>

#include <string>
#include <string_view>

// tests/data/engine-dictionary.txt, the words the engine tests and the fuzz
// targets are written for.
inline const kestrano::PronunciationDictionary& engineDictionary()
{
    static const auto dictionary = kestrano::PronunciationDictionary::fromFileText(
        readFile(KESTRANO_TEST_DATA_DIR "/engine-dictionary.txt"));
    return dictionary;
}

// Table text is UTF-8; the engine works in UTF-16.
inline std::u16string u16(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU16String();
}

inline std::string u8(std::u16string_view units)
{
    return QStringView(units).toUtf8().toStdString();
}
