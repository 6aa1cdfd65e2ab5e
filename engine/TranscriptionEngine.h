// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "HomographTable.h"
#include "PronunciationDictionary.h"
#include "PronunciationGuesser.h"
#include "Variety.h"
#include "WordTranscription.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrano {

// How running text is read before its words are looked up.
struct ReadingStep
{
    Variety variety = Variety::British;
    // Optional: without a table every word keeps the dictionary's reading.
    const HomographTable* homographs = nullptr;
};

// Turns English sentences into IPA between slashes, word by word from a
// PronunciationDictionary, deriving -ing, -d, -s, -er, -est and -ly forms
// from their stems and applying the weak-vowel and linking-r rules across
// word boundaries. It holds nothing but references to the dictionary (and to
// a guesser when words that the dictionary cannot transcribe are to be
// guessed, and to a homograph table), so one can be made per request.
//
// Made with a ReadingStep, it first reads what the normaliser would drop
// (numbers, money, units, times, joined words) as words of the dictionary,
// and picks homographs' readings and strong forms from their context. Made
// without one it is literal: every sentence is looked up word by word as
// typed, as the program did before it read running text, so that earlier
// output can always be had again (a guess aside, when asked for).
class TranscriptionEngine
{
public:
    explicit TranscriptionEngine(
        const PronunciationDictionary& dictionary = pronunciationDictionary(),
        const PronunciationGuesser* guesser = nullptr)
        : dictionary_(dictionary), guesser_(guesser)
    {
    }

    TranscriptionEngine(const PronunciationDictionary& dictionary, ReadingStep reading,
                        const PronunciationGuesser* guesser = nullptr)
        : dictionary_(dictionary), guesser_(guesser), reading_(reading)
    {
    }

    bool literal() const { return !reading_.has_value(); }

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

    // What normalizeSentence keeps of text without spaces or line ends: one
    // word, or nothing.
    std::u16string normalizeWord(std::u16string_view token) const;

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

    // Whether transcribeWord finds the word, stored or derived.
    bool transcribes(const std::u16string& word) const;

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
    // The sentence's words for the lookup, and per word the text the
    // reading step read it from (none when nothing was read).
    std::vector<std::u16string> sentenceWords(std::u16string sentence,
                                              std::vector<std::u16string>& sources,
                                              std::size_t& spelling) const;
    void chooseReadings(const std::vector<std::u16string>& words,
                        std::vector<WordTranscription>& entries) const;
    void guessWord(const std::u16string& word, WordTranscription& entry) const;

    const PronunciationDictionary& dictionary_;
    const PronunciationGuesser* guesser_;
    std::optional<ReadingStep> reading_;
};

} // namespace kestrano
