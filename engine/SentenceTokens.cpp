// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SentenceTokens.h"

#include "AmountSuffixes.h"
#include "StringFunctions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace kestrano {
namespace {

// Where the normaliser turns a run of text into a space.

bool isNonAsciiTrigger(char16_t unit)
{
    switch (unit) {
    case u'\u00A2': // cent
    case u'\u00A3': // pound
    case u'\u00A5': // yen
    case u'\u00B0': // degree
    case u'\u00BA': // masculine ordinal, written for a degree
    case u'\u00BC':
    case u'\u00BD':
    case u'\u00BE':
    case u'\u00D7': // multiplication
    case u'\u2010': // hyphen
    case u'\u2011': // non-breaking hyphen
    case u'\u2013': // en dash
    case u'\u2014': // em dash
    case u'\u20AC': // euro
    case u'\u2103': // degree Celsius
    case u'\u2109': // degree Fahrenheit
    case u'\u2212': // minus
        return true;
    default:
        return unit >= u'\u2150' && unit <= u'\u215E'; // vulgar fractions
    }
}

// The ASCII units that make a sentence worth reading: digits and the
// symbols this step says or splits at.
constexpr std::u16string_view asciiTriggers = u"0123456789$%&+=-/";

constexpr std::u16string_view openingPunctuation = u"([{\"'\u201C\u2018\u00AB\u00BF\u00A1*";

constexpr std::u16string_view closingPunctuation = u")]}\"'\u201D\u2019\u00BB,.;:!?\u2026*";

// I to XXXIX written the usual way, or 0.

// Whether `text` ends in "a.m." or "p.m.", whatever the case.

bool endsWithMeridiem(std::u16string_view text)
{
    if (text.size() < 4) {
        return false;
    }
    const std::u16string_view end = text.substr(text.size() - 4);
    const char16_t first = lowerAsciiLetter(end[0]);
    return (first == u'a' || first == u'p') && end[1] == u'.' && lowerAsciiLetter(end[2]) == u'm' &&
           end[3] == u'.';
}

bool isOpening(char16_t unit)
{
    return openingPunctuation.find(unit) != std::u16string_view::npos;
}

bool isClosing(char16_t unit)
{
    return closingPunctuation.find(unit) != std::u16string_view::npos;
}

// Whether the word before `start` (the start of a token) begins with a

// capital and has more than one letter: Henry I, World War I.

bool capitalisedBefore(std::u16string_view sentence, std::size_t start)
{
    std::size_t end = start;
    while (end > 0 && separatesWords(sentence[end - 1])) {
        --end;
    }
    std::size_t begin = end;
    while (begin > 0 && !separatesWords(sentence[begin - 1])) {
        --begin;
    }
    while (begin < end && isOpening(sentence[begin])) {
        ++begin;
    }
    return end - begin > 1 && isUpper(sentence[begin]);
}

// A token of the letters I, V and X alone (with "'s" and punctuation around

// it), a lone I only after a capitalised word. Only the places where such a

// letter begins a token are looked at, as this is asked of every sentence

// that holds one.

bool hasRomanToken(std::u16string_view sentence)
{
    for (std::size_t at = sentence.find_first_of(u"IVX"); at != std::u16string_view::npos;
         at = sentence.find_first_of(u"IVX", at + 1)) {
        std::size_t start = at;
        while (start > 0 && isOpening(sentence[start - 1])) {
            --start;
        }
        if (start > 0 && !separatesWords(sentence[start - 1])) {
            continue;
        }
        std::size_t end = at;
        while (end < sentence.size() && isRomanLetter(sentence[end])) {
            ++end;
        }
        const std::size_t letters = end - at;
        if (end + 1 < sentence.size() && sentence[end] == u'\'' && sentence[end + 1] == u's') {
            end += 2;
        }
        while (end < sentence.size() && isClosing(sentence[end])) {
            ++end;
        }
        if (end < sentence.size() && !separatesWords(sentence[end])) {
            continue;
        }
        if (letters > 1 || sentence[at] != u'I' || capitalisedBefore(sentence, start)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool isAsciiLetter(char16_t unit)
{
    return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z');
}

bool isUpper(char16_t unit)
{
    return unit >= u'A' && unit <= u'Z';
}

bool separatesWords(char16_t unit)
{
    return unit == u' ' || unit == u'\r' || unit == u'\n';
}

bool isJoiner(char16_t unit)
{
    return unit == u'-' || unit == u'\u2010' || unit == u'\u2011' || unit == u'\u2013' ||
           unit == u'\u2014' || unit == u'/' || unit == u'&';
}

bool isRomanLetter(char16_t unit)
{
    return unit == u'I' || unit == u'V' || unit == u'X';
}

unsigned romanValue(std::u16string_view letters)
{
    static constexpr std::array<std::u16string_view, 10> units = {
        u"", u"I", u"II", u"III", u"IV", u"V", u"VI", u"VII", u"VIII", u"IX"};
    static constexpr std::array<std::u16string_view, 4> tens = {u"", u"X", u"XX", u"XXX"};
    for (unsigned value = 1; value < 40; ++value) {
        if (std::u16string(tens[value / 10]) + std::u16string(units[value % 10]) == letters) {
            return value;
        }
    }
    return 0;
}

std::u16string_view coreOf(std::u16string_view raw)
{
    while (!raw.empty() && openingPunctuation.find(raw.front()) != std::u16string_view::npos) {
        raw.remove_prefix(1);
    }
    // "a.m." keeps its last full stop, which belongs to the abbreviation,
    // and 4(a) its bracket, which closes one inside it.
    const auto closesInside = [](std::u16string_view text) {
        const char16_t close = text.back();
        const char16_t open = close == u')' ? u'(' : close == u']' ? u'[' : u'\0';
        return open != u'\0' && std::count(text.begin(), text.end(), open) >=
                                    std::count(text.begin(), text.end(), close);
    };
    while (!raw.empty() && closingPunctuation.find(raw.back()) != std::u16string_view::npos &&
           !endsWithMeridiem(raw) && !closesInside(raw)) {
        raw.remove_suffix(1);
    }
    return raw;
}

bool startsNumber(std::u16string_view core)
{
    if (core.empty()) {
        return false;
    }
    const char16_t first = core[0];
    const char16_t second = core.size() > 1 ? core[1] : u'\0';
    const bool signed_ = first == u'-' || first == u'\u2212' || first == u'\u2013' || first == u'+';
    return isAsciiDigit(first) || isCurrency(first) || (first == u'.' && isAsciiDigit(second)) ||
           (signed_ && (isAsciiDigit(second) || isCurrency(second))) ||
           (first >= u'\u2150' && first <= u'\u215E') || first == u'\u00BC' || first == u'\u00BD' ||
           first == u'\u00BE';
}

bool isCapitalised(std::u16string_view word)
{
    return !word.empty() && isUpper(word[0]);
}

bool holdsSomethingToRead(std::u16string_view sentence)
{
    // One pass over the ASCII units by a table: a trigger ends it, a Roman
    // letter is remembered for the closer look at the tokens.
    static constexpr auto kinds = [] {
        std::array<std::uint8_t, 128> table{};
        for (char16_t unit : asciiTriggers) {
            table[unit] = 1;
        }
        for (char16_t unit : std::u16string_view(u"IVX")) {
            table[unit] = 2;
        }
        return table;
    }();
    std::uint8_t seen = 0;
    for (char16_t unit : sentence) {
        seen |= unit < 128 ? kinds[unit] : isNonAsciiTrigger(unit) ? 1 : 0;
        if (seen & 1) {
            return true;
        }
    }
    return (seen & 2) != 0 && hasRomanToken(sentence);
}

} // namespace kestrano
