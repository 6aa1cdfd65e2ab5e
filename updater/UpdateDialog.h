// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Appcast.h"

#include <QDialog>
#include <QStyle>
#include <QUrl>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kestrano::updater {

// The update check's own window: "Checking" while the feed downloads, then
// up to date, a newer release with buttons to its download and release
// notes, or why the check failed. It is modeless, so the program stays usable.
class UpdateDialog : public QDialog
{
    Q_OBJECT

public:
    enum class State
    {
        Checking,
        UpToDate,
        UpdateAvailable,
        Failed
    };

    explicit UpdateDialog(QWidget* parent = nullptr);

    // Centres the dialog, as it will first show, on `window`'s frame, moved
    // as little as keeps its own frame whole on that window's screen.
    void placeOver(const QWidget* window);

    void showChecking();
    void showResult(const kestrano::updater::UpdateCheckResult& result);

    State state() const { return current; }
    QString heading() const;
    QString details() const;

    void reject() override;

signals:
    // The user closed the dialog or pressed Cancel while the check ran.
    void cancelRequested();

private:
    void setState(State state, QStyle::StandardPixmap icon, const QString& heading,
                  const QString& details);

    State current = State::Checking;
    QLabel* iconLabel;
    QLabel* headingLabel;
    QLabel* detailsLabel;
    QProgressBar* progress;
    QPushButton* downloadButton;
    QPushButton* releaseNotesButton;
    QPushButton* closeButton;
    QUrl downloadUrl;
    QUrl releaseNotesUrl;
};

} // namespace kestrano::updater
