// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TranscriptionEngine.h"

#include <QString>
#include <QStringList>

struct TranscriptionOptions
{
    bool includeOriginalText = true;
    bool transliterate = false;
};

// The input text as sentences: typographic apostrophes (U+2019) made plain,
// then cut by splitIntoSentences.
QStringList transcriptionPieces(QString inputText);

// One piece's transcription as it goes into the document: IPA between
// slashes, or its Cyrillic transliteration.
std::u16string transcribePiece(const kestrano::TranscriptionEngine& engine, const QString& piece,
                               bool transliterate);

// The HTML document of the Transcribe command: one paragraph per piece, with
// the trimmed original (when asked) above its transcription. Texts go in as
// they stand, without HTML escaping, as the rich-text view expects them.
QString composeTranscriptionDocument(
    const QString& inputText, const TranscriptionOptions& options,
    const kestrano::TranscriptionEngine& engine = kestrano::TranscriptionEngine());
