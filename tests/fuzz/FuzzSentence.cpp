// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CyrillicTransliteration.h"
#include "FuzzSupport.h"
#include "PhonemeCode.h"
#include "StringFunctions.h"
#include "TranscriptionEngine.h"

#include <algorithm>
#include <string_view>
#include <vector>

using namespace kestrano;

namespace {

std::u16string lowerAscii(std::u16string word)
{
    std::transform(word.begin(), word.end(), word.begin(), lowerAsciiLetter);
    return word;
}

// A code's IPA as the sentence shows it: each "_"-separated piece on its own,
// not-found forms as they are, pieces joined by spaces.
std::u16string renderedCode(const std::u16string& code)
{
    std::vector<std::u16string> pieces;
    splitOn(pieces, code, u'_');
    std::u16string ipa;
    for (const std::u16string& piece : pieces) {
        ipa += piece.starts_with(u'(') ? piece : codesToIpa(piece);
        ipa += u' ';
    }
    ipa.pop_back();
    return ipa;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TranscriptionEngine engine(fuzzDictionary());
    const std::u16string sentence = unitsOf(data, size);

    constexpr std::u16string_view allowed =
        u" 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::u16string normalized = engine.normalizeSentence(sentence);
    FUZZ_CHECK(std::all_of(normalized.begin(), normalized.end(),
                           [&](char16_t unit) { return allowed.find(unit) != allowed.npos; }));
    FUZZ_CHECK(normalized.find(u"  ") == normalized.npos);
    FUZZ_CHECK(!normalized.starts_with(u' ') && !normalized.ends_with(u' '));
    FUZZ_CHECK(engine.normalizeSentence(normalized) == normalized);

    const std::u16string ipa = engine.transcribeSentence(sentence);
    FUZZ_CHECK(ipa.size() >= 2 && ipa.front() == u'/' && ipa.back() == u'/');

    // The sentence built step by step from the word codes joined by "_"
    // agrees with the words' view, whose IPA joined by spaces is the sentence.
    std::vector<std::u16string> words;
    splitOn(words, normalized, u' ');
    std::u16string joinedCodes;
    for (const std::u16string& word : words) {
        joinedCodes += engine.transcribeWord(word) + u'_';
    }
    joinedCodes.pop_back();
    FUZZ_CHECK(u'/' + engine.applySentenceRules(words, joinedCodes) + u'/' == ipa);
    const std::vector<WordTranscription> entries = engine.transcribeWords(sentence);
    FUZZ_CHECK(joinTranscription(entries) == ipa);
    FUZZ_CHECK(entries.size() == words.size());

    // Each word keeps its own code, changed by the rules at most, and its
    // origin gives that code again; Cyrillic splits at the same spaces.
    std::u16string cyrillic = u"/";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const WordTranscription& entry = entries[i];
        const std::u16string code = engine.transcribeWord(words[i]);
        FUZZ_CHECK(entry.word == words[i]);
        FUZZ_CHECK(entry.ipa == renderedCode(entry.code));
        FUZZ_CHECK(std::count(entry.code.begin(), entry.code.end(), u'_') ==
                   std::count(code.begin(), code.end(), u'_'));
        switch (entry.source) {
        case WordSource::NotFound:
            FUZZ_CHECK(entry.code == code && code.starts_with(u'('));
            break;
        case WordSource::Derived:
            FUZZ_CHECK(engine.transcribeFromStem(entry.stem, entry.suffix) == code);
            break;
        case WordSource::Dictionary:
            FUZZ_CHECK(fuzzDictionary().find(lowerAscii(words[i])) == code);
            break;
        }
        cyrillic += transliterateToCyrillic(entry.ipa) + (i + 1 < entries.size() ? u" " : u"/");
    }
    FUZZ_CHECK(transliterateToCyrillic(ipa) == cyrillic);
    return 0;
}
