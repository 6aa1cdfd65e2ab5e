// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContextRules.h"

#include "StringFunctions.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kestrano {
namespace {

// Words before a noun.
constexpr std::array<std::u16string_view, 24> determiners = {
    u"a",       u"an",    u"the",   u"my",    u"your",  u"his",     u"her",     u"its",
    u"our",     u"their", u"this",  u"these", u"those", u"every",   u"each",    u"no",
    u"another", u"any",   u"whose", u"some",  u"many",  u"several", u"various", u"both"};

// Numbers said as words before a plural: nine lives. "One" is left out, as
// in "no one lives".
constexpr std::array<std::u16string_view, 14> numberWords = {
    u"two",  u"three", u"four",  u"five",    u"six",      u"seven",    u"eight",
    u"nine", u"ten",   u"dozen", u"hundred", u"hundreds", u"thousand", u"thousands"};

// Adjectives that often stand before the nouns of the table.
constexpr std::array<std::u16string_view, 48> adjectives = {
    u"new",      u"old",      u"first",  u"last",      u"next",    u"good",    u"bad",
    u"great",    u"big",      u"small",  u"large",     u"huge",    u"long",    u"short",
    u"high",     u"low",      u"full",   u"whole",     u"entire",  u"public",  u"private",
    u"personal", u"official", u"annual", u"final",     u"major",   u"minor",   u"main",
    u"only",     u"own",      u"same",   u"other",     u"further", u"strong",  u"serious",
    u"special",  u"national", u"total",  u"real",      u"perfect", u"current", u"recent",
    u"previous", u"early",    u"free",   u"excellent", u"best",    u"single"};

// Words after which a base form is a verb.
constexpr std::array<std::u16string_view, 33> verbCues = {
    u"to",       u"can",    u"could",  u"will",     u"would",     u"shall",   u"should",
    u"may",      u"might",  u"must",   u"don't",    u"doesn't",   u"didn't",  u"won't",
    u"wouldn't", u"can't",  u"cannot", u"couldn't", u"shouldn't", u"mustn't", u"let's",
    u"i'll",     u"you'll", u"we'll",  u"they'll",  u"he'll",     u"she'll",  u"it'll",
    u"i",        u"you",    u"we",     u"they",     u"please"};

// Subjects of a verb in -s: he records, she lives.
constexpr std::array<std::u16string_view, 3> singularSubjects = {u"he", u"she", u"it"};

// Words after which a form is the past participle or the past.
constexpr std::array<std::u16string_view, 20> pastCues = {
    u"have", u"has",   u"had", u"having", u"was", u"were",    u"is", u"are", u"am", u"be",
    u"been", u"being", u"get", u"gets",   u"got", u"getting", u"he", u"she", u"it", u"already"};

// Contractions that end like a possessive or an auxiliary but are neither.
constexpr std::array<std::u16string_view, 10> pronounContractions = {
    u"he's",   u"she's", u"it's",    u"that's", u"there's",
    u"what's", u"who's", u"where's", u"here's", u"let's"};

// What a main verb "have" or "does" takes as its object.
constexpr std::array<std::u16string_view, 30> objects = {
    u"a",       u"an",        u"the",      u"my",         u"your",  u"his",   u"her",  u"its",
    u"our",     u"their",     u"this",     u"that",       u"these", u"those", u"some", u"any",
    u"no",      u"lots",      u"plenty",   u"enough",     u"many",  u"much",  u"more", u"several",
    u"nothing", u"something", u"anything", u"everything", u"all",   u"both"};

constexpr std::array<std::u16string_view, 6> nounFollowers = {u"of",  u"is",   u"was",
                                                              u"are", u"were", u"has"};

bool isPossessive(std::u16string_view word)
{
    return word.size() > 2 && word.ends_with(u"'s") && !isOneOf(word, pronounContractions);
}

// A form in -s (records, lives, does) is a verb only after he, she or it.
bool isThirdPerson(std::u16string_view word)
{
    return word.size() > 2 && word.back() == u's' && word[word.size() - 2] != u's';
}

struct Neighbours
{
    std::u16string before; // lowered, empty at the start
    std::u16string after;  // lowered, empty at the end
    bool first = false;
    bool last = false;
    bool capitalised = false;
    bool thirdPerson = false;
};

const HomographReading* named(const std::vector<HomographReading>& readings,
                              std::u16string_view name)
{
    const auto found = std::find_if(readings.begin(), readings.end(),
                                    [name](const HomographReading& r) { return r.name == name; });
    return found == readings.end() ? nullptr : &*found;
}

const HomographReading* byOwnCues(const std::vector<HomographReading>& readings,
                                  const Neighbours& around)
{
    for (const HomographReading& reading : readings) {
        if ((!around.first && isOneOf(around.before, reading.after)) ||
            (!around.last && isOneOf(around.after, reading.before))) {
            return &reading;
        }
    }
    return nullptr;
}

bool pastCue(const Neighbours& around)
{
    const std::u16string& before = around.before;
    const bool auxiliary = before.ends_with(u"'ve") || before.ends_with(u"'d") ||
                           (before.ends_with(u"'s") && !isPossessive(before));
    return !around.first && (isOneOf(before, pastCues) || auxiliary);
}

// What a main verb "have" or "does" takes as its object.
bool objectFollows(const Neighbours& around)
{
    const std::u16string& after = around.after;
    return isOneOf(after, objects) || isOneOf(after, numberWords) || isDigitString(after);
}

bool nounCue(const Neighbours& around)
{
    const std::u16string& before = around.before;
    return !around.first &&
           (isOneOf(before, determiners) || isOneOf(before, adjectives) || isDigitString(before) ||
            isOneOf(before, numberWords) || isPossessive(before));
}

bool verbCue(const Neighbours& around)
{
    if (around.first) {
        return false;
    }
    return around.thirdPerson ? isOneOf(around.before, singularSubjects)
                              : isOneOf(around.before, verbCues);
}

} // namespace

