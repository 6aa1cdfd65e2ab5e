// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Cuts text where the pattern ([\.\?!]\s+|\n) matches: a sentence mark
// followed by a run of ASCII whitespace, or a bare line feed. Empty pieces are
// kept, and every piece but the last gets the first character of the
// delimiter that ended it ("." "?" "!" or a line feed); the delimiter's
// whitespace is dropped.
QStringList splitIntoSentences(const QString& text);
