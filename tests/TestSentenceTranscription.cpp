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
