// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SentenceSplitter.h"

namespace {

// \s of the pattern, which the toolkit's regular expressions read as ASCII
// whitespace only (no-break space and the Unicode separators do not cut).
bool isAsciiSpace(QChar c)
{
    switch (c.unicode()) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
        return true;
    default:
        return false;
    }
}

bool isSentenceMark(QChar c)
{
    return c == u'.' || c == u'?' || c == u'!';
}

} // namespace

QStringList splitIntoSentences(const QString& text)
{
    // A hand-written scan rather than QString::split with the pattern: it
    // cuts at exactly the same places, and a long text costs one pass.
    QStringList pieces;
    const qsizetype length = text.size();
    qsizetype pieceStart = 0;
    qsizetype i = 0;
    while (i < length) {
        const QChar c = text[i];
        qsizetype delimiterEnd = i;
        if (isSentenceMark(c) && i + 1 < length && isAsciiSpace(text[i + 1])) {
            delimiterEnd = i + 2;
            while (delimiterEnd < length && isAsciiSpace(text[delimiterEnd])) {
                ++delimiterEnd;
            }
        } else if (c == u'\n') {
            delimiterEnd = i + 1;
        } else {
            ++i;
            continue;
        }
        QString piece = text.mid(pieceStart, i - pieceStart);
        piece += c;
        pieces.append(std::move(piece));
        pieceStart = i = delimiterEnd;
    }
    pieces.append(text.mid(pieceStart));
    return pieces;
}
