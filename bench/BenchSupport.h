// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>

// Where the benchmarks find the dictionaries: the repository's data/ folder,
// or the folder named by KESTRANO_DATA_DIR.
std::string dataPath(const char* fileName);

// Real English prose of at least `minimumWords` words: the licence texts that
// ship with Debian, repeated as often as needed.
QString sampleText(int minimumWords);

// The first `words` words of the sample text, sentences and line breaks kept.
QString sampleTextOfWords(int words);

inline constexpr const char* britishFile = "lexora_eng_transcription.txt";
inline constexpr const char* americanFile = "american_transcription-abridged.txt";
inline constexpr int wordsPerPage = 500;
