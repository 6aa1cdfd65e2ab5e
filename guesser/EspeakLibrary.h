// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Phonemes.h"

#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace kestrano {

// espeak-ng's C library, which keeps its data and one voice at a time in
// global state: every use goes through the one instance, under its lock.
// The library is loaded at the first question, never before, so a program
// that asks none pays nothing for it.
class EspeakLibrary
{
public:
    static EspeakLibrary& instance();

    // espeak-ng's IPA for `text` in `voice`, "_" between phonemes and a space
    // between words, as its command-line tool writes it with --ipa --sep=_.
    // Nothing when the library or the voice cannot be loaded.
    std::optional<std::string> ipa(std::string_view text, EspeakVoice voice);

    // Why the last question found the library or its voice unusable; empty
    // when it was answered, and before the first.
    std::string failure();

private:
    EspeakLibrary() = default;
    bool initialise();
    bool selectVoice(EspeakVoice voice);

    std::mutex mutex_;
    bool tried_ = false;
    bool loaded_ = false;
    std::string failure_;
    std::optional<EspeakVoice> voice_;
};

} // namespace kestrano
