// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineTestSupport.h"
#include "NumberWords.h"

#include <gtest/gtest.h>

using namespace kestrano;

TEST(NumberWords, SayNumbersInTheDictionariesWords)
{
    for (const TableRow& row : readTable("number-words.tsv")) {
        const std::u16string digits = u16(row[1]);
        for (const Variety variety : {Variety::British, Variety::American}) {
            WordList words;
            if (row[0] == "cardinal") {
                appendCardinal(words, digits, variety);
            } else if (row[0] == "ordinal") {
                appendOrdinal(words, digits, variety);
            } else if (row[0] == "year") {
                appendYear(words, digits, variety);
            } else if (row[0] == "digits") {
                appendDigitByDigit(words, digits);
            } else {
                appendDecimal(words, digits, u16(row[2]), variety);
            }
            std::u16string said;
            for (const std::u16string& word : words) {
                said += (said.empty() ? u"" : u" ") + word;
            }
            EXPECT_EQ(u8(said), row[variety == Variety::British ? 3 : 4])
                << row[0] << " " << row[1] << " " << row[2];
        }
    }
}
