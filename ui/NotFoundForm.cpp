// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NotFoundForm.h"

#include <QTextBlock>

namespace {

// What a not-found form can hold between its brackets: the letters, digits
// and apostrophes that the sentence normaliser keeps, or what the Cyrillic
// transliteration makes of them.
bool belongsToWord(QChar unit)
{
    return unit.isLetterOrNumber() || unit == u'\'';
}

} // namespace

QTextCursor notFoundFormAt(const QTextCursor& cursor)
{
    if (cursor.isNull()) {
        return {};
    }
    const QTextBlock block = cursor.block();
    const QString text = block.text();
    const int start = cursor.selectionStart() - block.position();
    const int end = cursor.selectionEnd() - block.position();
    if (start < 0 || end > text.size()) {
        return {}; // a selection across paragraphs is no word
    }
    // A caret right after the ")" still touches the form.
    const int from = start == end && start > 0 && text[start - 1] == u')' ? start - 1 : start;
    int open = from;
    if (open == text.size() || text[open] != u'(') {
        while (open > 0 && belongsToWord(text[open - 1])) {
            --open;
        }
        if (open == 0 || text[open - 1] != u'(') {
            return {};
        }
        --open;
    }
    int close = open + 1;
    while (close < text.size() && belongsToWord(text[close])) {
        ++close;
    }
    if (close == text.size() || text[close] != u')' || close == open + 1 || end > close + 1) {
        return {};
    }
    QTextCursor form(cursor.document());
    form.setPosition(block.position() + open);
    form.setPosition(block.position() + close + 1, QTextCursor::KeepAnchor);
    return form;
}
