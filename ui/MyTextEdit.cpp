// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MyTextEdit.h"

MyTextEdit::MyTextEdit(QWidget* parent) : QTextEdit(parent) {}
