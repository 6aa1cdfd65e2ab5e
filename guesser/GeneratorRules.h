// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Phonemes.h"

#include <string>
#include <string_view>

namespace kestrano {

// The PhonemeCode that tools/generate-dictionaries writes for an espeak-ng
// entry of `word` (lower case) with these phonemes: its rules for such
// entries applied in its order, then the stress marks placed before their
// syllable's onset. A guess made this way agrees with the generated entry
// of the same word. GeneratorRules.cpp holds every rule ported from the
// generator, each under the generator's name, and says which it leaves out.
std::string generatedEntryCode(std::string_view word, Phonemes phonemes, EspeakVoice voice);

} // namespace kestrano
