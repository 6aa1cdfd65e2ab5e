// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PronunciationDictionary.h"
#include "PronunciationGuesser.h"
#include "WordTranscription.h"

#include <string>
#include <vector>

namespace kestrano {

// Turns English sentences into IPA between slashes, word by word from a
// PronunciationDictionary, deriving -ing, -d, -s, -er, -est and -ly forms
// from their stems and applying the weak-vowel and linking-r rules across
// word boundaries. It holds nothing but a reference to the dictionary (and to
// a guesser when words that the dictionary cannot transcribe are to be
// guessed), so one can be made per request.
class TranscriptionEngine
{
public:
    explicit TranscriptionEngine(
        const PronunciationDictionary& dictionary = pronunciationDictionary(),
        const PronunciationGuesser* guesser = nullptr)
        : dictionary_(dictionary), guesser_(guesser)
    {
    }

    // "/", the IPA of the sentence's words joined by spaces, "/".
    std::u16string transcribeSentence(std::u16string sentence) const;

    // The sentence's words as its transcription renders them, in order;
    // transcribeSentence is joinTranscription of these. With a guesser, a
    // word that would come back in its not-found form is guessed instead
    // when the guesser can: the guess takes part in the context rules like
    // any code, and its IPA stands between the not-found form's brackets.
    std::vector<WordTranscription> transcribeWords(std::u16string sentence) const;

    // Keeps letters, digits, apostrophes and single inner spaces; "a.m." is
    // spelt out first so that it survives as a word.
    std::u16string normalizeSentence(std::u16string sentence) const;

    // Applies the context rules to the word codes joined by "_" and returns
    // the words' IPA joined by spaces, not-found forms left as they are.
    std::u16string applySentenceRules(std::vector<std::u16string> words,
                                      std::u16string joinedCodes) const;

    // The word's PhonemeCode from the dictionary: as stored, derived from a
    // stem, or "(word)". Never a guess, which has no code of its own to
    // show that it is one.
    std::u16string transcribeWord(std::u16string word) const;

    // Whether the dictionary holds exactly this word with a non-empty transcription.
    bool isKnownWord(std::u16string word) const;

    // Finds the stem of a lower-case word ending in "er", "est" or "ly".
    std::u16string transcribeWithSuffix(std::u16string word, std::u16string suffix) const;

    // The stem's transcription with the suffix's ending, linking r and stress mark.
    std::u16string transcribeFromStem(std::u16string stem, std::u16string suffix) const;

    // The PhonemeCode ending of `suffix` after a transcription ending in `letter`.
    std::u16string suffixEnding(char16_t letter, std::u16string suffix) const;

    // Puts "'" in front of a transcription that holds none.
    std::u16string ensureStressMark(std::u16string transcription) const;

private:
    // transcribeWords; with `joined`, each word's IPA goes there instead,
    // after a space from the previous word's, and the words' own stay empty.
    std::vector<WordTranscription> transcribeWords(std::u16string sentence,
                                                   std::u16string* joined) const;
    // The word's code, as transcribeWord gives it. Where the code came from
    // goes into `origin`'s source, stem and suffix, which transcribeWords
    // fills this way and transcribeWord drops.
    std::u16string lookUpWord(const std::u16string& word, WordTranscription& origin) const;
    std::u16string deriveIngForm(const std::u16string& word, const std::u16string& typed,
                                 WordTranscription& origin) const;
    std::u16string deriveDOrSForm(const std::u16string& word, const std::u16string& typed,
                                  WordTranscription& origin) const;
    std::u16string deriveWithSuffix(std::u16string word, std::u16string suffix,
                                    WordTranscription& origin) const;
    std::u16string derive(std::u16string stem, std::u16string suffix,
                          WordTranscription& origin) const;
    std::u16string storedTranscription(std::u16string_view word) const;
    void guessWord(const std::u16string& word, WordTranscription& entry) const;

    const PronunciationDictionary& dictionary_;
    const PronunciationGuesser* guesser_;
};

} // namespace kestrano
