// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Splitting with the toolkit's own regular expression, the reference that
// splitIntoSentences must agree with.
inline QStringList regexSplit(const QString& text)
{
    static const QRegularExpression delimiter(QStringLiteral("([\\.\\?!]\\s+|\n)"));
    QStringList pieces;
    qsizetype start = 0;
    for (const QRegularExpressionMatch& match : delimiter.globalMatch(text)) {
        pieces.append(text.mid(start, match.capturedStart() - start) + match.captured().at(0));
        start = match.capturedEnd();
    }
    pieces.append(text.mid(start));
    return pieces;
}
