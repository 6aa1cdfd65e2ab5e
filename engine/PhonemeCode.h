// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace kestrano {

// PhonemeCode is the engine's one-character-per-phoneme alphabet: the
// dictionary files, the word rules and the sentence rules all work in it, and
// only the finished words are turned into IPA.

enum class LetterClass
{
    Vowel,
    VoicedConsonant,
    VoicelessConsonant,
    NoClass
};

// Vowel for ":qeuioaxQWERIOPAFHJLV", VoicedConsonant for "wrdgjlzvbnmDGZN",
// VoicelessConsonant for "tspfhkTSC", NoClass for anything else (stress
// marks, space, digits, non-ASCII).
LetterClass classifyLetter(char16_t letter);

// Converts unit by unit, without context; units with no IPA rendering vanish.
std::u16string codesToIpa(std::u16string codes);

// Appends the IPA rendering of `codes` to `out`.
void appendIpa(std::u16string& out, std::u16string_view codes);

} // namespace kestrano
