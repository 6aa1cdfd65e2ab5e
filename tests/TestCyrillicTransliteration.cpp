// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CyrillicTransliteration.h"

#include <gtest/gtest.h>

using kestrano::transliterateToCyrillic;

TEST(TransliterateToCyrillic, MapsUnitByUnit)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"", u""},
        {u"/\u02C8t\u0283i\u02D0z/", u"/\u02C8чи:з/"},
        {u"\u00F0\u03B8w\u00E6", u"ЗЗССУЭ"},
        {u"\u0261g\u028Au", u"ггуу"},
        {u"d\u0292\u02A4\u02A7\u014B", u"джджчнг"},
        {u"well-known", u"УэллкноУн"},
        {u"(Box7 cqxy)", u"(о )"},
        {u"абв", u""},
        {u"p b t d k f v s z \u0283 \u0292 h m n l r j", u"п б т д к ф в с з ш ж х м н л р й"},
        {u"\u026Ae\u0252\u028C\u0259i\u0251\u0254\u025Coa:\u02D0'\u02CC[],;()",
         u"иэоаэиаоэоа::'\u02CC[],;()"},
    };
    for (const auto& [ipa, cyrillic] : cases) {
        EXPECT_EQ(transliterateToCyrillic(ipa), cyrillic);
    }
}
