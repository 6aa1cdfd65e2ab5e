// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kestrano {

// Replaces `pattern` until none is left. After each replacement the search
// resumes two code units past the replacement's start, whatever the lengths
// involved; the outer pass then starts over, so a run like "rrrr" collapses
// to "r" when "rr" becomes "r". An empty pattern returns the subject as it is,
// and a replacement that contains the pattern is applied in one pass only,
// since repeating it could never end.
std::u16string replaceAll(std::u16string subject, std::u16string pattern,
                          std::u16string replacement);

// Cuts `text` at every `separator`, keeping empty pieces: k separators give
// k + 1 pieces, an empty text one empty piece. Returns the number of pieces.
std::size_t splitOn(std::vector<std::u16string>& pieces, const std::u16string& text,
                    char16_t separator);

// Removes U+0020 (and no other character) from both ends.
std::u16string trimSpaces(std::u16string text);

// Lowers A to Z only; every other code unit stays as it is, whatever the locale.
constexpr char16_t lowerAsciiLetter(char16_t unit)
{
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

// The text with A to Z lowered.
inline std::u16string lowerAsciiLetters(std::u16string_view text)
{
    std::u16string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), lowerAsciiLetter);
    return lowered;
}

constexpr bool isAsciiDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

// Whether the text is one or more ASCII digits.
constexpr bool isDigitString(std::u16string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isAsciiDigit);
}

// Whether `word` is one of the words of `list`.
template <typename List> bool isOneOf(std::u16string_view word, const List& list)
{
    return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

} // namespace kestrano
