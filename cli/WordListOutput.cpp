// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordListOutput.h"

#include "TranscriptionDocument.h"

QString tabSeparatedField(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        if (unit == u'\t' || unit == u'\n' || unit == u'\r') {
            text[i] = u' ';
        } else if (unit == u'"') {
            // Opening at the start and after a space or an opening bracket.
            const bool opening =
                i == 0 || text[i - 1].isSpace() || text[i - 1] == u'(' || text[i - 1] == u'[';
            text[i] = opening ? QChar(0x201C) : QChar(0x201D);
        }
    }
    return text;
}

QString composeWordList(const QString& inputText, bool transliterate,
                        const kestrano::TranscriptionEngine& engine)
{
    QString list;
    for (QStringView line : QStringView(inputText).split(u'\n')) {
        // The entry is transcribed as it is shown, so a TAB in it separates
        // words as the space that it becomes does.
        const QString entry = tabSeparatedField(line.trimmed().toString());
        if (entry.isEmpty()) {
            continue;
        }
        QString spoken = entry;
        spoken.replace(QChar(0x2019), QChar(u'\''));
        const std::u16string slashed = transcribePiece(engine, spoken, transliterate);
        list += entry;
        list += u'\t';
        list += tabSeparatedField(QString::fromStdU16String(slashed.substr(1, slashed.size() - 2)));
        list += u'\n';
    }
    return list;
}
