// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace kestrano {

// Says a word that the dictionary cannot transcribe, from spelling rules.
// The engine asks only for such words and only when it was given a guesser,
// so a text of known words never pays for one.
class PronunciationGuesser
{
public:
    virtual ~PronunciationGuesser() = default;

    // The word's PhonemeCode, or an empty string when there is no guess.
    // `word` is one word of a normalised sentence, in any case.
    virtual std::u16string guess(std::u16string_view word) const = 0;
};

} // namespace kestrano
