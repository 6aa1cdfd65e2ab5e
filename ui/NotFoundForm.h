// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextCursor>

// A word in brackets within its line, as a transcription shows a word that it
// could not transcribe: "(Okafor)", or in Cyrillic "(кафор)". The cursor
// that selects it, brackets included, when `cursor` has its position inside
// one, brackets included, or selects one (or just the word between its
// brackets); a null cursor otherwise.
QTextCursor notFoundFormAt(const QTextCursor& cursor);
