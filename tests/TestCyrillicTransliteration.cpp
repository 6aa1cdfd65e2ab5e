// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CyrillicTransliteration.h"
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

TEST(TransliterateToCyrillic, MapsUnitByUnit)
{
    for (const TableRow& row : readTable("ipa-to-cyrillic.tsv")) {
        EXPECT_EQ(u8(kestrano::transliterateToCyrillic(u16(row[0]))), row[1]) << row[0];
    }
}
