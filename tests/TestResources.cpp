// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <QResource>
#include <QTest>

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void compiledIn_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("start"); // how the file begins
        QTest::addColumn<int>("width");        // of its (first) image, where Qt reads one
        const QByteArray png = "\x89PNG";
        QTest::newRow("play") << ":/new/toolbar/Pictures/Play-24.png" << png << 24;
        QTest::newRow("stop") << ":/new/toolbar/Pictures/Stop1.png" << png << 24;
        QTest::newRow("logo") << ":/64.png" << png << 64;
        QTest::newRow("Windows icon") << ":/01.ico" << QByteArray("\0\0\1\0", 4) << 48;
        QTest::newRow("macOS icon") << ":/01.icns" << QByteArray("icns") << 0;
        QTest::newRow("qt.conf") << ":/qt/etc/qt.conf" << QByteArray("[Platforms]") << 0;
    }

    void compiledIn()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, start);
        QFETCH(int, width);
        const QResource resource(path);
        QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
        QVERIFY(resource.uncompressedData().startsWith(start));
        if (width > 0) {
            QCOMPARE(QImage::fromData(resource.uncompressedData()).width(), width);
        }
    }
};

QTEST_MAIN(TestResources)
#include "TestResources.moc"
