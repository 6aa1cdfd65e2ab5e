// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EspeakGuesser.h"

#include "EspeakLibrary.h"
#include "EspeakPhonemes.h"
#include "GeneratorRules.h"

namespace kestrano {
namespace {

// The word lowered, as the generator hands its words to espeak-ng (which
// would spell out a word in capitals), or "" for no word of letters and
// apostrophes.
std::string loweredWord(std::u16string_view word)
{
    if (word.empty() || word.size() > EspeakGuesser::longestWord) {
        return {};
    }
    std::string lowered;
    bool letter = false;
    for (const char16_t unit : word) {
        if ((unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z')) {
            lowered += static_cast<char>(unit | 0x20);
            letter = true;
        } else if (unit == u'\'') {
            lowered += '\'';
        } else {
            return {};
        }
    }
    return letter ? lowered : std::string();
}

} // namespace

std::u16string EspeakGuesser::guess(std::u16string_view word) const
{
    const std::string lowered = loweredWord(word);
    if (lowered.empty()) {
        return {};
    }
    const std::optional<std::string> ipa = EspeakLibrary::instance().ipa(lowered, voice_);
    if (!ipa) {
        return {};
    }
    std::optional<Phonemes> phonemes = espeakPhonemes(lowered, *ipa, voice_);
    if (!phonemes) {
        return {};
    }
    const std::string code = generatedEntryCode(lowered, std::move(*phonemes), voice_);
    return {code.begin(), code.end()};
}

std::string EspeakGuesser::unavailableReason() const
{
    return EspeakLibrary::instance().failure();
}

} // namespace kestrano
