// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFolder.h"
#include "DesktopIdentity.h"
#include "MainWindow.h"
#include "Translations.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    kestrano::setDesktopIdentity();
    kestrano::enterInstalledDataFolder(
        kestrano::installedDataParent(QCoreApplication::applicationDirPath()));
    // Before the window exists, so that it is built in the user's language.
    const kestrano::Translations translations(QLocale::system().uiLanguages());
    MainWindow window;
    window.show();
    return application.exec();
}
