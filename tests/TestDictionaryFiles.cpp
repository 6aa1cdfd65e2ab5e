// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the shipped dictionary files themselves: their format, well-known
// words against the transcriptions a pronouncing dictionary gives, the words
// the engine's rules are written for, forms derived from real stems, and a
// table of frequent words written down by hand in pronunciations.tsv.

#include "PronunciationDictionary.h"
#include "TranscriptionEngine.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using kestrano::PronunciationDictionary;

namespace {

// British, then American.
const std::string paths[] = {KESTRANO_DATA_DIR "/lexora_eng_transcription.txt",
                             KESTRANO_DATA_DIR "/american_transcription-abridged.txt"};

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Loaded once: each file is several megabytes.
const PronunciationDictionary& dictionary(int variety)
{
    static const PronunciationDictionary loaded[] = {
        PronunciationDictionary::fromFileText(readFile(paths[0])),
        PronunciationDictionary::fromFileText(readFile(paths[1]))};
    return loaded[variety];
}

// The table's texts and IPA hold only characters of the Basic Multilingual
// Plane, so one to three UTF-8 bytes make one UTF-16 unit and back.
std::u16string fromUtf8(const std::string& text)
{
    std::u16string result;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : 3;
        char16_t unit = length == 1 ? byte : byte & (length == 2 ? 0x1F : 0x0F);
        for (std::size_t k = 1; k < length; ++k) {
            unit =
                static_cast<char16_t>(unit << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F));
        }
        result += unit;
        i += length;
    }
    return result;
}

std::string toUtf8(const std::u16string& text)
{
    std::string result;
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            result += static_cast<char>(unit);
        } else if (unit < 0x800) {
            result +=
                {static_cast<char>(0xC0 | unit >> 6), static_cast<char>(0x80 | (unit & 0x3F))};
        } else {
            result +=
                {static_cast<char>(0xE0 | unit >> 12), static_cast<char>(0x80 | (unit >> 6 & 0x3F)),
                 static_cast<char>(0x80 | (unit & 0x3F))};
        }
    }
    return result;
}

} // namespace

// Run for each variety: 0 British, 1 American.
using DictionaryFiles = testing::TestWithParam<int>;

INSTANTIATE_TEST_SUITE_P(Varieties, DictionaryFiles, testing::Values(0, 1),
                         [](const auto& info) { return info.param ? "American" : "British"; });

TEST_P(DictionaryFiles, EveryLineIsSourceWordAndCodeSortedByWord)
{
    // PhonemeCode letters with an IPA rendering, plus the length and stress marks.
    // A space separates the words of a number's reading ("1990").
    const std::string_view codeLetters = "pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'\" ";
    std::istringstream lines(readFile(paths[GetParam()]));
    std::string line, previousWord;
    std::size_t count = 0;
    while (std::getline(lines, line)) {
        ++count;
        std::istringstream fields(line);
        std::string source, word, code;
        std::getline(std::getline(std::getline(fields, source, '\t'), word, '\t'), code);
        // Strictly ascending words: one line per word, and regenerated files
        // comparable byte for byte.
        ASSERT_TRUE(fields && !source.empty() &&
                    word.find_first_not_of("abcdefghijklmnopqrstuvwxyz'0123456789") ==
                        std::string::npos &&
                    word.find_first_not_of('\'') != std::string::npos &&
                    code.find_first_not_of(codeLetters) == std::string::npos &&
                    code.front() != ' ' && code.back() != ' ' && previousWord < word)
            << "line " << count << ": " << line;
        previousWord = word;
    }
    EXPECT_GE(count, 100000u);
    // Every line loads, the last one included.
    EXPECT_EQ(dictionary(GetParam()).size(), count);
}

