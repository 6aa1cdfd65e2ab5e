// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the shipped dictionary files themselves: their format, what they give
// for well-known words, stems and sentences, and tables written down by hand:
// frequent words in pronunciations.tsv, words drawn at random from the word
// list in random-words.tsv and random-words-dev.tsv, running text in
// data/reading.tsv.

#include "EngineTestSupport.h"
#include "TranscriptionEngine.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <iostream>

using kestrano::PronunciationDictionary;
using namespace Qt::StringLiterals;

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
    // A source; a word of lower-case letters, digits and apostrophes; a code of
    // PhonemeCode letters with an IPA rendering and the marks, in words single
    // spaces apart (a number's reading, "1990").
    const QRegularExpression entry(uR"(^[^\t]+\t[a-z0-9']*[a-z0-9][a-z0-9']*\t)"
                                   uR"([pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'"]+)"
                                   uR"(( [pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'"]+)*$)"_s);
    const QStringList lines = QString::fromUtf8(readFile(paths[GetParam()])).split(u'\n');
    // Strictly ascending words: one line per word, and regenerated files
    // comparable byte for byte.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        ASSERT_TRUE(entry.match(lines[i]).hasMatch() &&
                    (i == 0 || lines[i - 1].section(u'\t', 1, 1) < lines[i].section(u'\t', 1, 1)))
            << "line " << i + 1 << ": " << lines[i].toStdString();
    }
    EXPECT_TRUE(lines.last().isEmpty() && lines.size() > 100000);
    // Every line loads, the last one included.
    EXPECT_EQ(shipped(GetParam()).size(), std::size_t(lines.size() - 1));
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

namespace {

// Each text of a table (text, British, American, British note, American
// note) through the whole sentence path: it comes out as written down, or its
// note says why. A note on a row that agrees is stale and fails as well.
// Counts the rows, the rows as written down, and the rows right: those and
// the rows whose note begins with "also", another form that is right too.
struct Agreement
{
    int rows = 0, asWritten = 0, right = 0;
};

Agreement expectAsWrittenDown(const kestrano::TranscriptionEngine& engine, const std::string& table,
                              int variety)
{
    Agreement result;
    for (TableRow row : readTable(table)) {
        row.resize(5);
        const std::string got = u8(engine.transcribeSentence(u16(row[0])));
        const std::string& note = row[3 + variety];
        const bool agrees = got == "/" + row[1 + variety] + "/";
        EXPECT_NE(agrees, !note.empty())
            << row[0] << " gives " << got << (agrees ? ", yet its note says otherwise" : "");
        ++result.rows;
        result.asWritten += agrees;
        result.right += agrees || note.starts_with("also");
    }
    std::cout << result.asWritten << " of " << result.rows << " rows of " << table
              << " as written down, " << result.right << " right\n";
    return result;
}

} // namespace

// The words as typed: numbers, compounds, abbreviations too.
TEST_P(DictionaryFiles, FrequentWordsComeOutAsWrittenDownOrTheirNoteSaysWhy)
{
    const kestrano::TranscriptionEngine engine(shipped(GetParam()));
    EXPECT_GE(expectAsWrittenDown(engine, "../pronunciations.tsv", GetParam()).rows, 400);
}

// Words drawn at random from the whole word list: the sample that measures
// the generator, and the one its rules were tried on.
TEST_P(DictionaryFiles, RandomWordsComeOutAsWrittenDownOrTheirNoteSaysWhy)
{
    const kestrano::TranscriptionEngine engine(shipped(GetParam()));
    EXPECT_EQ(expectAsWrittenDown(engine, "../random-words.tsv", GetParam()).rows, 300);
    EXPECT_EQ(expectAsWrittenDown(engine, "../random-words-dev.tsv", GetParam()).rows, 200);
}

// Running text read before it is looked up, with the shipped homograph table.
TEST_P(DictionaryFiles, RunningTextIsReadAsWrittenDownOrItsNoteSaysWhy)
{
    const kestrano::HomographTable homographs =
        kestrano::loadHomographTable(KESTRANO_DATA_DIR "/homographs.txt");
    ASSERT_GT(homographs.size(), 40u);
    const kestrano::Variety variety =
        GetParam() == 0 ? kestrano::Variety::British : kestrano::Variety::American;
    const kestrano::TranscriptionEngine engine(shipped(GetParam()), {variety, &homographs});
    EXPECT_GE(expectAsWrittenDown(engine, "reading.tsv", GetParam()).rows, 150);
}
