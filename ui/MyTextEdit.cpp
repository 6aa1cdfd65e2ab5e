// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MyTextEdit.h"

#include "NotFoundForm.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>

#include <memory>

MyTextEdit::MyTextEdit(QWidget* parent) : QTextEdit(parent) {}

void MyTextEdit::setPronunciationGuessing(std::function<QString(const QString&)> wordOf,
                                          std::function<QString(const QString&)> guessFor)
{
    wordOf_ = std::move(wordOf);
    guessFor_ = std::move(guessFor);
}

void MyTextEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // Qt's own menu, made as QTextEdit makes it, for the document position.
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos() + scrolled));
    // The word that was clicked, unless the click fell into the selection;
    // from the keyboard, the selection or the word at the caret.
    QTextCursor target = textCursor();
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QTextCursor clicked = cursorForPosition(event->pos());
        if (clicked.position() < target.selectionStart() ||
            clicked.position() > target.selectionEnd()) {
            target = clicked;
        }
    }
    const QTextCursor form = notFoundFormAt(target);
    const QString word = form.isNull() || !wordOf_ ? QString() : wordOf_(form.selectedText());
    if (!word.isEmpty() && guessFor_ && !isReadOnly()) {
        QAction* first = menu->actions().value(0);
        QAction* guess = new QAction(tr("Guess the pronunciation"), menu.get());
        guess->setObjectName(QStringLiteral("actionGuessPronunciation"));
        menu->insertAction(first, guess);
        menu->insertSeparator(first);
        connect(guess, &QAction::triggered, this, [this, form, word] {
            const QString replacement = guessFor_(word);
            if (replacement.isEmpty()) {
                return;
            }
            // One undo step, as a symbol typed from the keyboard is.
            QTextCursor edit = form;
            edit.beginEditBlock();
            edit.insertText(replacement);
            edit.endEditBlock();
        });
    }
    menu->exec(event->globalPos());
}
