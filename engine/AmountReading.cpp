// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AmountReading.h"

#include "AmountSuffixes.h"
#include "StringFunctions.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace kestrano {
namespace {

// The value of a short run of digits (at most nine).
unsigned valueOf(std::u16string_view digits)
{
    unsigned value = 0;
    for (char16_t digit : digits.substr(0, 9)) {
        value = value * 10 + static_cast<unsigned>(digit - u'0');
    }
    return value;
}

std::u16string_view leadingDigits(std::u16string_view text)
{
    std::size_t end = 0;
    while (end < text.size() && isAsciiDigit(text[end])) {
        ++end;
    }
    return text.substr(0, end);
}

bool isDash(char16_t unit)
{
    return unit == u'-' || unit == u'\u2010' || unit == u'\u2011' || unit == u'\u2013' ||
           unit == u'\u2014';
}

bool isMinusSign(char16_t unit)
{
    return unit == u'-' || unit == u'\u2212' || unit == u'\u2013';
}

// Appends words written with spaces between them.
void appendWords(WordList& words, std::u16string_view spaced)
{
    while (!spaced.empty()) {
        const std::size_t space = std::min(spaced.find(u' '), spaced.size());
        words.emplace_back(spaced.substr(0, space));
        spaced.remove_prefix(std::min(space + 1, spaced.size()));
    }
}

void appendMeridiem(WordList& words, int which)
{
    // The normaliser's own spelling of "a.m.", which the dictionaries hold;
    // "am" alone is the weak verb.
    words.emplace_back(which == 1 ? u"eyem" : u"pm");
}

// ---------------------------------------------------------------------------
// A number as written.

struct Amount
{
    bool negative = false;
    bool plus = false;        // "+44", a country code
    char16_t currency = 0;    // a sign in front
    std::u16string whole;     // digits, separators removed
    std::u16string fraction;  // digits after the decimal point
    bool point = false;       // a decimal point was written
    bool grouped = false;     // thousands separators were written
    std::u16string_view rest; // what follows the number
};

// Digits with thousands separators only where every group after the first
// has three digits: "1,250" is one number, "1,2,3" a list.
std::size_t readGroupedDigits(std::u16string_view text, std::size_t at, Amount& amount)
{
    while (at < text.size() && isAsciiDigit(text[at])) {
        amount.whole += text[at++];
    }
    while (!amount.whole.empty() && at + 3 < text.size() && text[at] == u',' &&
           isDigitString(text.substr(at + 1, 3)) &&
           (at + 4 == text.size() || !isAsciiDigit(text[at + 4]))) {
        amount.whole += text.substr(at + 1, 3);
        amount.grouped = true;
        at += 4;
    }
    return at;
}

std::optional<Amount> parseAmount(std::u16string_view text)
{
    Amount amount;
    std::size_t at = 0;
    const auto startsNumber = [&](std::size_t i) {
        return i < text.size() &&
               (isAsciiDigit(text[i]) || isCurrency(text[i]) ||
                (text[i] == u'.' && i + 1 < text.size() && isAsciiDigit(text[i + 1])));
    };
    if (at < text.size() && isMinusSign(text[at]) && startsNumber(at + 1)) {
        amount.negative = true;
        ++at;
    } else if (at < text.size() && text[at] == u'+' && startsNumber(at + 1)) {
        amount.plus = true;
        ++at;
    }
    if (at < text.size() && isCurrency(text[at])) {
        amount.currency = text[at++];
    }
    at = readGroupedDigits(text, at, amount);
    if (at + 1 < text.size() && text[at] == u'.' && isAsciiDigit(text[at + 1])) {
        amount.point = true;
        for (++at; at < text.size() && isAsciiDigit(text[at]); ++at) {
            amount.fraction += text[at];
        }
    }
    if (amount.whole.empty() && !amount.point) {
        return std::nullopt;
    }
    amount.rest = text.substr(at);
    return amount;
}

bool isOne(std::u16string_view digits)
{
    // "£.00" has no whole digits at all, so there may be no digit to look at.
    const std::size_t first = digits.find_first_not_of(u'0');
    return first != std::u16string_view::npos && first + 1 == digits.size() &&
           digits[first] == u'1';
}

// "1/2", "3/4": a proper fraction, as said after a whole number.
std::optional<std::pair<unsigned, unsigned>> simpleFraction(std::u16string_view text)
{
    const std::size_t slash = text.find(u'/');
    if (slash == std::u16string_view::npos || slash > 2 || !isDigitString(text.substr(0, slash)) ||
        !isDigitString(text.substr(slash + 1)) || text.size() - slash > 4) {
        return std::nullopt;
    }
    const unsigned top = valueOf(text.substr(0, slash));
    const unsigned bottom = valueOf(text.substr(slash + 1));
    if (top < 1 || top >= bottom || (bottom > 10 && top != 1) || bottom > 100) {
        return std::nullopt;
    }
    return std::pair(top, bottom);
}

// Drops one space between a number and the token after it.
std::u16string_view suffixOf(std::u16string_view rest)
{
    return rest.starts_with(u' ') ? rest.substr(1) : rest;
}

// ---------------------------------------------------------------------------
// Saying it.

class Speaker
{
public:
    Speaker(const AmountContext& context, WordList& words) : context_(context), words_(words) {}

