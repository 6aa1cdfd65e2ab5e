// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberWords.h"

#include "StringFunctions.h"

#include <array>

namespace kestrano {
namespace {

// Past this a number is a code or an identifier, not a quantity anyone says.
constexpr std::size_t longestCardinal = 15;

constexpr std::array<std::u16string_view, 5> scaleWords = {u"", u"thousand", u"million", u"billion",
                                                           u"trillion"};

std::u16string_view withoutLeadingZeros(std::u16string_view digits)
{
    while (digits.size() > 1 && digits.front() == u'0') {
        digits.remove_prefix(1);
    }
    return digits;
}

unsigned long long valueOf(std::u16string_view digits)
{
    unsigned long long value = 0;
    for (char16_t digit : digits) {
        value = value * 10 + static_cast<unsigned>(digit - u'0');
    }
    return value;
}

// The groups of three digits, least significant first.
std::vector<unsigned> groupsOf(unsigned long long value)
{
    std::vector<unsigned> groups;
    do {
        groups.push_back(static_cast<unsigned>(value % 1000));
        value /= 1000;
    } while (value > 0);
    return groups;
}

bool anyAbove(const std::vector<unsigned>& groups, std::size_t index)
{
    for (std::size_t i = index + 1; i < groups.size(); ++i) {
        if (groups[i] != 0) {
            return true;
        }
    }
    return false;
}

// The groups above the last one: "1 million 250 thousand".
void appendUpperGroups(WordList& words, const std::vector<unsigned>& groups)
{
    for (std::size_t i = groups.size(); i-- > 1;) {
        if (groups[i] != 0) {
            words.push_back(digitString(groups[i]));
            words.emplace_back(scaleWords[i]);
        }
    }
}

} // namespace

std::u16string digitString(unsigned long long number)
{
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + number % 10));
        number /= 10;
    } while (number > 0);
    return digits;
}

std::u16string withEnding(std::u16string word, std::u16string_view ending)
{
    static constexpr std::u16string_view names[] = {u"zero", u"one", u"two",   u"three", u"four",
                                                    u"five", u"six", u"seven", u"eight", u"nine"};
    if (word.size() == 1 && isAsciiDigit(word[0])) {
        word = names[word[0] - u'0'];
    }
    return word + std::u16string(ending);
}

std::u16string ordinalDigits(unsigned number)
{
    const unsigned lastTwo = number % 100;
    const unsigned last = number % 10;
    std::u16string_view suffix = u"th";
    if (lastTwo < 11 || lastTwo > 13) {
        suffix = last == 1 ? u"st" : last == 2 ? u"nd" : last == 3 ? u"rd" : u"th";
    }
    return digitString(number) + std::u16string(suffix);
}

void appendCardinal(WordList& words, std::u16string_view digits, Variety variety)
{
    digits = withoutLeadingZeros(digits);
    if (digits.size() > longestCardinal) {
        appendDigitByDigit(words, digits);
        return;
    }
    const std::vector<unsigned> groups = groupsOf(valueOf(digits));
    appendUpperGroups(words, groups);
    const unsigned last = groups.front();
    if (last == 0 && groups.size() > 1) {
        return;
    }
    // British links the last part below a hundred with "and": one thousand
    // and fifty; within a group the dictionaries' own strings say it.
    if (variety == Variety::British && last < 100 && anyAbove(groups, 0)) {
        words.emplace_back(u"and");
    }
    words.push_back(digitString(last));
}

void appendOrdinal(WordList& words, std::u16string_view digits, Variety variety)
{
    digits = withoutLeadingZeros(digits);
    if (digits.size() > longestCardinal) {
        appendDigitByDigit(words, digits);
        return;
    }
    const unsigned long long value = valueOf(digits);
    if (value <= 100) {
        words.push_back(ordinalDigits(static_cast<unsigned>(value)));
        return;
    }
    const std::vector<unsigned> groups = groupsOf(value);
    appendUpperGroups(words, groups);
    const unsigned last = groups.front();
    if (last == 0) {
        words.back() += u"th"; // thousandth, millionth
        return;
    }
    const unsigned hundreds = last / 100;
    const unsigned rest = last % 100;
    if (hundreds != 0) {
        words.push_back(digitString(hundreds));
        words.emplace_back(rest == 0 ? u"hundredth" : u"hundred");
    }
    if (rest != 0) {
        if (variety == Variety::British) {
            words.emplace_back(u"and");
        }
        words.push_back(ordinalDigits(rest));
    }
}

void appendYear(WordList& words, std::u16string_view digits, Variety variety)
{
    const unsigned long long year = valueOf(digits);
    const bool readAsQuantity = (year >= 1000 && year < 1100) || year >= 2100;
    if (digits.size() != 4 || !readAsQuantity) {
        words.emplace_back(digits);
        return;
    }
    if (year % 1000 == 0) {
        appendCardinal(words, digits, variety); // the year 1000
        return;
    }
    words.push_back(digitString(year / 100));
    const unsigned rest = static_cast<unsigned>(year % 100);
    if (rest == 0) {
        words.emplace_back(u"hundred");
        return;
    }
    if (rest < 10) {
        words.emplace_back(u"oh");
    }
    words.push_back(digitString(rest));
}

void appendDigitByDigit(WordList& words, std::u16string_view digits)
{
    for (char16_t digit : digits) {
        if (digit == u'0') {
            words.emplace_back(u"oh");
        } else {
            words.emplace_back(1, digit);
        }
    }
}

void appendDecimal(WordList& words, std::u16string_view whole, std::u16string_view fraction,
                   Variety variety)
{
    const std::u16string_view zero = variety == Variety::British ? u"nought" : u"zero";
    whole = withoutLeadingZeros(whole);
    if (whole == u"0") {
        words.emplace_back(zero);
    } else if (!whole.empty()) {
        appendCardinal(words, whole, variety);
    }
    words.emplace_back(u"point");
    for (char16_t digit : fraction) {
        if (digit == u'0') {
            words.emplace_back(zero);
        } else {
            words.emplace_back(1, digit);
        }
    }
}

} // namespace kestrano
