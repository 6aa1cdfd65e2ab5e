#include <QBuffer>
#include <QImageReader>
#include <QResource>
#include <QTest>

namespace {

// The width of each image in a compiled-in file.
QList<int> imageWidths(const QString& path)
{
    QByteArray data = QResource(path).uncompressedData();
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    QList<int> widths;
    for (int image = 0; image < reader.imageCount(); ++image) {
        reader.jumpToImage(image);
        widths << reader.read().width();
    }
    // Qt reads no macOS icons, which hold PNG images one after another.
    qsizetype at = widths.isEmpty() ? data.indexOf("\x89PNG") : -1;
    for (; at >= 0; at = data.indexOf("\x89PNG", at + 1)) {
        widths << QImage::fromData(data.mid(at), "PNG").width();
    }
    return widths;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void compiledIn_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QList<int>>("widths"); // of each image, in order
        QTest::newRow("play") << ":/new/toolbar/Pictures/Play-24.png" << QList<int>{24};
        QTest::newRow("stop") << ":/new/toolbar/Pictures/Stop1.png" << QList<int>{24};
        QTest::newRow("logo") << ":/64.png" << QList<int>{64};
        QTest::newRow("Windows icon") << ":/01.ico" << QList<int>{48, 32, 16, 256, 128, 48, 32, 16};
        QTest::newRow("macOS icon")
            << ":/01.icns" << QList<int>{16, 32, 32, 64, 128, 256, 256, 512, 512, 1024};
        QTest::newRow("toolkit configuration") << ":/qt/etc/qt.conf" << QList<int>();
    }

    void compiledIn()
    {
        QFETCH(QString, path);
        QFETCH(QList<int>, widths);
        QVERIFY(QResource(path).size() > 0);
        QCOMPARE(QResource(path).compressionAlgorithm(), QResource::NoCompression);
        QCOMPARE(imageWidths(path), widths);
    }
};

QTEST_MAIN(TestResources)
#include "TestResources.moc"
