// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace kestrano {

// What may follow a number in running text, and the words it is said in.

// A unit written after a number ("km", "%", "°C") and its names.
struct Unit
{
    std::u16string_view symbol;
    std::array<std::u16string_view, 2> british; // singular, plural
    std::array<std::u16string_view, 2> american;
};

// The unit written exactly so ("m" is metres, "M" nothing), or null.
const Unit* findUnit(std::u16string_view symbol);

// A currency sign and the names of its units.
struct Currency
{
    char16_t sign;
    std::array<std::u16string_view, 2> major; // singular, plural
    std::array<std::u16string_view, 2> minor; // empty: amounts are said as decimals
};

bool isCurrency(char16_t sign);

// The currency of a sign for which isCurrency holds.
const Currency& currencyOf(char16_t sign);

// "thousand", "million", "billion" or "trillion" for what may follow an
// amount of money ("m", "bn", "k", "billion"), or nothing.
std::u16string_view multiplierWord(std::u16string_view suffix);

// 0 for neither, 1 for a.m. ("am", "a.m.", "AM"), 2 for p.m.
int meridiem(std::u16string_view suffix);

// A fraction written as one character, such as ½.
struct VulgarFraction
{
    char16_t sign;
    unsigned numerator;
    unsigned denominator;
};

// The fraction that `text`, one character, writes, or null.
const VulgarFraction* vulgarFraction(std::u16string_view text);

} // namespace kestrano