    AmountReading say(std::u16string_view text);

private:
    bool british() const { return context_.variety == Variety::British; }
    AmountReading sayParsed(const Amount& amount);
    AmountReading sayRange(const std::vector<std::u16string_view>& parts);
    AmountReading sayList(std::u16string_view text);
    AmountReading sayPlain(const Amount& amount);
    AmountReading sayWholeWithSuffix(const Amount& amount);
    AmountReading plural(const Amount& amount, bool possessive);
    void wholeNumber(std::u16string_view digits, bool year);
    void quantity(const Amount& amount);
    AmountReading money(const Amount& amount, std::u16string_view suffix);
    AmountReading minorMoney(const Amount& amount, const Currency& currency);
    AmountReading unit(const Amount& amount, const Unit& unit);
    AmountReading time(const Amount& amount, std::u16string_view rest);
    AmountReading fraction(unsigned numerator, unsigned denominator, bool mixed);
    AmountReading slashes(const Amount& amount);
    AmountReading ordinal(const Amount& amount);
    AmountReading version(const Amount& amount);
    void sign(const Amount& amount);

    const AmountContext& context_;
    WordList& words_;
};

AmountReading Speaker::say(std::u16string_view text)
{
    if (const VulgarFraction* alone = vulgarFraction(text)) {
        return fraction(alone->numerator, alone->denominator, false);
    }
    // Ranges, scores and telephone numbers: numbers joined by dashes. A dash
    // in front is a minus sign.
    std::vector<std::u16string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (isDash(text[i]) && !isDash(text[i - 1]) && text[i - 1] != u' ') {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (!parts.empty()) {
        parts.push_back(text.substr(start));
        return sayRange(parts);
    }
    const std::optional<Amount> amount = parseAmount(text);
    if (amount && amount->rest.size() > 1 && amount->rest[0] == u',' &&
        isAsciiDigit(amount->rest[1])) {
        return sayList(text);
    }
    return amount ? sayParsed(*amount) : AmountReading::Unknown;
}

// 1,2,3 and 2000,2001: numbers listed with commas that are no thousands
// separators, each said on its own.
AmountReading Speaker::sayList(std::u16string_view text)
{
    const std::size_t before = words_.size();
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(u',', start), text.size());
        const std::u16string_view item = text.substr(start, comma - start);
        if (!isDigitString(item)) {
            words_.resize(before);
            return AmountReading::Unknown;
        }
        wholeNumber(item, false);
        start = comma + 1;
    }
    return AmountReading::Read;
}

