// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SentenceReading.h"

#include "AmountReading.h"
#include "AmountSuffixes.h"
#include "ReadingCues.h"
#include "SentenceTokens.h"
#include "StringFunctions.h"
#include "TranscriptionEngine.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kestrano {
namespace {

// No word that the cues look for is longer.
constexpr std::size_t longestCue = 12;

struct Token
{
    std::u16string_view raw;
    std::u16string_view core; // without the punctuation around it
    std::u16string plain;     // the normaliser's word for it, maybe empty
    std::u16string lower;     // plain, lowered
    bool punctuated = false;  // punctuation follows the core
};

class Reading
{
public:
    Reading(Variety variety, const TranscriptionEngine& engine, std::u16string_view sentence)
        : variety_(variety), engine_(engine)
    {
        cut(sentence);
    }

    ReadWords words();

private:
    void cut(std::u16string_view sentence);
    std::u16string plainWord(std::u16string_view text) const;
    std::size_t readAt(std::size_t i);
    std::size_t readNumber(std::size_t i);
    std::size_t readDate(std::size_t i);
    std::size_t readRoman(std::size_t i);
    std::size_t readEra(std::size_t i);
    std::size_t readCompound(std::size_t i);
    bool readLetterDigits(std::u16string_view text, WordList& words) const;
    void readPart(std::u16string_view part, WordList& words) const;
    AmountContext partContext() const;
    AmountContext contextAt(std::size_t i) const;
    bool yearCue(std::size_t i) const;
    bool scoreCue(std::size_t i) const;
    const std::u16string& lowerAt(std::size_t i) const;
    void emit(const WordList& words, std::size_t first, std::size_t last);
    void emitPlain(std::size_t i);

    Variety variety_;
    const TranscriptionEngine& engine_;
    std::vector<Token> tokens_;
    ReadWords read_;
    bool telephoneBefore_ = false; // the token before was a group of a telephone number
    bool telephone_ = false;       // this one is
};

void Reading::cut(std::u16string_view sentence)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i <= sentence.size(); ++i) {
        if (i < sentence.size() && !separatesWords(sentence[i])) {
            continue;
        }
        if (i > start) {
            Token& token = tokens_.emplace_back();
            token.raw = sentence.substr(start, i - start);
            token.core = coreOf(token.raw);
            token.plain = plainWord(token.raw);
            if (token.plain.size() <= longestCue) {
                token.lower = lowerAsciiLetters(token.plain);
            }
            token.punctuated = !token.core.empty() && token.core.data() + token.core.size() !=
                                                          token.raw.data() + token.raw.size();
        }
        start = i + 1;
    }
}

std::u16string Reading::plainWord(std::u16string_view text) const
{
    return engine_.normalizeWord(text);
}

const std::u16string& Reading::lowerAt(std::size_t i) const
{
    static const std::u16string none;
    return i < tokens_.size() ? tokens_[i].lower : none;
}

ReadWords Reading::words()
{
    for (std::size_t i = 0; i < tokens_.size();) {
        telephoneBefore_ = std::exchange(telephone_, false);
        std::size_t taken = readAt(i);
        if (taken == 0) {
            emitPlain(i);
            taken = 1;
        }
        i += taken;
    }
    if (read_.words.empty()) {
        read_.words.emplace_back();
        read_.sources.emplace_back();
    }
    return std::move(read_);
}

void Reading::emitPlain(std::size_t i)
{
    if (!tokens_[i].plain.empty()) {
        read_.words.push_back(tokens_[i].plain);
        read_.sources.emplace_back();
    }
}

// Words that are what the normaliser would have made anyway stand as typed.
void Reading::emit(const WordList& words, std::size_t first, std::size_t last)
{
    WordList plain;
    for (std::size_t i = first; i <= last; ++i) {
        if (!tokens_[i].plain.empty()) {
            plain.push_back(tokens_[i].plain);
        }
    }
    const std::u16string_view begin = tokens_[first].core;
    const std::u16string_view end = tokens_[last].core;
    const std::u16string from(begin.data(), end.data() + end.size());
    for (const std::u16string& word : words) {
        read_.words.push_back(word);
        read_.sources.push_back(words == plain ? std::u16string() : from);
    }
}

// '90s, ’60s: two digits ending in 0 and an s, after an apostrophe.
bool isShortDecade(std::u16string_view raw, std::u16string_view core)
{
    // The core is a view into the raw token, after its opening punctuation.
    const auto at = static_cast<std::size_t>(core.data() - raw.data());
    const bool apostrophe = at > 0 && (raw[at - 1] == u'\'' || raw[at - 1] == u'\u2019');
    return apostrophe && core.size() == 3 && core[0] >= u'1' && core[0] <= u'9' &&
           core[1] == u'0' && core[2] == u's';
}

