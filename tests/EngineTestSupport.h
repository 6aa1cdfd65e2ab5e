// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PronunciationDictionary.h"

#include <string>
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
