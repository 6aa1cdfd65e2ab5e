// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TranscriptionEngine.h"

#include "ContextRules.h"
#include "PhonemeCode.h"
#include "SentenceReading.h"
#include "StringFunctions.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

namespace kestrano {
namespace {

constexpr char16_t stressMark = u'\'';
constexpr char16_t secondaryStressMark = u'"';
constexpr char16_t wordSeparator = u'_';

constexpr std::u16string_view allowedCharacters =
    u" 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::u16string_view sibilants = u"GCzsSZ";

// Asked of every unit of every sentence: a table made from the allowed
// characters, rather than a search through them.
bool isAllowed(char16_t unit)
{
    static constexpr auto allowed = [] {
        std::array<bool, 128> table{};
        for (char16_t character : allowedCharacters) {
            table[character] = true;
        }
        return table;
    }();
    return unit < allowed.size() && allowed[unit];
}

bool endsWith(std::u16string_view text, std::u16string_view ending)
{
    return text.ends_with(ending);
}

bool lastTwoAreSame(std::u16string_view stem)
{
    // A stem of fewer than two units has no pair to compare; it takes the
    // ordinary path, so "xing" is never read as a doubled "x".
    return stem.size() >= 2 && stem[stem.size() - 1] == stem[stem.size() - 2];
}

std::u16string notFoundForm(std::u16string_view word)
{
    std::u16string form;
    form.reserve(word.size() + 2);
    form += u'(';
    form += word;
    form += u')';
    return form;
}

// The letter whose class decides the rules for the part before `part`: its
// first unit, or the second when the first is a stress mark.
LetterClass nextLetterClass(std::u16string_view part)
{
    if (!part.empty() && (part[0] == stressMark || part[0] == secondaryStressMark)) {
        part.remove_prefix(1);
    }
    return part.empty() ? LetterClass::NoClass : classifyLetter(part[0]);
}

bool isConsonant(LetterClass letterClass)
{
    return letterClass == LetterClass::VoicedConsonant ||
           letterClass == LetterClass::VoicelessConsonant;
}

bool takesLinkingR(std::u16string_view part, const std::u16string* word)
{
    const bool wordEndsInR = word != nullptr && !word->empty() && word->back() == u'r';
    return wordEndsInR || part == u"fq" || part == u"L" || part.ends_with(u"eq") ||
           part.ends_with(u"Iq") || part.ends_with(u"uq");
}

// What the context rules work on: a word's code, or one piece of a code that
// holds "_", which the rules and the IPA treat as a word of its own.
struct CodePart
{
    std::u16string* code;
    std::size_t word; // the word whose code it is, or holds a piece of
};

// The weak-vowel and linking-r rules across the parts. For the linking r's
// last-letter test part i is matched with word i, as in the joined code
// string, so a part past the last word has no word to end in "r".
void applyContextRules(const std::vector<CodePart>& parts, const std::vector<std::u16string>& words)
{
    // The length of the parts joined by "_". Very short sentences skip the
    // rules but are still rendered part by part, so that two short words
    // never run together.
    std::size_t joinedLength = parts.size() - 1;
    for (const CodePart& part : parts) {
        joinedLength += part.code->size();
    }
    if (joinedLength < 5) {
        return;
    }
    const std::size_t count = parts.size();
    for (std::size_t i = 0; i < count; ++i) {
        std::u16string& part = *parts[i].code;
        if (part.starts_with(u'(')) {
            continue;
        }
        const bool last = i + 1 == count;
        const LetterClass next = last ? LetterClass::NoClass : nextLetterClass(*parts[i + 1].code);
        if (part == u"DJ" || part == u"tu") {
            if (!last && isConsonant(next)) {
                part[1] = u'q';
            }
            continue;
        }
        const std::u16string* word = i < words.size() ? &words[i] : nullptr;
        if (!last && next == LetterClass::Vowel && takesLinkingR(part, word)) {
            part += u'r';
            part = replaceAll(std::move(part), u"rr", u"r");
        }
    }
}

// A not-found form stands as it is; every other code becomes IPA.
void appendRendered(std::u16string& out, std::u16string_view code, bool guessed = false)
{
    if (guessed) {
        appendGuessedIpa(out, code);
    } else if (code.starts_with(u'(')) {
        out += code;
    } else {
        appendIpa(out, code);
    }
}

} // namespace

std::u16string TranscriptionEngine::transcribeSentence(std::u16string sentence) const
{
    // The words are rendered straight into one string: the same words that
    // transcribeWords gives, joined as joinTranscription joins them, without
    // a string of its own for each.
    std::u16string slashed(1, u'/');
    transcribeWords(std::move(sentence), &slashed);
    slashed += u'/';
    return slashed;
}

std::vector<WordTranscription> TranscriptionEngine::transcribeWords(std::u16string sentence) const
{
    return transcribeWords(std::move(sentence), nullptr);
}

std::vector<std::u16string> TranscriptionEngine::sentenceWords(std::u16string sentence,
                                                               std::vector<std::u16string>& sources,
                                                               std::size_t& spelling) const
{
    std::vector<std::u16string> words;
    if (reading_ && SentenceReader::needsReading(sentence)) {
        ReadWords read = SentenceReader(reading_->variety, *this).read(sentence);
        sources = std::move(read.sources);
        spelling = sentence.size();
        return std::move(read.words);
    }
    const std::u16string normalized = normalizeSentence(std::move(sentence));
    spelling = normalized.size();
    splitOn(words, normalized, u' ');
    return words;
}

// A homograph's reading or a strong form where the words around call for
// one; words the reading step made are said as it chose.
void TranscriptionEngine::chooseReadings(const std::vector<std::u16string>& words,
                                         std::vector<WordTranscription>& entries) const
{
    const HomographTable& table = *reading_->homographs;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i + 1 < words.size() && !table.mayReadInside(words[i])) {
            continue;
        }
        const std::vector<HomographReading>* readings = table.find(words[i]);
        if (readings == nullptr || !entries[i].from.empty()) {
            continue;
        }
        if (const HomographReading* chosen = chooseReading(words, i, *readings)) {
            WordTranscription& entry = entries[i];
            entry.code = chosen->code(reading_->variety);
            entry.source = WordSource::Context;
            entry.reading = chosen->name;
            entry.stem.clear();
            entry.suffix.clear();
        }
    }
}