std::size_t Reading::readAt(std::size_t i)
{
    const std::u16string_view core = tokens_[i].core;
    if (core.empty()) {
        return 0;
    }
    if (core == u"&" || core == u"+" || core == u"=" || core == u"\u00D7") {
        const std::u16string_view said = core == u"&"   ? u"and"
                                         : core == u"+" ? u"plus"
                                         : core == u"=" ? u"equals"
                                                        : u"times";
        emit({std::u16string(said)}, i, i);
        return 1;
    }
    if (const std::size_t taken = readDate(i)) {
        return taken;
    }
    // '90s: a decade with its century left out, which the apostrophe
    // before it would otherwise keep from the dictionaries.
    if (isShortDecade(tokens_[i].raw, core)) {
        emit({std::u16string(core)}, i, i);
        return 1;
    }
    if (startsNumber(core)) {
        if (const std::size_t taken = readNumber(i)) {
            return taken;
        }
    }
    if (const std::size_t taken = readEra(i)) {
        return taken;
    }
    if (const std::size_t taken = readRoman(i)) {
        return taken;
    }
    if (std::any_of(core.begin(), core.end(), isJoiner)) {
        return readCompound(i);
    }
    WordList words;
    if (readLetterDigits(core, words)) {
        emit(words, i, i);
        return 1;
    }
    return 0;
}

AmountContext Reading::contextAt(std::size_t i) const
{
    AmountContext context;
    context.variety = variety_;
    context.year = yearCue(i);
    context.score = scoreCue(i);
    context.telephone = telephoneBefore_;
    context.singularUnits = i > 0 && (lowerAt(i - 1) == u"a" || lowerAt(i - 1) == u"an");
    return context;
}

bool Reading::yearCue(std::size_t i) const
{
    const auto isEra = [this](std::size_t k) {
        return k < tokens_.size() && isOneOf(tokens_[k].plain, cues::eras);
    };
    if (isEra(i + 1) || (i > 0 && isEra(i - 1))) {
        return true;
    }
    if (i == 0) {
        return false;
    }
    if (isOneOf(lowerAt(i - 1), cues::yearCues)) {
        return true;
    }
    // May 5, 1945; 5th May, 1945
    const std::u16string& day = lowerAt(i - 1);
    const bool dayNumber = !day.empty() && isAsciiDigit(day[0]) && day.size() <= 4;
    return i > 1 && dayNumber && isOneOf(lowerAt(i - 2), cues::months);
}

bool Reading::scoreCue(std::size_t i) const
{
    return (i > 0 && isOneOf(lowerAt(i - 1), cues::scoreCuesBefore)) ||
           isOneOf(lowerAt(i + 1), cues::scoreCuesAfter);
}

std::size_t Reading::readNumber(std::size_t i)
{
    const Token& token = tokens_[i];
    std::u16string text(token.core);
    std::size_t last = i;
    // A lone currency sign before the amount: "£ 25".
    if (text.size() == 1 && isCurrency(text[0])) {
        if (i + 1 == tokens_.size() || !startsNumber(tokens_[i + 1].core)) {
            return 0;
        }
        text += tokens_[++last].core;
    }
    const bool money = isCurrency(text[0]) || (text.size() > 1 && isCurrency(text[1]));
    const AmountContext context = contextAt(i);
    WordList words;
    AmountReading reading = AmountReading::Unknown;
    if (!tokens_[last].punctuated && last + 1 < tokens_.size() &&
        isAmountSuffix(tokens_[last + 1].core, money)) {
        reading = sayAmount(text + u' ' + std::u16string(tokens_[last + 1].core), context, words);
        if (reading == AmountReading::Read) {
            ++last;
        }
    }
    if (reading != AmountReading::Read) {
        reading = sayAmount(text, context, words);
    }
    if (reading == AmountReading::Unknown) {
        if (!readLetterDigits(text, words)) {
            return 0;
        }
        emit(words, i, i);
        return 1;
    }
    // 020 7946 0321, +44 20 7946 0321: the groups after the first follow it.
    telephone_ = isDigitString(text) ? text.size() > 1 && (text[0] == u'0' || context.telephone)
                                     : text[0] == u'+';
    if (reading == AmountReading::Leave) {
        emitPlain(i);
        return 1;
    }
    emit(words, i, last);
    return last - i + 1;
}

