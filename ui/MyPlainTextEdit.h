// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>

// The HTML source view. A class of its own so that the form names it and
// later behaviour of the view has a home.
class MyPlainTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MyPlainTextEdit(QWidget* parent = nullptr);
};
