// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the shipped dictionary files themselves: their format, what they give
// for well-known words, stems and sentences, and a table of frequent words
// written down by hand in pronunciations.tsv.

#include "EngineTestSupport.h"
#include "TranscriptionEngine.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

using kestrano::PronunciationDictionary;

namespace {

// British, then American.
const std::string paths[] = {KESTRANO_DATA_DIR "/lexora_eng_transcription.txt",
                             KESTRANO_DATA_DIR "/american_transcription-abridged.txt"};

// Loaded once: each file is several megabytes.
const PronunciationDictionary& shipped(int variety)
{
    static const PronunciationDictionary loaded[] = {
        PronunciationDictionary::fromFileText(readFile(paths[0])),
        PronunciationDictionary::fromFileText(readFile(paths[1]))};
    return loaded[variety];
}

} // namespace

// Run for each variety: 0 British, 1 American.
using DictionaryFiles = testing::TestWithParam<int>;

INSTANTIATE_TEST_SUITE_P(Varieties, DictionaryFiles, testing::Values(0, 1),
                         [](const auto& info) { return info.param ? "American" : "British"; });

TEST_P(DictionaryFiles, EveryLineIsSourceWordAndCodeSortedByWord)
{
    // PhonemeCode letters with an IPA rendering, plus the length and stress
    // marks, and the space between the words of a number's reading ("1990").
    const std::string_view codeLetters = "pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'\" ";
    std::istringstream lines(readFile(paths[GetParam()]));
    std::string line, source, word, code, previousWord;
    std::size_t count = 0;
    for (; std::getline(lines, line); ++count, previousWord = word) {
        std::istringstream fields(line);
        std::getline(std::getline(std::getline(fields, source, '\t'), word, '\t'), code);
        // Strictly ascending words: one line per word, and regenerated files
        // comparable byte for byte.
        ASSERT_TRUE(fields && !source.empty() &&
                    word.find_first_not_of("abcdefghijklmnopqrstuvwxyz'0123456789") ==
                        std::string::npos &&
                    word.find_first_not_of('\'') != std::string::npos &&
                    code.find_first_not_of(codeLetters) == std::string::npos && !code.empty() &&
                    code.front() != ' ' && code.back() != ' ' && code.find("  ") == code.npos &&
                    previousWord < word)
            << "line " << count + 1 << ": " << line;
    }
    EXPECT_GE(count, 100000u);
    // Every line loads, the last one included.
    EXPECT_EQ(shipped(GetParam()).size(), count);
}

TEST_P(DictionaryFiles, WordsStemsAndSentencesComeOutAsWrittenDown)
{
    const kestrano::TranscriptionEngine engine(shipped(GetParam()));
    for (const TableRow& row : readTable("shipped-dictionaries.tsv")) {
        const std::u16string text = u16(row[1]);
        const std::size_t plus = text.find(u'+');
        const std::u16string got =
            row[0] == "word" ? shipped(GetParam()).find(text).value_or(u"(none)")
            : row[0] == "stem"
                ? engine.transcribeFromStem(text.substr(0, plus), text.substr(plus + 1))
                : engine.transcribeSentence(text);
        EXPECT_EQ(u8(got), row[2 + GetParam()]) << row[1];
    }
}

// Each text of the table as typed (numbers, compounds, abbreviations too)
// through the whole sentence path: it comes out as written down, or its
// note says why the dictionary differs. A note on a row that agrees is
// stale and fails as well.
TEST_P(DictionaryFiles, FrequentWordsComeOutAsWrittenDownOrTheirNoteSaysWhy)
{
    const kestrano::TranscriptionEngine engine(shipped(GetParam()));
    int count = 0, agreeing = 0;
    // Text, British, American, British note, American note.
    for (TableRow row : readTable("../pronunciations.tsv")) {
        row.resize(5);
        const std::string got = u8(engine.transcribeSentence(u16(row[0])));
        const bool agrees = got == "/" + row[1 + GetParam()] + "/";
        EXPECT_NE(agrees, !row[3 + GetParam()].empty())
            << row[0] << " gives " << got << (agrees ? ", yet its note says otherwise" : "");
        ++count;
        agreeing += agrees;
    }
    EXPECT_GE(count, 400);
    std::cout << agreeing << " of " << count << " words as written down\n";
}
