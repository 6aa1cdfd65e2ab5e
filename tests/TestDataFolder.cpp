// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

    void followsTheInstalledData_data()
    {
        QTest::addColumn<QString>("workingFile"); // made under the working directory
        QTest::addColumn<bool>("moved");
        QTest::newRow("started from a menu") << QString() << true;
        QTest::newRow("British here") << u"data/lexora_eng_transcription.txt"_s << false;
        QTest::newRow("American here") << u"data/american_transcription-abridged.txt"_s << false;
        QTest::newRow("other data here") << u"data/notes.txt"_s << true;
    }

    void followsTheInstalledData()
    {
        QFETCH(QString, workingFile);
        QFETCH(bool, moved);
        // The installed data/ need hold no dictionary to be the place to go.
        QTemporaryDir root;
        for (const QString& file : {"home/" + workingFile, u"share/kestrano/data/LICENSES"_s}) {
            QVERIFY(QDir().mkpath(root.filePath(QFileInfo(file).path())));
            QVERIFY(file.endsWith('/') || QFile(root.filePath(file)).open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir().mkpath(root.filePath("bin")) && QDir::setCurrent(root.filePath("home")));
        // As the program names it: relative to its own folder.
        QCOMPARE(kestrano::enterInstalledDataFolder(root.filePath("bin/../share/kestrano")), moved);
        QCOMPARE(QDir::current(), QDir(root.filePath(moved ? "share/kestrano" : "home")));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "TestDataFolder.moc"
