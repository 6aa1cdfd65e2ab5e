// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextEdit>

#include <functional>

// The rich-text output view. Its context menu is Qt's own, with one entry
// more on a word in its not-found form: "Guess the pronunciation", which
// replaces the bracketed word by its bracketed guess.
class MyTextEdit : public QTextEdit
{
    Q_OBJECT

public:
    explicit MyTextEdit(QWidget* parent = nullptr);

    // `wordOf` names the word that a not-found form (brackets included)
    // stands for, or gives "" when it stands for none that can be guessed;
    // the entry is offered only for a word. `guessFor` gives what replaces
    // the form, or "" to leave it as it is.
    void setPronunciationGuessing(std::function<QString(const QString& form)> wordOf,
                                  std::function<QString(const QString& word)> guessFor);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::function<QString(const QString&)> wordOf_;
    std::function<QString(const QString&)> guessFor_;
};
