// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TranscriptionEngine.h"

#include <QString>

// `text` made safe as one field of a tab-separated line: TABs and line breaks
// become spaces, and straight double quotes become typographic ones, which no
// import program takes for the start of a quoted field.
QString tabSeparatedField(QString text);

// A vocabulary list: every non-blank line of `inputText` is an entry, written
// trimmed and as a tabSeparatedField, a TAB and its transcription without
// slashes (Cyrillic with `transliterate`), one line per entry.
QString
composeWordList(const QString& inputText, bool transliterate,
                const kestrano::TranscriptionEngine& engine = kestrano::TranscriptionEngine());
