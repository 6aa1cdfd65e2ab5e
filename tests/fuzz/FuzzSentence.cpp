// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzSupport.h"
#include "PhonemeCode.h"
#include "StringFunctions.h"
#include "TranscriptionEngine.h"

#include <algorithm>

using namespace kestrano;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TranscriptionEngine engine(engineDictionary());
    const std::u16string sentence = unitsOf(data, size);

    const std::u16string normalized = engine.normalizeSentence(sentence);
    FUZZ_CHECK(normalized.find_first_not_of(
                   u" 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789") ==
               normalized.npos);
    FUZZ_CHECK(normalized.find(u"  ") == normalized.npos && !normalized.starts_with(u' ') &&
               !normalized.ends_with(u' ') && engine.normalizeSentence(normalized) == normalized);

    // The sentence built step by step from the word codes joined by "_"
    // agrees with the words' view.
    std::vector<std::u16string> words;
    splitOn(words, normalized, u' ');
    std::u16string joinedCodes;
    for (const std::u16string& word : words) {
        joinedCodes += engine.transcribeWord(word) + u'_';
    }
    joinedCodes.pop_back();
    const std::u16string ipa = engine.transcribeSentence(sentence);
    FUZZ_CHECK(u'/' + engine.applySentenceRules(words, joinedCodes) + u'/' == ipa);
    const std::vector<WordTranscription> entries = engine.transcribeWords(sentence);
    FUZZ_CHECK(entries.size() == words.size());

    // Each word keeps its own code, changed by the rules at most, and its
    // origin gives that code again. Its IPA renders each "_"-separated piece
    // of the code on its own, not-found forms as they are.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const WordTranscription& entry = entries[i];
        const std::u16string code = engine.transcribeWord(words[i]);
        FUZZ_CHECK(entry.word == words[i]);
        FUZZ_CHECK(std::count(entry.code.begin(), entry.code.end(), u'_') ==
                   std::count(code.begin(), code.end(), u'_'));
        std::vector<std::u16string> pieces;
        splitOn(pieces, entry.code, u'_');
        std::u16string rendered;
        for (const std::u16string& piece : pieces) {
            rendered += (piece.starts_with(u'(') ? piece : codesToIpa(piece)) + u' ';
        }
        FUZZ_CHECK(entry.ipa + u' ' == rendered);
        std::u16string lowered = words[i];
        std::transform(lowered.begin(), lowered.end(), lowered.begin(), lowerAsciiLetter);
        FUZZ_CHECK(entry.source == WordSource::NotFound
                       ? entry.code == code && code.starts_with(u'(')
                   : entry.source == WordSource::Derived
                       ? engine.transcribeFromStem(entry.stem, entry.suffix) == code
                       : engineDictionary().find(lowered) == code);
    }
    return 0;
}
