// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Translations.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    // The very lupdate run that refreshes a .ts file, on a scratch copy of
    // it, must leave it as it is, with no text in it still to be translated.
    void tsFilesMatchTheSourcesAndAreTranslated()
    {
        const QStringList arguments = QStringLiteral(KESTRANO_LUPDATE_ARGUMENTS).split(u'|');
        for (const QString& ts : QStringLiteral(KESTRANO_TS_FILES).split(u'|')) {
            QTemporaryDir scratch;
            const QString copy = scratch.filePath(QFileInfo(ts).fileName());
            QVERIFY(QFile::copy(ts, copy));
            QProcess lupdate;
            lupdate.start(QStringLiteral(KESTRANO_LUPDATE), arguments + QStringList{"-ts", copy});
            QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
            QFile file(ts);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray committed = file.readAll();
            // diff writes what lupdate changed into the test's output.
            QVERIFY2(QProcess::execute(u"diff"_s, {u"-u"_s, ts, copy}) == 0 &&
                         !committed.contains("type=\"unfinished\"") &&
                         !committed.contains("<translation></translation>"),
                     qPrintable(ts + u" is out of date or incomplete. Refresh it with \"cmake "
                                     "--build build --target update_translations\", then "
                                     "translate what it marks as unfinished."_s));
        }
    }

    void firstLanguageWithATranslationWins()
    {
        // The languages asked for, most preferred first: Russian is taken for
        // the first three, English for the others.
        const QString asked[] = {
            "ru ru-Cyrl-RU ru-RU", "ru-UA", "de-DE de ru", "en-GB ru", "de-DE de", "C", ""};
        for (const QString& uiLanguages : asked) {
            const bool russian = &uiLanguages < asked + 3;
            {
                const kestrano::Translations translations(
                    uiLanguages.split(u' ', Qt::SkipEmptyParts));
                QCOMPARE(translations.language(), russian ? QLocale::Russian : QLocale::English);
                // Our texts and Qt's own ones, from Qt's installation.
                QCOMPARE(QCoreApplication::translate("MainWindow", "File"),
                         russian ? u"Файл"_s : u"File"_s);
                QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                         russian ? u"Отмена"_s : u"Cancel"_s);
            }
            QCOMPARE(QCoreApplication::translate("MainWindow", "File"), u"File"_s);
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