std::vector<WordTranscription> TranscriptionEngine::transcribeWords(std::u16string sentence,
                                                                    std::u16string* joined) const
{
    std::vector<std::u16string> sources;
    std::size_t spelling = 0;
    std::vector<std::u16string> words = sentenceWords(std::move(sentence), sources, spelling);
    if (joined) {
        // IPA runs about as long as the spelling; one allocation, not several.
        joined->reserve(joined->size() + 2 * spelling + 2);
    }
    std::vector<WordTranscription> entries(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        entries[i].code = lookUpWord(words[i], entries[i]);
        if (guesser_ != nullptr && entries[i].source == WordSource::NotFound) {
            guessWord(words[i], entries[i]);
        }
        if (!sources.empty() && !sources[i].empty()) {
            entries[i].from = std::move(sources[i]);
            if (entries[i].source == WordSource::Dictionary ||
                entries[i].source == WordSource::Derived) {
                entries[i].source = WordSource::Read;
                entries[i].stem.clear();
                entries[i].suffix.clear();
            }
        }
    }
    if (reading_ && reading_->homographs != nullptr && !reading_->homographs->empty()) {
        chooseReadings(words, entries);
    }
    std::size_t partCount = 0;
    for (const WordTranscription& entry : entries) {
        partCount += 1 + static_cast<std::size_t>(
                             std::count(entry.code.begin(), entry.code.end(), wordSeparator));
    }

    // The rules edit the codes in place; only codes that hold "_" are cut
    // into pieces. A code with k of them gives k + 1 <= 2k pieces, so
    // `pieces` never grows, and the parts can point into it.
    std::vector<CodePart> parts;
    parts.reserve(partCount);
    std::vector<std::u16string> pieces;
    pieces.reserve(2 * (partCount - words.size()));
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::u16string& code = entries[i].code;
        if (code.find(wordSeparator) == std::u16string::npos) {
            parts.push_back({&code, i});
            continue;
        }
        std::vector<std::u16string> split;
        splitOn(split, code, wordSeparator);
        for (std::u16string& piece : split) {
            parts.push_back({&pieces.emplace_back(std::move(piece)), i});
        }
    }
    applyContextRules(parts, words);

    // Each word gets its parts back, joined by spaces in the IPA as the
    // sentence shows them, and by "_" in the code.
    std::size_t previous = words.size();
    for (const CodePart& part : parts) {
        WordTranscription& entry = entries[part.word];
        const bool first = part.word != previous;
        std::u16string& ipa = joined ? *joined : entry.ipa;
        if (joined ? &part != &parts.front() : !first) {
            ipa += u' ';
        }
        appendRendered(ipa, *part.code, entry.source == WordSource::Guessed);
        if (part.code != &entry.code) {
            if (first) {
                entry.code.clear();
            } else {
                entry.code += wordSeparator;
            }
            entry.code += *part.code;
        }
        previous = part.word;
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        entries[i].word = std::move(words[i]);
    }
    return entries;
}

