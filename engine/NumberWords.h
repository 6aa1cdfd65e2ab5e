// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Variety.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrano {

// Numbers said as the words that the dictionaries hold. Every digit string
// from 0 to 9999 is a word there, said as a cardinal below 1000 (with the
// British "and": 250 "two hundred and fifty"), so a number is put together
// from such strings and the words "thousand", "million", "hundred" and so
// on. Digits are ASCII and hold no separators.
using WordList = std::vector<std::u16string>;

// A quantity: 1250 as 1 thousand 250, 1050 as 1 thousand (and) 50, 40000 as
// 40 thousand. Leading zeros are ignored; past the trillions it is read digit
// by digit, as nobody says such a number otherwise.
void appendCardinal(WordList& words, std::u16string_view digits, Variety variety);

// 101 as 100 (and) 1st, 200 as 2 hundredth, 1000 as 1 thousandth; the
// dictionaries hold 1st to 100th themselves.
void appendOrdinal(WordList& words, std::u16string_view digits, Variety variety);

// A four-digit year where the dictionaries would read a quantity: 1066 as
// 10 66, 1005 as 10 oh 5, 2100 as 21 hundred. Other years are already read
// as years by the dictionaries and stay one digit string.
void appendYear(WordList& words, std::u16string_view digits, Variety variety);

// Telephone numbers and numbers with a leading zero: 0 as "oh".
void appendDigitByDigit(WordList& words, std::u16string_view digits);

// 3.5 as 3 point 5, 0.75 as nought (American zero) point 7 5, .5 as point 5.
void appendDecimal(WordList& words, std::u16string_view whole, std::u16string_view fraction,
                   Variety variety);

// "1st", "22nd", "63rd": the dictionaries' spelling of the ordinals 1 to 100.
std::u16string ordinalDigits(unsigned number);

std::u16string digitString(unsigned long long number);

// A number's last word with a plural or possessive ending: 20 + "s" as 20s,
// which the dictionaries derive, but a single digit by its name (3 as threes,
// 6 as six's), as the dictionaries give a stem of one letter no ending.
std::u16string withEnding(std::u16string word, std::u16string_view ending);

} // namespace kestrano
