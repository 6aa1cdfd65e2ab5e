// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Phonemes.h"

#include <optional>
#include <string_view>

namespace kestrano {

// The phonemes of espeak-ng's IPA for a word, as espeak-ng writes it with
// "_" between phonemes ("h_ə_l_ˈəʊ") and a space between words, mapped by the
// table espeak-phonemes.tsv that the dictionary generator maps its espeak-ng
// entries with. `word` is the lower-case spelling, which decides the flap
// and tells a roman numeral. Nothing when espeak-ng wrote a symbol that the
// table lacks for the voice, or no phoneme at all.
std::optional<Phonemes> espeakPhonemes(std::string_view word, std::string_view ipa,
                                       EspeakVoice voice);

} // namespace kestrano