// The day of a date, 1 to 31, with or without its ordinal ending; 0 if none.
unsigned dayOf(std::u16string_view core)
{
    std::size_t digits = 0;
    while (digits < core.size() && digits < 2 && isAsciiDigit(core[digits])) {
        ++digits;
    }
    const std::u16string ending = lowerAsciiLetters(core.substr(digits));
    const bool ordinal = ending == u"st" || ending == u"nd" || ending == u"rd" || ending == u"th";
    if (digits == 0 || (!ending.empty() && !ordinal)) {
        return 0;
    }
    const unsigned day = digits == 1 ? unsigned(core[0] - u'0')
                                     : unsigned(core[0] - u'0') * 10 + unsigned(core[1] - u'0');
    return day <= 31 ? day : 0;
}

bool isMonth(const Token& token)
{
    return isCapitalised(token.plain) && isOneOf(token.lower, cues::months);
}

// 5 May as "the fifth of May"; May 5 as "May the fifth" (British) or "May
// fifth" (American).
std::size_t Reading::readDate(std::size_t i)
{
    const bool next = i + 1 < tokens_.size();
    if (next && !tokens_[i].punctuated && isMonth(tokens_[i + 1])) {
        if (const unsigned day = dayOf(tokens_[i].core)) {
            emit({u"the", ordinalDigits(day), u"of"}, i, i);
            return 1;
        }
    }
    if (next && !tokens_[i].punctuated && isMonth(tokens_[i])) {
        if (const unsigned day = dayOf(tokens_[i + 1].core)) {
            WordList words{tokens_[i].plain};
            if (variety_ == Variety::British) {
                words.emplace_back(u"the");
            }
            words.push_back(ordinalDigits(day));
            emit(words, i, i + 1);
            return 2;
        }
    }
    return 0;
}

// AD 43, 1066 AD, 300 BCE: the era's letters. BC is a word of the
// dictionaries already; AD would be the word "ad".
std::size_t Reading::readEra(std::size_t i)
{
    const std::u16string& era = tokens_[i].plain;
    if (era != u"AD" && era != u"BCE" && era != u"CE") {
        return 0;
    }
    const bool nextToNumber = (i > 0 && isDigitString(tokens_[i - 1].plain)) ||
                              (i + 1 < tokens_.size() && isDigitString(tokens_[i + 1].plain));
    if (!nextToNumber) {
        return 0;
    }
    WordList letters;
    for (char16_t letter : era) {
        letters.push_back(letterName(letter, variety_));
    }
    emit(letters, i, i);
    return 1;
}

// Henry VIII as "Henry the eighth", World War II as "World War two". A lone I
// is a number only where no pronoun could stand: "Henry I of England",
// "Charles I.", "World War I".
std::size_t Reading::readRoman(std::size_t i)
{
    std::u16string_view letters = tokens_[i].core;
    const bool possessive = letters.ends_with(u"'s");
    if (possessive) {
        letters.remove_suffix(2);
    }
    const unsigned value =
        std::all_of(letters.begin(), letters.end(), isRomanLetter) ? romanValue(letters) : 0;
    if (value == 0 || i == 0) {
        return 0;
    }
    const std::u16string& before = lowerAt(i - 1);
    const bool name = isCapitalised(tokens_[i - 1].plain) && isOneOf(before, cues::regnalNames);
    const bool noun = isOneOf(before, cues::numberedNouns);
    if (letters.size() == 1) {
        const bool worldWar = before == u"war" && i > 1 && lowerAt(i - 2) == u"world";
        const bool clauseEnds = possessive || tokens_[i].punctuated || i + 1 == tokens_.size() ||
                                lowerAt(i + 1) == u"of" || lowerAt(i + 1) == u"and" || worldWar;
        const bool number = letters != u"I" || clauseEnds;
        if (!number || !(name || (noun && isCapitalised(tokens_[i - 1].plain)))) {
            return 0;
        }
    } else if (!name && !noun && !isCapitalised(tokens_[i - 1].plain)) {
        return 0;
    }
    WordList words;
    if (name) {
        words.emplace_back(u"the");
        words.push_back(ordinalDigits(value));
    } else {
        words.push_back(digitString(value));
    }
    if (possessive) {
        words.back() = withEnding(std::move(words.back()), u"'s");
    }
    emit(words, i, i);
    return 1;
}

