// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "NumberWords.h"

#include <string_view>

namespace kestrano {

// What the words around a number say about how it is read.
struct AmountContext
{
    Variety variety = Variety::British;
    bool year = false;          // "in 1066", "5 May 1066", "1066 AD"
    bool score = false;         // "won 3-2", "a 2-0 win"
    bool telephone = false;     // after a group read digit by digit
    bool singularUnits = false; // "a 5 km run", "a 5-km run"
};

enum class AmountReading
{
    Read,    // the words were appended
    Leave,   // a digit string the dictionaries read as they stand
    Unknown, // not a number this step knows how to say
};

// Says one token that begins with a number, a currency sign or a sign
// (such as "£25.50", "3.5%", "10:30", "7pm", "101st", "1/2", "1990-2000",
// "-5°C"), optionally followed by one space and a unit token ("20 °C",
// "5 km", "7 a.m.", "£2.5 billion", "1 1/2"). Appends nothing unless it
// answers Read.
AmountReading sayAmount(std::u16string_view text, const AmountContext& context, WordList& words);

// Whether a token standing after a number belongs to it: a unit, per cent,
// degrees, a.m. or p.m., a fraction, and after an amount of money a
// multiplier such as "billion".
bool isAmountSuffix(std::u16string_view token, bool afterMoney);

// The letter's name as a word the dictionaries hold: the article "a" is
// stored in its weak form, so A is taken from a word that says it.
std::u16string letterName(char16_t letter, Variety variety);

} // namespace kestrano