const HomographReading* chooseReading(const std::vector<std::u16string>& words, std::size_t index,
                                      const std::vector<HomographReading>& readings)
{
    // Most of the words asked about are grammatical words that only the end
    // of the sentence changes: "to", "of", "for".
    const bool last = index + 1 == words.size();
    const bool onlyStrong = std::all_of(readings.begin(), readings.end(), [](const auto& reading) {
        return reading.name == u"strong" && reading.after.empty() && reading.before.empty();
    });
    if (onlyStrong) {
        return last ? &readings.front() : nullptr;
    }
    Neighbours around;
    const std::u16string& word = words[index];
    around.first = index == 0;
    around.last = last;
    around.before = around.first ? u"" : lowerAsciiLetters(words[index - 1]);
    around.after = around.last ? u"" : lowerAsciiLetters(words[index + 1]);
    around.capitalised = !word.empty() && word[0] >= u'A' && word[0] <= u'Z';
    around.thirdPerson = isThirdPerson(lowerAsciiLetters(word));

    if (const HomographReading* own = byOwnCues(readings, around)) {
        return own;
    }
    // Each reading and the cue that calls for it, in order of strength; a
    // cue is only looked at when the word has its reading.
    using Cue = bool (*)(const Neighbours&);
    static constexpr std::pair<std::u16string_view, Cue> cues[] = {
        {u"name", [](const Neighbours& n) { return n.capitalised && !n.first; }},
        {u"past", pastCue},
        {u"noun", nounCue},
        {u"adjective", nounCue},
        {u"verb", verbCue},
        {u"before-to", [](const Neighbours& n) { return n.after == u"to"; }},
        {u"main", [](const Neighbours& n) { return !n.first && objectFollows(n); }},
        {u"noun", [](const Neighbours& n) { return isOneOf(n.after, nounFollowers); }},
        {u"verb", [](const Neighbours& n) { return !n.last && isOneOf(n.after, determiners); }},
        {u"strong", [](const Neighbours& n) { return n.last; }},
    };
    for (const auto& [name, applies] : cues) {
        if (const HomographReading* reading = named(readings, name); reading && applies(around)) {
            return reading;
        }
    }
    return nullptr;
}

} // namespace kestrano
