// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UpdateDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace kestrano::updater {

namespace {

constexpr int iconSize = 48;
// Wide enough that an error message wraps into a few lines, not a column.
constexpr int detailsWidth = 340;

} // namespace

UpdateDialog::UpdateDialog(QWidget* parent)
    : QDialog(parent), iconLabel(new QLabel(this)), headingLabel(new QLabel(this)),
      detailsLabel(new QLabel(this)), progress(new QProgressBar(this)),
      downloadButton(new QPushButton(tr("Download"), this)),
      releaseNotesButton(new QPushButton(tr("Release Notes"), this)),
      closeButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("UpdateDialog"));
    setWindowTitle(tr("Software Update"));
    setModal(false);
    // A check left open must not keep the program running once its main
    // window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    iconLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    headingLabel->setObjectName(QStringLiteral("heading"));
    QFont headingFont = headingLabel->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    headingLabel->setFont(headingFont);
    detailsLabel->setObjectName(QStringLiteral("details"));
    detailsLabel->setWordWrap(true);
    detailsLabel->setMinimumWidth(detailsWidth);
    detailsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    progress->setObjectName(QStringLiteral("progress"));
    progress->setRange(0, 0); // no size is known in advance: a busy bar
    progress->setTextVisible(false);

    downloadButton->setObjectName(QStringLiteral("downloadButton"));
    releaseNotesButton->setObjectName(QStringLiteral("releaseNotesButton"));
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(closeButton, &QPushButton::clicked, this, &UpdateDialog::reject);
    connect(downloadButton, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(downloadUrl);
        accept();
    });
    connect(releaseNotesButton, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(releaseNotesUrl); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(iconLabel, 0, 0, 3, 1);
    layout->addWidget(headingLabel, 0, 1);
    layout->addWidget(detailsLabel, 1, 1);
    layout->addWidget(progress, 2, 1);
    // A row of plain buttons rather than a button box, which shows hidden
    // buttons again whenever it lays itself out.
    auto* buttonRow = new QHBoxLayout();
    buttonRow->addWidget(downloadButton);
    buttonRow->addWidget(releaseNotesButton);
    buttonRow->addStretch(1);
    buttonRow->addWidget(closeButton);
    layout->addLayout(buttonRow, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showChecking();
}

void UpdateDialog::placeOver(const QWidget* window)
{
    adjustSize();
    // Before its first showing the dialog has no frame yet; the window's
    // own frame is the best guess of the one it will get.
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    const QMargins decoration(inside.left() - frame.left(), inside.top() - frame.top(),
                              frame.right() - inside.right(), frame.bottom() - inside.bottom());
    QRect placed(QPoint(), size().grownBy(decoration));
    placed.moveCenter(frame.center());
    // Whole on the screen, the title bar above all, so that it can be moved.
    const QRect screen = window->screen()->availableGeometry();
    placed.moveLeft(
        std::max(screen.left(), std::min(placed.left(), screen.right() - placed.width() + 1)));
    placed.moveTop(
        std::max(screen.top(), std::min(placed.top(), screen.bottom() - placed.height() + 1)));
    move(placed.topLeft());
}

void UpdateDialog::showChecking()
{
    downloadUrl.clear();
    releaseNotesUrl.clear();
    setState(State::Checking, QStyle::SP_BrowserReload, tr("Checking for updates…"),
             tr("Looking for a newer version of %1.").arg(QCoreApplication::applicationName()));
}

void UpdateDialog::showResult(const UpdateCheckResult& result)
{
    const QString application = QCoreApplication::applicationName();
    downloadUrl.clear();
    releaseNotesUrl.clear();
    switch (result.outcome) {
    case UpdateCheckResult::Outcome::UpToDate:
        setState(
            State::UpToDate, QStyle::SP_MessageBoxInformation, tr("You're up to date."),
            tr("%1 %2 is the newest version available.").arg(application, result.currentVersion));
        break;
    case UpdateCheckResult::Outcome::UpdateAvailable: {
        downloadUrl = result.newest.downloadUrl;
        releaseNotesUrl = result.newest.releaseNotesUrl;
        QString details =
            tr("%1 %2 is now available; you have %3.")
                .arg(application, result.newest.displayVersion, result.currentVersion);
        if (downloadUrl.isEmpty() && releaseNotesUrl.isEmpty()) {
            details += QLatin1Char(' ') + tr("The update feed gives no address to get it from.");
        }
        setState(State::UpdateAvailable, QStyle::SP_MessageBoxInformation,
                 tr("A new version of %1 is available.").arg(application), details);
        break;
    }
    case UpdateCheckResult::Outcome::Failed:
        setState(State::Failed, QStyle::SP_MessageBoxWarning, tr("The update check failed."),
                 result.failure);
        break;
    }
}

QString UpdateDialog::heading() const
{
    return headingLabel->text();
}

QString UpdateDialog::details() const
{
    return detailsLabel->text();
}

void UpdateDialog::reject()
{
    if (current == State::Checking) {
        emit cancelRequested();
    }
    QDialog::reject();
}

void UpdateDialog::setState(State state, QStyle::StandardPixmap icon, const QString& heading,
                            const QString& details)
{
    current = state;
    iconLabel->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(iconSize, iconSize));
    headingLabel->setText(heading);
    detailsLabel->setText(details);
    const bool checking = state == State::Checking;
    progress->setVisible(checking);
    closeButton->setText(checking ? tr("Cancel") : tr("Close"));
    downloadButton->setVisible(!downloadUrl.isEmpty());
    releaseNotesButton->setVisible(!releaseNotesUrl.isEmpty());
    QPushButton* preferred = !downloadUrl.isEmpty() ? downloadButton : closeButton;
    preferred->setDefault(true);
    preferred->setFocus();
}

} // namespace kestrano::updater