std::u16string TranscriptionEngine::normalizeSentence(std::u16string sentence) const
{
    if (sentence.find(u"a.m.") != std::u16string::npos) {
        sentence = replaceAll(std::move(sentence), u"a.m.", u"eyem");
    }
    // One pass: a space is kept only after a kept unit that is no space, and
    // a last one is dropped, which is what collapsing the runs of spaces and
    // trimming them leaves.
    std::u16string kept;
    kept.reserve(sentence.size());
    for (char16_t unit : sentence) {
        const bool lineEnd = unit == u'\r' || unit == u'\n';
        if (!isAllowed(unit) && !lineEnd) {
            continue;
        }
        const char16_t next = lineEnd ? u' ' : unit;
        if (next != u' ' || (!kept.empty() && kept.back() != u' ')) {
            kept += next;
        }
    }
    if (!kept.empty() && kept.back() == u' ') {
        kept.pop_back();
    }
    return kept;
}

std::u16string TranscriptionEngine::normalizeWord(std::u16string_view token) const
{
    if (token.find(u"a.m.") != std::u16string_view::npos) {
        std::u16string word = normalizeSentence(std::u16string(token));
        std::erase(word, u' ');
        return word;
    }
    std::u16string kept;
    kept.reserve(token.size());
    std::copy_if(token.begin(), token.end(), std::back_inserter(kept),
                 [](char16_t unit) { return unit != u' ' && isAllowed(unit); });
    return kept;
}

std::u16string TranscriptionEngine::applySentenceRules(std::vector<std::u16string> words,
                                                       std::u16string joinedCodes) const
{
    std::vector<std::u16string> pieces;
    splitOn(pieces, joinedCodes, wordSeparator);
    std::vector<CodePart> parts;
    parts.reserve(pieces.size());
    for (std::u16string& piece : pieces) {
        parts.push_back({&piece, parts.size()});
    }
    applyContextRules(parts, words);

    std::u16string result;
    result.reserve(joinedCodes.size() * 2);
    for (const std::u16string& piece : pieces) {
        appendRendered(result, piece);
        result += u' ';
    }
    result.pop_back();
    return result;
}

std::u16string TranscriptionEngine::storedTranscription(std::u16string_view word) const
{
    return dictionary_.find(word).value_or(std::u16string());
}

