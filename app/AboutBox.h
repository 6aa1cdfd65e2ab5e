// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace Ui {
class AboutBox;
}

// The program's name, version, rights notice and logo in a small dialog of
// fixed size that asks the platform for a close button only.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
    ~AboutBox() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::AboutBox* ui;
};
