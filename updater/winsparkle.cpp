// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "winsparkle.h"

#include "UpdateChecker.h"
#include "UpdateDialog.h"
#include "UpdaterState.h"

#include <QApplication>
#include <QPointer>

namespace {

using kestrano::updater::UpdateChecker;
using kestrano::updater::UpdateDialog;

// The one updater of the process. The program calls it from the GUI thread
// only, and its Qt objects exist from the first check to the clean-up.
struct Updater
{
    kestrano::updater::UpdaterState state;
    QPointer<UpdateChecker> checker;
    QPointer<UpdateDialog> dialog;
};

Updater& processUpdater()
{
    static Updater instance;
    return instance;
}

void discardCheck()
{
    Updater& current = processUpdater();
    if (current.checker) {
        current.checker->cancel();
    }
    delete current.dialog;
    delete current.checker;
}

void prepareCheck()
{
    Updater& current = processUpdater();
    if (current.checker && current.dialog) {
        return;
    }
    static bool discardRegistered = false;
    if (!discardRegistered) {
        // Widgets must go before the application object does, also when a
        // program forgets the clean-up call.
        qAddPostRoutine(discardCheck);
        discardRegistered = true;
    }
    discardCheck();
    current.checker = new UpdateChecker();
    current.checker->setCurrentVersion(QStringLiteral(KESTRANO_VERSION));
    current.dialog = new UpdateDialog();
    QObject::connect(current.checker, &UpdateChecker::finished, current.dialog,
                     &UpdateDialog::showResult);
    QObject::connect(current.dialog, &UpdateDialog::cancelRequested, current.checker,
                     &UpdateChecker::cancel);
}

} // namespace

namespace kestrano::updater {

UpdaterState updaterState()
{
    return processUpdater().state;
}

} // namespace kestrano::updater

extern "C" {

void win_sparkle_set_appcast_url(const char* url)
{
    processUpdater().state.appcastUrl = url ? url : "";
}

void win_sparkle_init(void)
{
    processUpdater().state.initialized = true;
}

void win_sparkle_check_update_with_ui(void)
{
    Updater& current = processUpdater();
    ++current.state.interactiveChecks;
    if (!current.state.initialized || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return;
    }
    prepareCheck();
    // Asking again while a check runs only brings its window forward.
    if (!current.checker->isChecking()) {
        current.checker->setFeedUrl(QUrl(QString::fromUtf8(current.state.appcastUrl)));
        current.dialog->showChecking();
        current.checker->check();
    }
    // Window managers put a window without a position of its own anywhere,
    // down to the screen's corner with the title bar off it: the window that
    // asked is where the user looks.
    if (const QWidget* asking = QApplication::activeWindow();
        asking && !current.dialog->isVisible()) {
        current.dialog->placeOver(asking);
    }
    current.dialog->show();
    current.dialog->raise();
    current.dialog->activateWindow();
}

void win_sparkle_cleanup(void)
{
    discardCheck();
    processUpdater().state.initialized = false;
}

} // extern "C"