void TranscriptionEngine::guessWord(const std::u16string& word, WordTranscription& entry) const
{
    std::u16string code = guesser_->guess(word);
    // A guess stands among the codes as one word that the rules may change;
    // anything that would not read as such a code keeps the not-found form.
    if (code.empty() || code.starts_with(u'(') || code.find(wordSeparator) != code.npos) {
        return;
    }
    entry.code = std::move(code);
    entry.source = WordSource::Guessed;
}

bool TranscriptionEngine::isKnownWord(std::u16string word) const
{
    return dictionary_.hasTranscription(word);
}

bool TranscriptionEngine::transcribes(const std::u16string& word) const
{
    WordTranscription origin;
    lookUpWord(word, origin);
    return origin.source != WordSource::NotFound;
}

std::u16string TranscriptionEngine::transcribeWord(std::u16string word) const
{
    WordTranscription origin;
    return lookUpWord(word, origin);
}

std::u16string TranscriptionEngine::lookUpWord(const std::u16string& word,
                                               WordTranscription& origin) const
{
    // The not-found form keeps the word as typed; it is built only on failure,
    // since most words are found.
    std::u16string lowered = word;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), lowerAsciiLetter);

    if (auto found = dictionary_.find(lowered); found && !found->empty()) {
        origin.source = WordSource::Dictionary;
        return std::move(*found);
    }
    origin.source = WordSource::NotFound;
    if (lowered.size() < 3) {
        return notFoundForm(word);
    }
    if (endsWith(lowered, u"ing")) {
        return deriveIngForm(lowered, word, origin);
    }
    if (endsWith(lowered, u"est")) {
        return deriveWithSuffix(std::move(lowered), u"est", origin);
    }
    if (lowered.back() == u'd' || lowered.back() == u's') {
        return deriveDOrSForm(lowered, word, origin);
    }
    if (endsWith(lowered, u"er")) {
        return deriveWithSuffix(std::move(lowered), u"er", origin);
    }
    if (endsWith(lowered, u"ly")) {
        return deriveWithSuffix(std::move(lowered), u"ly", origin);
    }
    return notFoundForm(word);
}

std::u16string TranscriptionEngine::deriveIngForm(const std::u16string& word,
                                                  const std::u16string& typed,
                                                  WordTranscription& origin) const
{
    std::u16string stem = word.substr(0, word.size() - 3);
    if (lastTwoAreSame(stem)) {
        // "running" -> "run"; the undoubled stem is trusted without a lookup.
        if (!isKnownWord(stem)) {
            stem.pop_back();
        }
        return derive(std::move(stem), u"ing", origin);
    }
    if (std::u16string withE = stem + u'e'; isKnownWord(withE)) {
        return derive(std::move(withE), u"ing", origin);
    }
    if (isKnownWord(stem)) {
        return derive(std::move(stem), u"ing", origin);
    }
    return notFoundForm(typed);
}

std::u16string TranscriptionEngine::deriveDOrSForm(const std::u16string& word,
                                                   const std::u16string& typed,
                                                   WordTranscription& origin) const
{
    const std::u16string suffix(1, word.back());
    std::u16string candidate = word.substr(0, word.size() - 1);
    // cats -> cat, boxes -> box, cried -> cry, stopped -> stop
    if (isKnownWord(candidate)) {
        return derive(std::move(candidate), suffix, origin);
    }
    candidate.pop_back();
    if (isKnownWord(candidate)) {
        return derive(std::move(candidate), suffix, origin);
    }
    // The word has three units or more, so one unit is still left here.
    if (candidate.back() == u'i') {
        candidate.back() = u'y';
        if (isKnownWord(candidate)) {
            return derive(std::move(candidate), suffix, origin);
        }
    }
    candidate.pop_back();
    if (isKnownWord(candidate)) {
        return derive(std::move(candidate), suffix, origin);
    }
    return notFoundForm(typed);
}

std::u16string TranscriptionEngine::transcribeWithSuffix(std::u16string word,
                                                         std::u16string suffix) const
{
    WordTranscription origin;
    return deriveWithSuffix(std::move(word), std::move(suffix), origin);
}

