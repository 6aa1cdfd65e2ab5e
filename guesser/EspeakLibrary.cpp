// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EspeakLibrary.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

namespace kestrano {
namespace {

std::string statusMessage(espeak_ng_STATUS status)
{
    char message[512] = {};
    espeak_ng_GetStatusCodeMessage(status, message, sizeof message);
    return message;
}

} // namespace

EspeakLibrary& EspeakLibrary::instance()
{
    static EspeakLibrary library;
    return library;
}

bool EspeakLibrary::initialise()
{
    if (tried_) {
        return loaded_;
    }
    tried_ = true;
    // The data folder comes from ESPEAK_DATA_PATH or else the one the library
    // was built for. Errors are returned, not printed, and never end the
    // process.
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status != ENS_OK) {
        const char* folder = nullptr;
        espeak_Info(&folder);
        failure_ = std::string("espeak-ng could not load its data from ") +
                   (folder != nullptr ? folder : "its data folder") + ": " + statusMessage(status);
        return false;
    }
    loaded_ = true;
    return true;
}

bool EspeakLibrary::selectVoice(EspeakVoice voice)
{
    if (voice_ == voice) {
        return true;
    }
    // By language, as espeak-ng's command-line tool finds "-v en-gb", so that
    // a guess hears the voice that the dictionaries were made with.
    espeak_VOICE properties{};
    properties.languages = voice == EspeakVoice::EnGb ? "en-gb" : "en-us";
    const espeak_ng_STATUS status = espeak_ng_SetVoiceByProperties(&properties);
    if (status != ENS_OK) {
        voice_.reset();
        failure_ = std::string("espeak-ng could not load its voice ") + properties.languages +
                   ": " + statusMessage(status);
        return false;
    }
    voice_ = voice;
    failure_.clear();
    return true;
}

std::optional<std::string> EspeakLibrary::ipa(std::string_view text, EspeakVoice voice)
{
    const std::lock_guard lock(mutex_);
    if (!initialise() || !selectVoice(voice)) {
        return std::nullopt;
    }
    const std::string input(text);
    const void* position = input.c_str();
    std::string said;
    // One clause at a time; the position becomes null after the last. A
    // clause cannot be shorter than a character, so the loop is bounded even
    // should the library never say it is done.
    for (std::size_t clauses = 0; position != nullptr && clauses <= input.size(); ++clauses) {
        const char* clause =
            espeak_TextToPhonemes(&position, espeakCHARS_UTF8, espeakPHONEMES_IPA | ('_' << 8));
        std::string_view part = clause != nullptr ? clause : "";
        while (!part.empty() && (part.front() == ' ' || part.front() == '\n')) {
            part.remove_prefix(1);
        }
        while (!part.empty() && (part.back() == ' ' || part.back() == '\n')) {
            part.remove_suffix(1);
        }
        if (!part.empty()) {
            if (!said.empty()) {
                said += ' ';
            }
            said += part;
        }
    }
    return said;
}

std::string EspeakLibrary::failure()
{
    const std::lock_guard lock(mutex_);
    return failure_;
}

} // namespace kestrano
