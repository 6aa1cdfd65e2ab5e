// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace kestrano {

Translations::Translations(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English) {
            return;
        }
        // Compiled into the program, so that it speaks the same language
        // wherever it is started from.
        if (program.load(locale, QStringLiteral("kestrano"), QStringLiteral("_"),
                         QStringLiteral(":/translations"))) {
            chosen = locale;
            break;
        }
    }
    if (program.isEmpty()) {
        return;
    }
    // Qt's own texts come from Qt's installation, where they match the Qt
    // library that runs. Without them Qt's dialogs stay English.
    if (qt.load(chosen, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt);
    }
    QCoreApplication::installTranslator(&program);
}

} // namespace kestrano