AmountReading Speaker::sayRange(const std::vector<std::u16string_view>& parts)
{
    const bool integers = std::all_of(parts.begin(), parts.end(), isDigitString);
    if (integers) {
        const bool local = parts.size() == 2 && parts[0].size() == 3 && parts[1].size() == 4;
        if (parts.size() > 2 || local) {
            for (std::u16string_view part : parts) {
                appendDigitByDigit(words_, part);
            }
            return AmountReading::Read;
        }
        if (context_.score && parts[0].size() <= 2 && parts[1].size() <= 2) {
            // British says a score as two numbers, American joins them with
            // "to"; nought is "nil" in one, "nothing" in the other.
            for (std::size_t k = 0; k < parts.size(); ++k) {
                const std::u16string_view part = parts[k];
                if (k > 0 && !british()) {
                    words_.emplace_back(u"to");
                }
                const bool none = part.find_first_not_of(u'0') == std::u16string_view::npos;
                words_.emplace_back(!none
                                        ? std::u16string(part.substr(part.find_first_not_of(u'0')))
                                    : british() ? u"nil"
                                                : u"nothing");
            }
            return AmountReading::Read;
        }
    }
    const std::size_t before = words_.size();
    AmountContext each = context_;
    // Two four-digit numbers joined by a dash are years: 1066-1087.
    each.year = integers && std::all_of(parts.begin(), parts.end(),
                                        [](std::u16string_view part) { return part.size() == 4; });
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const std::u16string_view part = parts[k];
        if (k > 0) {
            words_.emplace_back(u"to");
        }
        WordList partWords;
        switch (Speaker(each, partWords).say(part)) {
        case AmountReading::Read:
            words_.insert(words_.end(), partWords.begin(), partWords.end());
            break;
        case AmountReading::Leave:
            words_.emplace_back(part);
            break;
        case AmountReading::Unknown:
            words_.resize(before);
            return AmountReading::Unknown;
        }
    }
    return AmountReading::Read;
}

void Speaker::sign(const Amount& amount)
{
    if (amount.negative) {
        words_.emplace_back(u"minus");
    }
}

void Speaker::quantity(const Amount& amount)
{
    if (amount.point) {
        appendDecimal(words_, amount.whole, amount.fraction, context_.variety);
    } else {
        appendCardinal(words_, amount.whole, context_.variety);
    }
}

AmountReading Speaker::sayParsed(const Amount& amount)
{
    const std::u16string_view rest = amount.rest;
    const std::u16string_view suffix = suffixOf(rest);
    if (amount.currency != 0) {
        return money(amount, suffix);
    }
    if (suffix.size() == 1 && isCurrency(suffix[0])) {
        Amount priced = amount; // 25€, 25 €
        priced.currency = suffix[0];
        return money(priced, {});
    }
    if (amount.plus) {
        if (!rest.empty() || amount.point) {
            return AmountReading::Unknown;
        }
        words_.emplace_back(u"plus");
        appendDigitByDigit(words_, amount.whole);
        return AmountReading::Read;
    }
    if (rest.empty()) {
        return sayPlain(amount);
    }
    if (const Unit* found = findUnit(suffix)) {
        return unit(amount, *found);
    }
    if (rest.starts_with(u':') || meridiem(suffix) != 0) {
        return time(amount, rest);
    }
    if (rest.starts_with(u'/')) {
        return slashes(amount);
    }
    if (amount.point && rest.size() > 1 && rest[0] == u'.' && isAsciiDigit(rest[1])) {
        return version(amount);
    }
    const std::u16string ending = lowerAsciiLetters(rest);
    if (ending == u"st" || ending == u"nd" || ending == u"rd" || ending == u"th") {
        return ordinal(amount);
    }
    if ((rest == u"p" || rest == u"\u00A2") && !amount.point) {
        return minorMoney(amount, currencyOf(rest == u"p" ? u'\u00A3' : u'$'));
    }
    if (rest == u"s" || rest == u"s'" || rest == u"s\u2019") {
        return plural(amount, false);
    }
    if (rest == u"'s" || rest == u"\u2019s") {
        return plural(amount, true);
    }
    return sayWholeWithSuffix(amount);
}

// 3s, 6's, the 10,000s: the dictionaries derive 20s and 1990s from the
// digits as written, but give a single digit no ending and take 10000s for
// 1000 and something else; those are said here, the ending on the last word.
AmountReading Speaker::plural(const Amount& amount, bool possessive)
{
    if (amount.point || amount.negative) {
        return AmountReading::Unknown;
    }
    const std::u16string& digits = amount.whole;
    if (!amount.grouped && digits.size() >= 2 && digits.size() <= 4 && digits[0] != u'0') {
        return AmountReading::Leave;
    }
    AmountContext plain;
    plain.variety = context_.variety;
    Amount number;
    number.whole = digits;
    const std::size_t before = words_.size();
    if (Speaker(plain, words_).sayPlain(number) == AmountReading::Leave) {
        words_.push_back(digits);
    }
    words_.back() = withEnding(std::move(words_.back()), possessive ? u"'s" : u"s");
    return before < words_.size() ? AmountReading::Read : AmountReading::Unknown;
}

