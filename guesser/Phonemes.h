// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace kestrano {

// One phoneme of a pronunciation before it becomes PhonemeCode text, as the
// dictionary generator holds it, so that stress marks can be placed at the
// start of their syllable afterwards: its code (a diphthong is one vowel of
// two letters), whether it is a vowel, and its stress.
struct Phoneme
{
    enum Stress
    {
        Unstressed = 0,
        Primary = 1,
        Secondary = 2
    };

    std::string code;
    bool vowel = false;
    int stress = Unstressed;

    bool operator==(const Phoneme&) const = default;
};

using Phonemes = std::vector<Phoneme>;

// espeak-ng's two English voices that the varieties are said with.
enum class EspeakVoice
{
    EnGb, // British
    EnUs  // American
};

} // namespace kestrano