// Words joined by hyphens, slashes or dashes that no dictionary holds joined
// are read part by part: court-appointed, 2-year-old, Washington/Oregon.
std::size_t Reading::readCompound(std::size_t i)
{
    const std::u16string_view core = tokens_[i].core;
    const bool ampersand = core.find(u'&') != std::u16string_view::npos;
    const std::u16string joined = lowerAsciiLetters(plainWord(core));
    if (joined.empty() || (!ampersand && engine_.transcribes(joined))) {
        return 0;
    }
    // The parts, each with whether "&" follows it.
    std::vector<std::pair<std::u16string_view, bool>> parts;
    std::size_t start = 0;
    for (std::size_t k = 0; k <= core.size(); ++k) {
        if (k < core.size() && !isJoiner(core[k])) {
            continue;
        }
        const std::u16string_view part = core.substr(start, k - start);
        const bool ampersandAfter = k < core.size() && core[k] == u'&';
        if (!plainWord(part).empty()) {
            parts.emplace_back(part, ampersandAfter);
        } else if (ampersandAfter && !parts.empty()) {
            parts.back().second = true;
        }
        start = k + 1;
    }
    // Monday-Friday, May–June: a range, said with "to".
    const bool dayOrMonthRange =
        parts.size() == 2 && !parts[0].second && core.find(u'/') == std::u16string_view::npos &&
        std::all_of(parts.begin(), parts.end(), [](const auto& part) {
            const std::u16string name = lowerAsciiLetters(part.first);
            return isCapitalised(part.first) &&
                   (isOneOf(name, cues::weekdays) || isOneOf(name, cues::months));
        });
    WordList words;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const auto [part, ampersandAfter] = parts[k];
        if (k > 0 && dayOrMonthRange) {
            words.emplace_back(u"to");
        }
        // 10-km: the number takes its unit, in the singular of a compound.
        if (!ampersandAfter && k + 1 < parts.size() && startsNumber(part) &&
            isAmountSuffix(parts[k + 1].first, false) &&
            sayAmount(std::u16string(part) + u' ' + std::u16string(parts[k + 1].first),
                      partContext(), words) == AmountReading::Read) {
            ++k;
        } else {
            readPart(part, words);
        }
        if (parts[k].second) {
            words.emplace_back(u"and");
        }
    }
    if (parts.size() < 2) {
        return 0;
    }
    emit(words, i, i);
    return 1;
}

AmountContext Reading::partContext() const
{
    AmountContext context;
    context.variety = variety_;
    context.singularUnits = true; // a 5-km run
    return context;
}

void Reading::readPart(std::u16string_view part, WordList& words) const
{
    if (startsNumber(part)) {
        switch (sayAmount(part, partContext(), words)) {
        case AmountReading::Read:
            return;
        case AmountReading::Leave:
            words.push_back(plainWord(part));
            return;
        case AmountReading::Unknown:
            break;
        }
    }
    if (part.size() == 1 && isAsciiLetter(part[0])) {
        words.push_back(letterName(part[0], variety_));
        return;
    }
    if (!readLetterDigits(part, words)) {
        words.push_back(plainWord(part));
    }
}

// Q3, MP3, A4, H2O, 3D: letters and digits said apart, a lone letter by its
// name. A token that a dictionary holds or derives whole (21st, 1990s) is
// left to it.
bool Reading::readLetterDigits(std::u16string_view written, WordList& words) const
{
    // Section 4(a): brackets inside part letters from digits like a change
    // of kind does.
    std::u16string text(written);
    std::erase_if(text, [](char16_t unit) { return unit == u'(' || unit == u')'; });
    const bool mixed = std::any_of(text.begin(), text.end(), isAsciiDigit) &&
                       std::any_of(text.begin(), text.end(), isAsciiLetter);
    const bool onlyThose = std::all_of(text.begin(), text.end(), [](char16_t unit) {
        return isAsciiDigit(unit) || isAsciiLetter(unit);
    });
    if (!mixed || !onlyThose || engine_.transcribes(lowerAsciiLetters(text))) {
        return false;
    }
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = start;
        const bool digits = isAsciiDigit(text[start]);
        while (end < text.size() && isAsciiDigit(text[end]) == digits) {
            ++end;
        }
        const std::u16string_view run = std::u16string_view(text).substr(start, end - start);
        if (digits) {
            AmountContext context;
            context.variety = variety_;
            if (sayAmount(run, context, words) != AmountReading::Read) {
                words.emplace_back(run);
            }
        } else if (run.size() == 1) {
            words.push_back(letterName(run[0], variety_));
        } else {
            words.emplace_back(run);
        }
        start = end;
    }
    return true;
}

} // namespace

SentenceReader::SentenceReader(Variety variety, const TranscriptionEngine& engine)
    : variety_(variety), engine_(engine)
{
}

bool SentenceReader::needsReading(std::u16string_view sentence)
{
    return holdsSomethingToRead(sentence);
}

ReadWords SentenceReader::read(std::u16string_view sentence) const
{
    return Reading(variety_, engine_, sentence).words();
}

} // namespace kestrano
