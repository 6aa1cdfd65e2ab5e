// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrano {

// Where a word's code came from.
enum class WordSource
{
    Dictionary, // stored for the word itself
    Derived,    // built from a stem and a suffix
    NotFound,   // the not-found form, "(word)"
    Guessed,    // said from its spelling; its IPA stands in brackets
    Read,       // made by the reading step from text the normaliser would drop
    Context     // a homograph's reading or a strong form, chosen by the words around it
};

// One word of a sentence as the sentence's transcription renders it.
struct WordTranscription
{
    std::u16string word; // as the normaliser left it, case kept
    // The PhonemeCode after the context rules. A code that holds "_" keeps
    // it; its pieces are rendered as separate words in the IPA.
    std::u16string code;
    std::u16string ipa; // this word's share of the sentence's transcription
    WordSource source = WordSource::NotFound;
    std::u16string stem;   // Derived only: the stem the code was built from
    std::u16string suffix; // Derived only: "ing", "est", "d", "s", "er" or "ly"
    // The text the reading step read this word from ("£25.50"); set for Read
    // and for a word it made that is not found.
    std::u16string from;
    std::u16string reading; // Context only: the reading chosen ("past", "strong")
};

// A guessed word as it is shown: the IPA of its code between the brackets of
// the not-found form, which still say "check this".
void appendGuessedIpa(std::u16string& out, std::u16string_view code);

// "/", the words' IPA joined by single spaces, "/": the sentence's
// transcription.
std::u16string joinTranscription(const std::vector<WordTranscription>& words);

} // namespace kestrano
