// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// The tokens of a sentence as the reading step sees them: runs of text
// between the spaces and line ends at which the normaliser parts words,
// with the punctuation around them, and what makes a sentence worth reading.
namespace kestrano {

bool isAsciiLetter(char16_t unit);
bool isUpper(char16_t unit);

// Where the normaliser turns a run of text into a space.
bool separatesWords(char16_t unit);

// A hyphen, dash, slash or ampersand, which join words into one token.
bool isJoiner(char16_t unit);

bool isRomanLetter(char16_t unit);

// I to XXXIX written the usual way, or 0.
unsigned romanValue(std::u16string_view letters);

// The token without the quotes, brackets and punctuation around it; "a.m."
// keeps its last full stop.
std::u16string_view coreOf(std::u16string_view raw);

// Whether a token's core begins like a number, an amount of money or a
// signed number, or is a fraction character.
bool startsNumber(std::u16string_view core);

bool isCapitalised(std::u16string_view word);

// A digit, a symbol the reading step says or splits at, or a Roman number
// where a name or a capitalised word stands before it.
bool holdsSomethingToRead(std::u16string_view sentence);

} // namespace kestrano
