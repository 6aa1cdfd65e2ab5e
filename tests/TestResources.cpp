// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TableData.h"

#include <QImage>
#include <QResource>
#include <QTest>

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    // Each row: a file compiled into the program, how it begins and, where Qt
    // reads it as an image, the width of its (first) image.
    void compiledIn()
    {
        for (const TableRow& row : readTable("resources.tsv")) {
            const QResource resource(QString::fromStdString(row[0]));
            QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
            const QByteArray data = resource.uncompressedData();
            QVERIFY2(data.startsWith(QByteArray::fromStdString(row[1])), row[0].c_str());
            if (row.size() > 2) {
                QCOMPARE(QImage::fromData(data).width(), std::stoi(row[2]));
            }
        }
        // On Windows, the toolkit reads its DPI awareness here.
        QCOMPARE(QResource(":/qt/etc/qt.conf").uncompressedData(),
                 "[Platforms]\nWindowsArguments = dpiawareness=2\n");
    }
};

QTEST_MAIN(TestResources)
#include "TestResources.moc"
