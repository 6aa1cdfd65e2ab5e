// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TranscriptionEngine.h"

#include <QString>

#include <string>
#include <vector>

// One paragraph of the Transcribe command's document, with its words.
struct TranscribedSentence
{
    QString original;             // trimmed, as the document shows it
    std::u16string transcription; // what the document holds between the slashes
    std::vector<kestrano::WordTranscription> words;
};

// The sentences of composeTranscriptionDocument's document for the same text,
// in order. With `transliterate` the transcription is the Cyrillic one; the
// words keep their IPA.
std::vector<TranscribedSentence>
transcribeSentences(const QString& inputText, bool transliterate,
                    const kestrano::TranscriptionEngine& engine = kestrano::TranscriptionEngine());
