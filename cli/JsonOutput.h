// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TranscriptionEngine.h"

#include <QString>
#include <QStringView>

#include <string>

// `text` as a JSON string literal, quotes included. Control characters and
// unpaired surrogates are written as \u escapes, so the result is valid JSON
// and converts to UTF-8 without loss.
QString jsonString(QStringView text);

// The sentences of the document for `inputText` as one JSON document: the
// dictionary file and variety used ("american", "british", or empty when a
// file was named), then every sentence's trimmed original, its transcription
// without slashes (Cyrillic with `transliterate`) and its words.
QString composeJson(const QString& inputText, const std::string& dictionaryPath,
                    const std::string& variety, bool transliterate,
                    const kestrano::TranscriptionEngine& engine = kestrano::TranscriptionEngine());
