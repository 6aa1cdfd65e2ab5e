// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutBox.h"

#include "ui_aboutbox.h"

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint), ui(new Ui::AboutBox)
{
    ui->setupUi(this);
    setFixedSize(width(), height());
}

AboutBox::~AboutBox()
{
    delete ui;
}

void AboutBox::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
    }
}