// What only a bare whole number takes after it: a fraction (1½, 1 1/2) or
// a second number (4x4).
AmountReading Speaker::sayWholeWithSuffix(const Amount& amount)
{
    const std::u16string_view rest = amount.rest;
    const std::u16string_view suffix = suffixOf(rest);
    if (amount.point || amount.negative || amount.grouped) {
        return AmountReading::Unknown;
    }
    if (const VulgarFraction* part = vulgarFraction(suffix)) {
        appendCardinal(words_, amount.whole, context_.variety);
        return fraction(part->numerator, part->denominator, true);
    }
    if (const auto part = simpleFraction(suffix); part && rest.starts_with(u' ')) {
        appendCardinal(words_, amount.whole, context_.variety);
        return fraction(part->first, part->second, true);
    }
    if ((rest[0] == u'x' || rest[0] == u'\u00D7') && isDigitString(rest.substr(1))) {
        // 4x4, 1920x1080: "by".
        wholeNumber(amount.whole, false);
        words_.emplace_back(u"by");
        wholeNumber(rest.substr(1), false);
        return AmountReading::Read;
    }
    return AmountReading::Unknown;
}

// Digits said as a number standing alone: as a year where `year` says so,
// digit by digit with a leading zero, and otherwise as the dictionaries
// hold them.
void Speaker::wholeNumber(std::u16string_view digits, bool year)
{
    AmountContext plain = context_;
    plain.year = year;
    Amount number;
    number.whole = std::u16string(digits);
    if (Speaker(plain, words_).sayPlain(number) == AmountReading::Leave) {
        words_.emplace_back(digits);
    }
}

AmountReading Speaker::sayPlain(const Amount& amount)
{
    if (amount.point) {
        sign(amount);
        quantity(amount);
        return AmountReading::Read;
    }
    const std::u16string& digits = amount.whole;
    const bool bare = !amount.grouped && !amount.negative;
    // 020, 007; and the groups after it in a telephone number.
    if (bare && digits.size() > 1 && (digits.front() == u'0' || context_.telephone)) {
        appendDigitByDigit(words_, digits);
        return AmountReading::Read;
    }
    if (amount.grouped || digits.size() > 4) {
        sign(amount);
        appendCardinal(words_, digits, context_.variety);
        return AmountReading::Read;
    }
    if (digits.size() == 4 && context_.year) {
        sign(amount);
        appendYear(words_, digits, context_.variety);
        return AmountReading::Read;
    }
    if (amount.negative) {
        sign(amount);
        words_.push_back(digits);
        return AmountReading::Read;
    }
    return AmountReading::Leave;
}

AmountReading Speaker::money(const Amount& amount, std::u16string_view suffix)
{
    const Currency& currency = currencyOf(amount.currency);
    if (const std::u16string_view multiplier = multiplierWord(suffix); !multiplier.empty()) {
        sign(amount);
        quantity(amount);
        words_.emplace_back(multiplier);
        words_.emplace_back(currency.major[1]);
        return AmountReading::Read;
    }
    if (!suffix.empty()) {
        return AmountReading::Unknown;
    }
    const bool cents = amount.point && amount.fraction.size() == 2 && !currency.minor[0].empty();
    if (amount.point && !cents) {
        sign(amount);
        quantity(amount);
        words_.emplace_back(currency.major[1]);
        return AmountReading::Read;
    }
    const bool noMajor = amount.whole.find_first_not_of(u'0') == std::u16string::npos;
    const bool noMinor = !cents || amount.fraction == u"00";
    if (noMajor && !noMinor) {
        Amount minor; // £0.50 is fifty pence
        minor.whole = amount.fraction;
        minor.negative = amount.negative;
        return minorMoney(minor, currency);
    }
    sign(amount);
    appendCardinal(words_, amount.whole.empty() ? u"0" : amount.whole, context_.variety);
    words_.emplace_back(currency.major[isOne(amount.whole) ? 0 : 1]);
    if (noMinor) {
        return AmountReading::Read;
    }
    // British "five pounds fifty"; American "five dollars and fifty cents".
    if (!british()) {
        words_.emplace_back(u"and");
    }
    appendCardinal(words_, amount.fraction, context_.variety);
    if (!british()) {
        words_.emplace_back(currency.minor[isOne(amount.fraction) ? 0 : 1]);
    }
    return AmountReading::Read;
}

