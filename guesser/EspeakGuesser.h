// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Phonemes.h"
#include "PronunciationGuesser.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrano {

// Guesses a word from espeak-ng's letter-to-sound rules, British with its
// en-gb voice and American with en-us, and writes the guess as the
// dictionary generator writes espeak-ng's entries, so that a guess agrees
// with the generated entry of the same word.
class EspeakGuesser final : public PronunciationGuesser
{
public:
    // Longer words are no words a guess could help with, and espeak-ng is
    // asked about nothing but words.
    static constexpr std::size_t longestWord = 64;

    explicit EspeakGuesser(EspeakVoice voice) : voice_(voice) {}

    // Only a word of ASCII letters and apostrophes with at least one letter,
    // and of at most longestWord units, is guessed; anything else gets no
    // guess.
    std::u16string guess(std::u16string_view word) const override;

    // Why words get no guess at all: espeak-ng's library, data or voice
    // could not be loaded. Empty while guessing works, and before the first
    // guess was asked for.
    std::string unavailableReason() const;

    EspeakVoice voice() const { return voice_; }

private:
    EspeakVoice voice_;
};

} // namespace kestrano
