// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EspeakGuesser.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <string_view>

using namespace kestrano;

namespace {

bool isGuessable(std::u16string_view word)
{
    const auto letter = [](char16_t unit) {
        return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z');
    };
    return !word.empty() && word.size() <= EspeakGuesser::longestWord &&
           std::all_of(word.begin(), word.end(),
                       [&](char16_t unit) { return letter(unit) || unit == u'\''; }) &&
           std::any_of(word.begin(), word.end(), letter);
}

} // namespace

// Any 16-bit units, in both voices: only a word of letters and apostrophes
// reaches espeak-ng, and what comes back is a word's PhonemeCode: letters
// with an IPA rendering and stress marks, the same at every asking.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const EspeakGuesser guessers[] = {EspeakGuesser(EspeakVoice::EnGb),
                                             EspeakGuesser(EspeakVoice::EnUs)};
    constexpr std::u16string_view codeLetters = u"pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'\"";
    const std::u16string word = unitsOf(data, size);
    for (const EspeakGuesser& guesser : guessers) {
        const std::u16string guess = guesser.guess(word);
        FUZZ_CHECK(guess.empty() || isGuessable(word));
        FUZZ_CHECK(guess.find_first_not_of(codeLetters) == guess.npos);
        FUZZ_CHECK(guess.empty() || guess.find_first_not_of(u"'\"") != guess.npos);
        FUZZ_CHECK(guesser.guess(word) == guess);
        FUZZ_CHECK(guesser.unavailableReason().empty());
    }
    return 0;
}
