// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace kestrano {

// The program's own texts and Qt's dialogs in the user's language, installed
// in the application for as long as this object lives. English is the
// language the program is written in and needs no translation.
class Translations
{
public:
    // Takes the first of `uiLanguages` (most preferred first, as
    // QLocale::uiLanguages() gives them) that is English or that the program
    // is translated into, so that someone who prefers English to Russian
    // gets English, and someone who prefers German to Russian gets Russian.
    explicit Translations(const QStringList& uiLanguages);

    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // English when none of the languages asked for has a translation.
    QLocale::Language language() const { return chosen.language(); }

private:
    QLocale chosen{QLocale::English};
    // A QTranslator takes itself out of the application when destroyed.
    QTranslator program;
    QTranslator qt;
};

} // namespace kestrano
