#include "DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void followsTheInstalledData_data();
    void followsTheInstalledData();

private:
    QTemporaryDir root;
    QString originalDir;
};

void TestDataFolder::init()
{
    originalDir = QDir::currentPath();
}

void TestDataFolder::cleanup()
{
    QDir::setCurrent(originalDir);
}

void TestDataFolder::followsTheInstalledData_data()
{
    QTest::addColumn<QString>("workingFile");   // made under the working directory
    QTest::addColumn<QString>("installedFile"); // made under the installed folder
    QTest::addColumn<bool>("moved");
    QTest::newRow("started from a menu") << ""
                                         << "data/lexora_eng_transcription.txt" << true;
    QTest::newRow("installed without dictionaries") << ""
                                                    << "data/LICENSES" << true;
    QTest::newRow("nothing installed") << ""
                                       << "" << false;
    QTest::newRow("British beside the user") << "data/lexora_eng_transcription.txt"
                                             << "data/lexora_eng_transcription.txt" << false;
    QTest::newRow("American beside the user") << "data/american_transcription-abridged.txt"
                                              << "data/lexora_eng_transcription.txt" << false;
    QTest::newRow("an unrelated data folder beside the user")
        << "data/notes.txt"
        << "data/lexora_eng_transcription.txt" << true;
}

void TestDataFolder::followsTheInstalledData()
{
    QFETCH(QString, workingFile);
    QFETCH(QString, installedFile);
    QFETCH(bool, moved);
    QVERIFY(root.isValid());
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    const QDir working(root.filePath(tag + "/home"));
    const QDir installed(root.filePath(tag + "/usr/share/kestrano"));
    for (const auto& [folder, file] :
         {std::pair{working, workingFile}, {installed, installedFile}}) {
        QVERIFY(QDir().mkpath(folder.path()));
        if (!file.isEmpty()) {
            QVERIFY(folder.mkpath(QFileInfo(file).path()));
            QFile made(folder.filePath(file));
            QVERIFY(made.open(QIODevice::WriteOnly));
        }
    }
    QVERIFY(QDir::setCurrent(working.path()));

    // As the program names it: relative to its own folder.
    QVERIFY(QDir().mkpath(root.filePath(tag + "/usr/bin")));
    const QString fromBin = root.filePath(tag + "/usr/bin/../share/kestrano");
    QCOMPARE(kestrano::enterInstalledDataFolder(fromBin), moved);
    QCOMPARE(QDir::current().canonicalPath(), (moved ? installed : working).canonicalPath());
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "TestDataFolder.moc"
