#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray resource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isPng(const QByteArray& data)
{
    return data.startsWith("\x89PNG\r\n\x1a\n");
}

template <typename T> T little(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<T>(data.constData() + at);
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void storedUncompressed_data();
    void storedUncompressed();
    void pictures_data();
    void pictures();
    void toolkitConfiguration();
    void windowsIconHasItsEightImages();
    void macIconHoldsPngImages();
};

void TestResources::storedUncompressed_data()
{
    QTest::addColumn<QString>("path");
    for (const char* path :
         {":/new/toolbar/Pictures/Play-24.png", ":/new/toolbar/Pictures/Stop1.png", ":/64.png",
          ":/01.ico", ":/01.icns", ":/qt/etc/qt.conf"}) {
        QTest::newRow(path) << QString::fromLatin1(path);
    }
}

void TestResources::storedUncompressed()
{
    QFETCH(QString, path);
    const QResource entry(path);
    QVERIFY(entry.isValid());
    QVERIFY(entry.size() > 0);
    QCOMPARE(entry.compressionAlgorithm(), QResource::NoCompression);
}

void TestResources::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::newRow("play") << ":/new/toolbar/Pictures/Play-24.png" << 24;
    QTest::newRow("stop") << ":/new/toolbar/Pictures/Stop1.png" << 24;
    QTest::newRow("logo") << ":/64.png" << 64;
}

void TestResources::pictures()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    const QImage image(path);
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // a transparent corner
}

void TestResources::toolkitConfiguration()
{
    const QList<QByteArray> lines = resource(":/qt/etc/qt.conf").trimmed().split('\n');
    QCOMPARE(lines, QList<QByteArray>({"[Platforms]", "WindowsArguments = dpiawareness=2"}));
}

void TestResources::windowsIconHasItsEightImages()
{
    const QByteArray ico = resource(":/01.ico");
    QCOMPARE(little<quint16>(ico, 0), quint16(0)); // reserved
    QCOMPARE(little<quint16>(ico, 2), quint16(1)); // an icon, not a cursor
    QCOMPARE(little<quint16>(ico, 4), quint16(8));

    const std::pair<int, int> expected[] = {{48, 8},   {32, 8},  {16, 8},  {256, 32},
                                            {128, 32}, {48, 32}, {32, 32}, {16, 32}};
    qsizetype end = 6 + 8 * 16;
    for (int i = 0; i < 8; ++i) {
        const qsizetype entry = 6 + i * 16;
        const auto [size, bits] = expected[i];
        const int width = quint8(ico[entry]) == 0 ? 256 : quint8(ico[entry]);
        const int height = quint8(ico[entry + 1]) == 0 ? 256 : quint8(ico[entry + 1]);
        QCOMPARE(width, size);
        QCOMPARE(height, size);
        QCOMPARE(little<quint16>(ico, entry + 6), quint16(bits));
        const quint32 length = little<quint32>(ico, entry + 8);
        const quint32 offset = little<quint32>(ico, entry + 12);
        QCOMPARE(qsizetype(offset), end); // images follow each other without gaps
        end = offset + length;
        QVERIFY(end <= ico.size());

        const QByteArray image = ico.mid(offset, length);
        if (isPng(image)) {
            QCOMPARE(QImage::fromData(image, "PNG").size(), QSize(size, size));
            continue;
        }
        // A device-independent bitmap whose height counts the mask too.
        QCOMPARE(little<quint32>(image, 0), quint32(40));
        QCOMPARE(little<qint32>(image, 4), size);
        QCOMPARE(little<qint32>(image, 8), 2 * size);
        QCOMPARE(little<quint16>(image, 14), quint16(bits));
        const qsizetype palette = bits == 8 ? 256 * 4 : 0;
        const qsizetype colourRow = (size * bits / 8 + 3) / 4 * 4;
        const qsizetype maskRow = (size + 31) / 32 * 4;
        QCOMPARE(image.size(), 40 + palette + size * (colourRow + maskRow));
    }
    QCOMPARE(end, ico.size());

    // The toolkit's own reader finds the same images.
    QBuffer buffer;
    buffer.setData(ico);
    QImageReader reader(&buffer, "ico");
    QCOMPARE(reader.imageCount(), 8);
    for (int i = 0; i < 8; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QCOMPARE(image.width(), expected[i].first);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
}

void TestResources::macIconHoldsPngImages()
{
    const QByteArray icns = resource(":/01.icns");
    QVERIFY(icns.startsWith("icns"));
    QCOMPARE(qsizetype(qFromBigEndian<quint32>(icns.constData() + 4)), icns.size());

    const QHash<QByteArray, int> sizes = {
        {"icp4", 16},  {"icp5", 32},  {"ic11", 32},  {"ic12", 64},  {"ic07", 128},
        {"ic13", 256}, {"ic08", 256}, {"ic14", 512}, {"ic09", 512}, {"ic10", 1024},
    };
    QSet<QByteArray> found;
    for (qsizetype at = 8; at < icns.size();) {
        const QByteArray type = icns.mid(at, 4);
        const quint32 length = qFromBigEndian<quint32>(icns.constData() + at + 4);
        QVERIFY(length > 8 && at + length <= icns.size());
        QVERIFY2(sizes.contains(type), type.constData());
        const QByteArray png = icns.mid(at + 8, length - 8);
        QVERIFY(isPng(png));
        QCOMPARE(QImage::fromData(png, "PNG").size(), QSize(sizes[type], sizes[type]));
        found.insert(type);
        at += length;
    }
    QCOMPARE(found.size(), sizes.size());
}

QTEST_MAIN(TestResources)
#include "TestResources.moc"