// British as in an RP pronouncing dictionary, American as CMUdict has them.
// One-syllable words carry no stress mark; a mark stands before the stressed
// syllable's onset. The weak-vowel rule looks for exactly DJ and tu, the
// linking-r rule for fq and L, and "a.m." is spelt "eyem".
TEST_P(DictionaryFiles, KnownWordsHaveTheirTranscriptions)
{
    // clang-format off
    const std::array<std::u16string, 3> words[] = {
        {u"hello", u"hq'lqu", u"hq'lou"}, {u"water", u"'wLtq", u"'wLtqr"}, {u"car", u"kR", u"kRr"},
        {u"better", u"'betq", u"'betqr"}, {u"thought", u"TLt", u"TLt"}, {u"hot", u"hPt", u"hRt"},
        {u"measure", u"'meZq", u"'meZqr"}, {u"usually", u"'jHZuqli", u"'jHZqwqli"},
        {u"banana", u"bq'nRnq", u"bq'nxnq"}, {u"caring", u"'keqrIN", u"'kerIN"},
        {u"nurse", u"nE:s", u"nE:rs"}, {u"goat", u"gqut", u"gout"}, {u"near", u"nIq", u"nIr"},
        {u"church", u"CE:C", u"CE:rC"}, {u"situation", u"\"sICu'eISqn", u"\"sICu'eISqn"},
        {u"photography", u"fq'tPgrqfi", u"fq'tRgrqfi"}, {u"the", u"DJ", u"DJ"}, {u"a", u"q", u"q"},
        {u"to", u"tu", u"tu"}, {u"for", u"fq", u"fqr"}, {u"or", u"L", u"Lr"},
        {u"eyem", u"\"eI'em", u"\"eI'em"}};
    // clang-format on
    for (const auto& word : words) {
        EXPECT_EQ(dictionary(GetParam()).find(word[0]), word[1 + GetParam()]);
    }
}

// The endings follow the last code of the stem, so the stems' real codes must
// end in the right class of letter. The -er ending is a bare schwa in both.
TEST_P(DictionaryFiles, DerivedFormsFollowFromTheRealStems)
{
    // clang-format off
    const std::array<std::u16string, 4> forms[] = {
        {u"cat", u"s", u"kxts", u"kxts"},         {u"dog", u"s", u"dPgz", u"dLgz"},
        {u"box", u"s", u"'bPksIz", u"'bRksIz"},   {u"want", u"d", u"'wPntId", u"'wRntId"},
        {u"play", u"d", u"'pleId", u"'pleId"},    {u"stop", u"d", u"stPpt", u"stRpt"},
        {u"care", u"ing", u"'keqrIN", u"'kerIN"}, {u"big", u"er", u"'bIgq", u"'bIgq"},
        {u"happy", u"ly", u"'hxpili", u"'hxpili"}};
    // clang-format on
    const kestrano::TranscriptionEngine engine(dictionary(GetParam()));
    for (const auto& form : forms) {
        EXPECT_EQ(engine.transcribeFromStem(form[0], form[1]), form[2 + GetParam()]);
    }
}

// Weak vowels before vowels and consonants; the British linking r before vowels only.
TEST_P(DictionaryFiles, SentencesComeOutWithTheContextRulesApplied)
{
    const std::array<std::u16string, 3> sentences[] = {
        {u"To go to eat the apple or the cat.", u"/tə ɡəʊ tʊ iːt ðiː ˈæpəl ɔː ðə kæt/",
         u"/tə ɡoʊ tʊ iːt ðiː ˈæpəl ɔːr ðə kæt/"},
        {u"For ever far away, at 7 a.m. sharp.", u"/fər ˈevə fɑːr əˈweɪ ət ˈsevən ˌeɪˈem ʃɑːp/",
         u"/fər ˈevər fɑːr əˈweɪ ət ˈsevən ˌeɪˈem ʃɑːrp/"}};
    const kestrano::TranscriptionEngine engine(dictionary(GetParam()));
    for (const auto& sentence : sentences) {
        EXPECT_EQ(engine.transcribeSentence(sentence[0]), sentence[1 + GetParam()]);
    }
}

// Each text of the table as typed (numbers, compounds, abbreviations too)
// through the whole sentence path: it comes out as written down, or its
// note says why the dictionary differs. A note on a row that agrees is
// stale and fails as well.
TEST_P(DictionaryFiles, FrequentWordsComeOutAsWrittenDownOrTheirNoteSaysWhy)
{
    const kestrano::TranscriptionEngine engine(dictionary(GetParam()));
    std::istringstream rows(readFile(KESTRANO_TESTS_DIR "/pronunciations.tsv"));
    std::string row;
    int count = 0, agreeing = 0;
    while (std::getline(rows, row)) {
        if (row.empty() || row[0] == '#') {
            continue;
        }
        // Text, British, American, British note, American note.
        std::vector<std::string> fields;
        std::istringstream cells(row);
        for (std::string cell; std::getline(cells, cell, '\t');) {
            fields.push_back(cell);
        }
        fields.resize(5);
        const std::string got = toUtf8(engine.transcribeSentence(fromUtf8(fields[0])));
        const bool agrees = got == "/" + fields[1 + GetParam()] + "/";
        const std::string& note = fields[3 + GetParam()];
        EXPECT_NE(agrees, !note.empty())
            << fields[0] << " gives " << got << (agrees ? ", yet its note says otherwise" : "");
        ++count;
        agreeing += agrees;
    }
    EXPECT_GE(count, 400);
    std::cout << agreeing << " of " << count << " words as written down\n";
}
