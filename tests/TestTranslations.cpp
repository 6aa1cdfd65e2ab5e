// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Translations.h"

#include <QtTest>

#include <map>

using namespace Qt::StringLiterals;

namespace {

// Each text of a .ts file, named by its context and source, with its
// translation; a text still to be translated has none.
std::map<QString, QString> readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    std::map<QString, QString> texts;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QString comment;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == "message"_L1) {
            source.clear();
            comment.clear();
        } else if (xml.name() == "name"_L1) {
            context = xml.readElementText();
        } else if (xml.name() == "source"_L1) {
            source = xml.readElementText();
        } else if (xml.name() == "comment"_L1) {
            comment = xml.readElementText();
        } else if (xml.name() == "translation"_L1) {
            const bool finished = xml.attributes().value("type"_L1).isEmpty();
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            QString name = u"%1: \"%2\""_s.arg(context, source);
            if (!comment.isEmpty()) {
                name += u" (%1)"_s.arg(comment);
            }
            texts[name] = finished ? translation : QString();
        }
    }
    if (xml.hasError()) {
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    }
    return texts;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    // The very lupdate run that refreshes a .ts file, on a scratch copy of
    // it, must find the same texts, and every one of them translated.
    void tsFilesMatchTheSourcesAndAreTranslated()
    {
        const QStringList arguments = QStringLiteral(KESTRANO_LUPDATE_ARGUMENTS).split(u'|');
        for (const QString& ts : QStringLiteral(KESTRANO_TS_FILES).split(u'|')) {
            QTemporaryDir scratch;
            const QString copy = scratch.filePath(QFileInfo(ts).fileName());
            QVERIFY(QFile::copy(ts, copy));
            QProcess lupdate;
            lupdate.setProcessChannelMode(QProcess::MergedChannels);
            lupdate.start(QStringLiteral(KESTRANO_LUPDATE), arguments + QStringList{"-ts", copy});
            QVERIFY(lupdate.waitForFinished(60000));
            QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

            const std::map<QString, QString> committed = readTs(ts);
            const std::map<QString, QString> current = readTs(copy);
            QStringList problems;
            for (const auto& [text, translation] : current) {
                if (!committed.contains(text)) {
                    problems << u"new in the sources, not in the file: "_s + text;
                }
            }
            for (const auto& [text, translation] : committed) {
                if (!current.contains(text)) {
                    problems << u"in the file, no longer in the sources: "_s + text;
                } else if (translation.isEmpty()) {
                    problems << u"not translated: "_s + text;
                }
            }
            // One line each, since a test's failure message is cut short.
            for (const QString& problem : problems) {
                qWarning().noquote() << problem;
            }
            QVERIFY2(problems.isEmpty(),
                     qPrintable(ts + u" is out of date or incomplete in the texts above. Refresh "
                                     "it with \"cmake --build build --target "
                                     "update_translations\", then translate what it marks as "
                                     "unfinished."_s));
        }
    }

    void firstLanguageWithATranslationWins_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("russian");
        QTest::newRow("Russian") << QStringList{"ru", "ru-Cyrl-RU", "ru-RU"} << true;
        QTest::newRow("Russian in Ukraine") << QStringList{"ru-UA"} << true;
        QTest::newRow("German, then Russian") << QStringList{"de-DE", "de", "ru"} << true;
        QTest::newRow("English, then Russian") << QStringList{"en-GB", "ru"} << false;
        QTest::newRow("German only") << QStringList{"de-DE", "de"} << false;
        QTest::newRow("the C locale") << QStringList{"C"} << false;
        QTest::newRow("none") << QStringList{} << false;
    }

    void firstLanguageWithATranslationWins()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(bool, russian);
        {
            const kestrano::Translations translations(uiLanguages);
            QCOMPARE(translations.language(), russian ? QLocale::Russian : QLocale::English);
            // Our texts and Qt's own ones, from Qt's installation.
            QCOMPARE(QCoreApplication::translate("MainWindow", "File"),
                     russian ? u"Файл"_s : u"File"_s);
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                     russian ? u"Отмена"_s : u"Cancel"_s);
        }
        QCOMPARE(QCoreApplication::translate("MainWindow", "File"), u"File"_s);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