AmountReading Speaker::minorMoney(const Amount& amount, const Currency& currency)
{
    sign(amount);
    appendCardinal(words_, amount.whole, context_.variety);
    words_.emplace_back(currency.minor[isOne(amount.whole) ? 0 : 1]);
    return AmountReading::Read;
}

AmountReading Speaker::unit(const Amount& amount, const Unit& unit)
{
    sign(amount);
    quantity(amount);
    const auto& names = british() ? unit.british : unit.american;
    const bool singular = context_.singularUnits || (!amount.point && isOne(amount.whole));
    appendWords(words_, names[singular ? 0 : 1]);
    return AmountReading::Read;
}

// 10:30, 09:05, 6:45 a.m., 7pm, 7.30pm; a colon that is no time is a ratio.
AmountReading Speaker::time(const Amount& amount, std::u16string_view rest)
{
    if (amount.negative || amount.grouped || amount.whole.empty()) {
        return AmountReading::Unknown;
    }
    std::u16string_view minutes = amount.point ? std::u16string_view(amount.fraction) : u"";
    std::u16string_view seconds;
    if (rest.starts_with(u':')) {
        minutes = leadingDigits(rest.substr(1));
        rest.remove_prefix(1 + minutes.size());
        if (rest.starts_with(u':')) {
            seconds = leadingDigits(rest.substr(1));
            rest.remove_prefix(1 + seconds.size());
        }
    }
    const int which = meridiem(suffixOf(rest));
    const unsigned hour = valueOf(amount.whole);
    const bool clock = amount.whole.size() <= 2 && hour <= 24 &&
                       (minutes.empty() || (minutes.size() == 2 && minutes[0] <= u'5')) &&
                       (seconds.empty() || seconds.size() == 2) && (rest.empty() || which != 0) &&
                       (!amount.point || which != 0);
    if (!clock) {
        if (amount.point || !seconds.empty() || !rest.empty() || minutes.empty()) {
            return AmountReading::Unknown;
        }
        appendCardinal(words_, amount.whole, context_.variety); // 3:1, 16:9, 100:1
        words_.emplace_back(u"to");
        appendCardinal(words_, minutes, context_.variety);
        return AmountReading::Read;
    }
    // 18:45 as the dictionaries say 1845, in pairs with the first stressed;
    // their 2100 to 2399 are quantities, so only 11 to 20 o'clock.
    const bool pair = seconds.empty() && minutes.size() == 2 && hour >= 11 && hour <= 20 &&
                      (minutes[0] != u'0' || (minutes == u"00" && hour >= 13 && which == 0));
    if (pair) {
        words_.push_back(digitString(hour) + std::u16string(minutes));
        if (which != 0) {
            appendMeridiem(words_, which);
        }
        return AmountReading::Read;
    }
    words_.push_back(digitString(hour));
    if (minutes == u"00" && seconds.empty()) {
        if (which == 0) {
            words_.emplace_back(hour >= 1 && hour <= 12 ? u"o'clock" : u"hundred");
        }
    } else {
        for (std::u16string_view part : {minutes, seconds}) {
            if (part.starts_with(u'0')) {
                words_.emplace_back(u"oh");
                part.remove_prefix(1);
            }
            if (!part.empty()) {
                words_.emplace_back(part);
            }
        }
    }
    if (which != 0) {
        appendMeridiem(words_, which);
    }
    return AmountReading::Read;
}