std::u16string TranscriptionEngine::deriveWithSuffix(std::u16string word, std::u16string suffix,
                                                     WordTranscription& origin) const
{
    if (word.size() < suffix.size() + 2) {
        return notFoundForm(word);
    }
    std::u16string stem = word.substr(0, word.size() - suffix.size());
    if (lastTwoAreSame(stem)) {
        // "bigger" -> "big"; the undoubled stem is trusted without a lookup.
        if (!isKnownWord(stem)) {
            stem.pop_back();
        }
        return derive(std::move(stem), std::move(suffix), origin);
    }
    if (isKnownWord(stem)) {
        return derive(std::move(stem), std::move(suffix), origin);
    }
    if (stem.back() == u'i') {
        stem.back() = u'y';
    } else {
        stem += u'e';
    }
    if (isKnownWord(stem)) {
        return derive(std::move(stem), std::move(suffix), origin);
    }
    return notFoundForm(word);
}

std::u16string TranscriptionEngine::derive(std::u16string stem, std::u16string suffix,
                                           WordTranscription& origin) const
{
    std::u16string code = transcribeFromStem(stem, suffix);
    origin.source = WordSource::Derived;
    origin.stem = std::move(stem);
    origin.suffix = std::move(suffix);
    return code;
}

std::u16string TranscriptionEngine::transcribeFromStem(std::u16string stem,
                                                       std::u16string suffix) const
{
    std::u16string transcription = storedTranscription(stem);
    if (stem.size() < 2) {
        return transcription + suffixEnding(u' ', std::move(suffix));
    }

    const bool rBeforeEnding = suffix == u"est" || suffix == u"er" || suffix == u"ing";
    if ((endsWith(stem, u"re") || stem.back() == u'r') && rBeforeEnding) {
        transcription += u'r';
        transcription = replaceAll(std::move(transcription), u"rr", u"r");
    } else if (stem.back() == u'l' && suffix == u"ly") {
        // cool -> coolly: the stem's l gives way to the l of the ending.
        if (!transcription.empty()) {
            transcription.pop_back();
        }
    }

    const char16_t lastLetter = transcription.empty() ? u' ' : transcription.back();
    transcription += suffixEnding(lastLetter, suffix);

    if (suffix == u"d" || suffix == u"s") {
        // Only a syllabic ending (or a stem already ending in "I") takes the mark.
        const bool syllabic =
            transcription.size() >= 2 && transcription[transcription.size() - 2] == u'I';
        return syllabic ? ensureStressMark(std::move(transcription)) : transcription;
    }
    return ensureStressMark(std::move(transcription));
}

std::u16string TranscriptionEngine::suffixEnding(char16_t letter, std::u16string suffix) const
{
    if (suffix.empty()) {
        return {};
    }
    const LetterClass letterClass = classifyLetter(letter);
    const bool voiced =
        letterClass == LetterClass::Vowel || letterClass == LetterClass::VoicedConsonant;
    switch (suffix.back()) {
    case u'd':
        if (letter == u'd' || letter == u't') {
            return u"Id";
        }
        return voiced ? u"d" : letterClass == LetterClass::VoicelessConsonant ? u"t" : u"";
    case u's':
        if (sibilants.find(letter) != std::u16string_view::npos) {
            return u"Iz";
        }
        return voiced ? u"z" : letterClass == LetterClass::VoicelessConsonant ? u"s" : u"";
    case u'g':
        return u"IN";
    case u'y':
        return u"li";
    case u't':
        return u"Ist";
    case u'r':
        return u"q";
    default:
        return {};
    }
}

std::u16string TranscriptionEngine::ensureStressMark(std::u16string transcription) const
{
    if (transcription.find(stressMark) != std::u16string::npos) {
        return transcription;
    }
    return stressMark + transcription;
}

} // namespace kestrano
