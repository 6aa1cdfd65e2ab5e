// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineTestSupport.h"
#include "TranscriptionEngine.h"

#include <gtest/gtest.h>

using namespace kestrano;

// Words on their own reach the ladders of the endings, sentences the context
// rules and the normaliser.
TEST(TranscribeWords, EachWordWithItsCodeIpaAndOrigin)
{
    const TranscriptionEngine engine(engineDictionary());
    const char* const sources[] = {"dictionary", "derived", "not found"};
    for (const TableRow& row : readTable("transcriptions.tsv")) {
        EXPECT_EQ(u8(engine.transcribeSentence(u16(row[0]))), row[1]) << row[0];
        std::vector<std::string> words;
        for (const WordTranscription& word : engine.transcribeWords(u16(row[0]))) {
            words.push_back(u8(word.word + u'|' + word.code + u'|' + word.ipa + u'|') +
                            sources[static_cast<int>(word.source)]);
            if (word.source == WordSource::Derived) {
                words.back() += u8(u'|' + word.stem + u'|' + word.suffix);
            }
        }
        EXPECT_EQ(words, TableRow(row.begin() + 2, row.end())) << row[0];
    }
}

// The reading step and the context rules as the word view shows them: each
// word's IPA, where it came from, and the words joined as the sentence.
TEST(TranscribeWords, ReadWordsSayWhatTheyWereReadFrom)
{
    static const HomographTable homographs =
        loadHomographTable(KESTRANO_TEST_DATA_DIR "/engine-homographs.txt");
    const char* const sources[] = {"dictionary", "derived", "not found",
                                   "guessed",    "read",    "context"};
    for (const TableRow& row : readTable("reading-words.tsv")) {
        const Variety variety = row[0] == "british" ? Variety::British : Variety::American;
        const TranscriptionEngine engine =
            row[0] == "literal" ? TranscriptionEngine(engineDictionary())
                                : TranscriptionEngine(engineDictionary(), {variety, &homographs});
        const std::vector<WordTranscription> entries = engine.transcribeWords(u16(row[1]));
        std::vector<std::string> words;
        for (const WordTranscription& word : entries) {
            words.push_back(u8(word.word + u'|' + word.ipa + u'|') +
                            sources[static_cast<int>(word.source)]);
            const std::u16string& detail =
                word.source == WordSource::Context ? word.reading : word.from;
            if (!detail.empty()) {
                words.back() += '|' + u8(detail);
            }
        }
        EXPECT_EQ(u8(engine.transcribeSentence(u16(row[1]))), row[2]) << row[1];
        EXPECT_EQ(u8(joinTranscription(entries)), row[2]) << row[1];
        EXPECT_EQ(words, TableRow(row.begin() + 3, row.end())) << row[1];
    }
}
