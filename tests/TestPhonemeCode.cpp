// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhonemeCode.h"

#include <gtest/gtest.h>

using namespace kestrano;

TEST(CodesToIpa, ConvertsEachUnitOnItsOwn)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"", u""},
        {u"hq'lqu", u"h\u0259\u02C8l\u0259\u028A"},
        {u"'CJz\"G", u"\u02C8t\u0283i\u02D0z\u02CCd\u0292"}, // two-unit renderings
        {u"gJRLHE:", u"\u0261i\u02D0\u0251\u02D0\u0254\u02D0u\u02D0\u025C\u02D0"},
        {u"J:", u"i\u02D0\u02D0"},
        {u"D_q", u"\u00F0\u0259"}, // no row: dropped
        {u"BFKMQUVWXYcy7\u00E9\uFF80", u""},
        {u"(ab) [x],;-", u"(ab) [\u00E6],;-"},
        {u"TSZNIPAOoa", u"\u03B8\u0283\u0292\u014B\u026A\u0252\u028C\u0254oa"},
    };
    for (const auto& [codes, ipa] : cases) {
        EXPECT_EQ(codesToIpa(codes), ipa);
    }
}

TEST(ClassifyLetter, EveryRenderedLetterHasItsClass)
{
    // The context rules and the endings go wrong for any consonant or vowel
    // of the table that falls outside its set.
    for (char16_t c : std::u16string(u"pbtdkgfvTDszSZhCGmnNwlrj")) {
        EXPECT_NE(classifyLetter(c), LetterClass::Vowel) << char(c);
        EXPECT_NE(classifyLetter(c), LetterClass::NoClass) << char(c);
    }
    for (char16_t c : std::u16string(u"IexPAuqiJRLHEOoa:QWFV")) {
        EXPECT_EQ(classifyLetter(c), LetterClass::Vowel) << char(c);
    }
}
