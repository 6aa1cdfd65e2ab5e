// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the shipped dictionary files themselves: their format, well-known
// words against the transcriptions a pronouncing dictionary gives, the words
// the engine's rules are written for, and forms derived from real stems.

#include "PronunciationDictionary.h"
#include "TranscriptionEngine.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

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

} // namespace

// Run for each variety: 0 British, 1 American.
using DictionaryFiles = testing::TestWithParam<int>;

INSTANTIATE_TEST_SUITE_P(Varieties, DictionaryFiles, testing::Values(0, 1),
                         [](const auto& info) { return info.param ? "American" : "British"; });

TEST_P(DictionaryFiles, EveryLineIsSourceWordAndCodeSortedByWord)
{
    // PhonemeCode letters with an IPA rendering, plus the length and stress marks.
    const std::string_view codeLetters = "pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'\"";
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
                    word.find_first_not_of("abcdefghijklmnopqrstuvwxyz'") == std::string::npos &&
                    word.find_first_not_of('\'') != std::string::npos &&
                    code.find_first_not_of(codeLetters) == std::string::npos && previousWord < word)
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
        {u"For ever far away, at 7 a.m. sharp.", u"/fər ˈevə fɑːr əˈweɪ ət (7) ˌeɪˈem ʃɑːp/",
         u"/fər ˈevər fɑːr əˈweɪ ət (7) ˌeɪˈem ʃɑːrp/"}};
    const kestrano::TranscriptionEngine engine(dictionary(GetParam()));
    for (const auto& sentence : sentences) {
        EXPECT_EQ(engine.transcribeSentence(sentence[0]), sentence[1 + GetParam()]);
    }
}
