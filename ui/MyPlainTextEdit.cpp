// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MyPlainTextEdit.h"

MyPlainTextEdit::MyPlainTextEdit(QWidget* parent) : QPlainTextEdit(parent) {}
