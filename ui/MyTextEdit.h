// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextEdit>

// The rich-text output view. A class of its own so that the form names it and
// later behaviour of the view has a home.
class MyTextEdit : public QTextEdit
{
    Q_OBJECT

public:
    explicit MyTextEdit(QWidget* parent = nullptr);
};
