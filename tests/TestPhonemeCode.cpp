// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineTestSupport.h"
#include "PhonemeCode.h"

#include <gtest/gtest.h>

using namespace kestrano;

TEST(CodesToIpa, ConvertsEachUnitOnItsOwn)
{
    for (const TableRow& row : readTable("codes-to-ipa.tsv")) {
        EXPECT_EQ(u8(codesToIpa(u16(row[0]))), row[1]) << row[0];
    }
}

TEST(ClassifyLetter, EveryLetterHasItsClass)
{
    // Vowels, voiced consonants, voiceless consonants, then units of no class:
    // the endings and the context rules go wrong for any letter outside its set.
    const std::u16string letters[] = {u"IexPAuqiJRLHEOoa:QWFV", u"wrdgjlzvbnmDGZN", u"tspfhkTSC",
                                      u"'\" _7(\u0261"};
    for (int kind = 0; kind < 4; ++kind) {
        for (const char16_t letter : letters[kind]) {
            EXPECT_EQ(classifyLetter(letter), LetterClass(kind)) << u8({&letter, 1});
        }
    }
}