// 1/2, 3/4, 2/3; 24/7 and dates are said as their numbers.
AmountReading Speaker::slashes(const Amount& amount)
{
    if (amount.point || amount.grouped || amount.negative) {
        return AmountReading::Unknown;
    }
    std::vector<std::u16string_view> numbers{amount.whole};
    std::u16string_view rest = amount.rest;
    while (rest.starts_with(u'/') && !leadingDigits(rest.substr(1)).empty()) {
        numbers.push_back(leadingDigits(rest.substr(1)));
        rest.remove_prefix(1 + numbers.back().size());
    }
    if (!rest.empty()) {
        return AmountReading::Unknown;
    }
    if (numbers.size() == 2) {
        const std::u16string written = amount.whole + u'/' + std::u16string(numbers[1]);
        if (const auto proper = simpleFraction(written)) {
            return fraction(proper->first, proper->second, false);
        }
    }
    for (std::u16string_view number : numbers) {
        wholeNumber(number, number.size() == 4);
    }
    return AmountReading::Read;
}

AmountReading Speaker::fraction(unsigned numerator, unsigned denominator, bool mixed)
{
    static constexpr std::u16string_view pluralOrdinals[] = {
        u"",       u"",         u"halves",  u"thirds", u"quarters", u"fifths",
        u"sixths", u"sevenths", u"eighths", u"ninths", u"tenths"};
    if (mixed) {
        words_.emplace_back(u"and");
    }
    // One and a half, one and a quarter; on its own, one half.
    if (numerator == 1 && mixed && (denominator == 2 || denominator == 4)) {
        words_.emplace_back(u"a");
    } else {
        words_.push_back(digitString(numerator));
    }
    if (numerator == 1 && (denominator == 2 || denominator == 4)) {
        words_.emplace_back(denominator == 2 ? u"half" : u"quarter");
    } else if (numerator == 1) {
        words_.push_back(ordinalDigits(denominator));
    } else if (denominator <= 10) {
        words_.emplace_back(pluralOrdinals[denominator]);
    } else {
        words_.push_back(ordinalDigits(denominator) + u"s");
    }
    return AmountReading::Read;
}

AmountReading Speaker::ordinal(const Amount& amount)
{
    if (amount.point || amount.negative) {
        return AmountReading::Unknown;
    }
    // The dictionaries hold 1st to 100th as they are written.
    if (!amount.grouped && amount.whole.size() <= 3 && valueOf(amount.whole) <= 100) {
        return AmountReading::Leave;
    }
    appendOrdinal(words_, amount.whole, context_.variety);
    return AmountReading::Read;
}

// 2.10.1 is "two point ten point one": each group is a number of its own.
AmountReading Speaker::version(const Amount& amount)
{
    if (amount.negative || amount.grouped) {
        return AmountReading::Unknown;
    }
    std::vector<std::u16string_view> groups{amount.whole, amount.fraction};
    std::u16string_view rest = amount.rest;
    while (rest.size() > 1 && rest[0] == u'.' && isAsciiDigit(rest[1])) {
        groups.push_back(leadingDigits(rest.substr(1)));
        rest.remove_prefix(1 + groups.back().size());
    }
    if (!rest.empty() || amount.whole.empty()) {
        return AmountReading::Unknown;
    }
    for (std::size_t k = 0; k < groups.size(); ++k) {
        if (k > 0) {
            words_.emplace_back(u"point");
        }
        wholeNumber(groups[k], false);
    }
    return AmountReading::Read;
}

} // namespace

AmountReading sayAmount(std::u16string_view text, const AmountContext& context, WordList& words)
{
    WordList said;
    const AmountReading reading = Speaker(context, said).say(text);
    if (reading == AmountReading::Read) {
        words.insert(words.end(), said.begin(), said.end());
    }
    return reading;
}

bool isAmountSuffix(std::u16string_view token, bool afterMoney)
{
    if (findUnit(token) != nullptr || meridiem(token) != 0 || vulgarFraction(token) != nullptr) {
        return true;
    }
    if (afterMoney && !multiplierWord(token).empty()) {
        return true;
    }
    if (token.size() == 1 && isCurrency(token[0]) && token[0] != u'\u00A3') {
        return true; // 25 €
    }
    // A fraction after a whole number: 1 1/2.
    const std::size_t slash = token.find(u'/');
    return slash != std::u16string_view::npos && isDigitString(token.substr(0, slash)) &&
           isDigitString(token.substr(slash + 1));
}

std::u16string letterName(char16_t letter, Variety variety)
{
    if (letter == u'a' || letter == u'A') {
        return variety == Variety::British ? u"eh" : u"ay";
    }
    return std::u16string(1, lowerAsciiLetter(letter));
}

} // namespace kestrano
