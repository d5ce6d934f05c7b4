#include <ZelDip/ZelDIP.h>
#include <ZelDip/ZelImage.h>

#include <QDataStream>
#include <QRandomGenerator>
#include <QTest>

#include <cstring>

namespace {

// A deterministic pattern that fills every pixel bit, padding excluded.
QImage patterned(int width, int height, QImage::Format format, quint32 seed)
{
    QImage image(width, height, format);
    QRandomGenerator random(seed);
    if (format == QImage::Format_Mono || format == QImage::Format_MonoLSB)
        image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    else if (format == QImage::Format_Indexed8)
        image.setColorTable({qRgb(10, 20, 30), qRgba(200, 100, 50, 60), qRgb(0, 255, 0)});
    const int bytes = (width * image.depth() + 7) / 8;
    for (int y = 0; y < height; ++y) {
        uchar *line = image.scanLine(y);
        for (int i = 0; i < bytes; ++i)
            line[i] = uchar(random.bounded(256));
        if (format == QImage::Format_Indexed8) {
            for (int i = 0; i < bytes; ++i)
                line[i] %= 3;
        }
    }
    if (format == QImage::Format_ARGB32_Premultiplied) {
        // Keep it valid premultiplied data: no channel above alpha.
        for (int y = 0; y < height; ++y) {
            auto *px = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const int a = qAlpha(px[x]);
                px[x] = qRgba(qRed(px[x]) % (a + 1), qGreen(px[x]) % (a + 1), qBlue(px[x]) % (a + 1), a);
            }
        }
    }
    return image;
}

bool sameBytes(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    const int bytes = (a.width() * a.depth() + 7) / 8;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(bytes)) != 0)
            return false;
    }
    return true;
}

QByteArray serialized(const ZelImage &image)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << image;
    return bytes;
}

} // namespace

class TestZelDip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // First: must see the library's own registration.
    void metaTypeRegisteredByLibrary();

    void nullImage();
    void fromQImage_data();
    void fromQImage();
    void equality_data();
    void equality();
    void valueSemantics();
    void dataStreamRoundTrip_data();
    void dataStreamRoundTrip();
    void dataStreamRejectsBadInput_data();
    void dataStreamRejectsBadInput();
    void variantRoundTrip();
};

void TestZelDip::metaTypeRegisteredByLibrary()
{
    const QMetaType type = QMetaType::fromName("ZelImage");
    QVERIFY(type.isValid());
    QCOMPARE(type, QMetaType::fromType<ZelImage>());
}

void TestZelDip::nullImage()
{
    const ZelImage empty;
    QVERIFY(empty.isNull());
    QCOMPARE(empty.size(), QSize(0, 0));
    QCOMPARE(empty.format(), QImage::Format_Invalid);
    QVERIFY(empty.toQImage().isNull());

    const ZelImage converted = ZelDIP::fromQImage(QImage());
    QVERIFY(converted.isNull());
    QCOMPARE(converted, empty);
}

void TestZelDip::fromQImage_data()
{
    QTest::addColumn<QImage>("input");
    QTest::addColumn<int>("expectedFormat");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QRgb>>("colors");

    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
    indexed.setPixel(0, 0, 1);
    indexed.setPixel(1, 0, 0);
    QTest::newRow("indexed") << indexed << int(QImage::Format_RGB32) << QList<QPoint>{{0, 0}, {1, 0}}
                             << QList<QRgb>{qRgb(0, 0, 255), qRgb(255, 0, 0)};

    QImage indexedAlpha(2, 1, QImage::Format_Indexed8);
    indexedAlpha.setColorTable({qRgba(255, 0, 0, 128), qRgba(0, 0, 0, 0)});
    indexedAlpha.setPixel(0, 0, 0);
    indexedAlpha.setPixel(1, 0, 1);
    QTest::newRow("indexed with alpha") << indexedAlpha << int(QImage::Format_ARGB32_Premultiplied)
                                        << QList<QPoint>{{0, 0}, {1, 0}}
                                        << QList<QRgb>{qRgba(255, 0, 0, 128), qRgba(0, 0, 0, 0)};

    QImage mono(9, 1, QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mono.fill(0);
    mono.setPixel(8, 0, 1);
    QTest::newRow("mono") << mono << int(QImage::Format_RGB32) << QList<QPoint>{{0, 0}, {8, 0}}
                          << QList<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0)};

    QImage gray(3, 1, QImage::Format_Grayscale8);
    gray.scanLine(0)[0] = 0;
    gray.scanLine(0)[1] = 100;
    gray.scanLine(0)[2] = 255;
    QTest::newRow("grayscale") << gray << int(QImage::Format_RGB32) << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}}
                               << QList<QRgb>{qRgb(0, 0, 0), qRgb(100, 100, 100), qRgb(255, 255, 255)};

    QImage rgb888(3, 1, QImage::Format_RGB888);
    rgb888.setPixel(0, 0, qRgb(1, 2, 3));
    rgb888.setPixel(2, 0, qRgb(250, 128, 7));
    QTest::newRow("rgb888") << rgb888 << int(QImage::Format_RGB32) << QList<QPoint>{{0, 0}, {2, 0}}
                            << QList<QRgb>{qRgb(1, 2, 3), qRgb(250, 128, 7)};

    QImage argb(2, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(255, 0, 0, 128));
    argb.setPixel(1, 0, qRgba(0, 255, 0, 255));
    QTest::newRow("argb") << argb << int(QImage::Format_ARGB32_Premultiplied) << QList<QPoint>{{0, 0}, {1, 0}}
                          << QList<QRgb>{qRgba(255, 0, 0, 128), qRgb(0, 255, 0)};
}

void TestZelDip::fromQImage()
{
    QFETCH(QImage, input);
    QFETCH(int, expectedFormat);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QRgb>, colors);

    const ZelImage image = ZelDIP::fromQImage(input);
    QVERIFY(!image.isNull());
    QCOMPARE(int(image.format()), expectedFormat);
    QCOMPARE(image.size(), input.size());
    const QImage result = image.toQImage();
    for (int i = 0; i < points.size(); ++i)
        QCOMPARE(result.pixelColor(points.at(i)).rgba(), colors.at(i)); // unpremultiplied

    // Already canonical images come out unchanged.
    QCOMPARE(ZelDIP::fromQImage(result), image);
}

void TestZelDip::equality_data()
{
    QTest::addColumn<ZelImage>("a");
    QTest::addColumn<ZelImage>("b");
    QTest::addColumn<bool>("equal");

    const QImage base = patterned(7, 5, QImage::Format_RGB32, 1);

    QTest::newRow("separate equal copy") << ZelImage(base) << ZelImage(base.copy()) << true;

    QImage first = base.copy();
    first.setPixel(0, 0, base.pixel(0, 0) ^ 0x000001);
    QTest::newRow("first pixel") << ZelImage(base) << ZelImage(first) << false;

    QImage last = base.copy();
    last.setPixel(6, 4, base.pixel(6, 4) ^ 0x010000);
    QTest::newRow("last pixel") << ZelImage(base) << ZelImage(last) << false;

    QImage unusedByte = base.copy();
    reinterpret_cast<QRgb *>(unusedByte.scanLine(2))[3] ^= 0xff000000;
    QTest::newRow("only the unused byte of RGB32") << ZelImage(base) << ZelImage(unusedByte) << true;

    QTest::newRow("same colours, other format")
        << ZelImage(base) << ZelImage(base.convertToFormat(QImage::Format_ARGB32)) << false;
    QTest::newRow("other size") << ZelImage(base) << ZelImage(base.copy(0, 0, 7, 4)) << false;
    QTest::newRow("null and null") << ZelImage() << ZelImage(QImage()) << true;
    QTest::newRow("null and image") << ZelImage() << ZelImage(base) << false;

    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 1, 1), qRgb(2, 2, 2)});
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(1, 0, 1);
    QImage reordered(2, 1, QImage::Format_Indexed8);
    reordered.setColorTable({qRgb(2, 2, 2), qRgb(1, 1, 1)});
    reordered.setPixel(0, 0, 1);
    reordered.setPixel(1, 0, 0);
    QTest::newRow("indexed, same colours through another table") << ZelImage(indexed) << ZelImage(reordered) << true;
    QImage recoloured = indexed.copy();
    recoloured.setColor(1, qRgb(3, 3, 3));
    QTest::newRow("indexed, one colour changed") << ZelImage(indexed) << ZelImage(recoloured) << false;
}

void TestZelDip::equality()
{
    QFETCH(ZelImage, a);
    QFETCH(ZelImage, b);
    QFETCH(bool, equal);
    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
    QCOMPARE(a != b, !equal);
}

void TestZelDip::valueSemantics()
{
    const ZelImage image = ZelDIP::fromQImage(patterned(4, 4, QImage::Format_RGB32, 2));
    const ZelImage copy = image;

    // Editing the QImage handed out must not reach into the values.
    QImage edited = image.toQImage();
    edited.setPixel(1, 1, ~edited.pixel(1, 1));
    QCOMPARE(copy, image);
    QVERIFY(ZelImage(edited) != image);
    QVERIFY(image.toQImage().pixel(1, 1) != edited.pixel(1, 1));
}

void TestZelDip::dataStreamRoundTrip_data()
{
    QTest::addColumn<QImage>("image");

    QTest::newRow("null") << QImage();
    QTest::newRow("rgb32") << patterned(17, 9, QImage::Format_RGB32, 3);
    QTest::newRow("premultiplied, low alpha") << patterned(5, 6, QImage::Format_ARGB32_Premultiplied, 4);
    QTest::newRow("indexed") << patterned(11, 3, QImage::Format_Indexed8, 5);
    QTest::newRow("mono, odd width") << patterned(13, 4, QImage::Format_Mono, 6);
    QTest::newRow("rgb888, padded lines") << patterned(3, 3, QImage::Format_RGB888, 7);
    QTest::newRow("grayscale 16") << patterned(6, 2, QImage::Format_Grayscale16, 8);
    QImage hiDpi = patterned(4, 4, QImage::Format_RGB32, 9);
    hiDpi.setDevicePixelRatio(2.0);
    QTest::newRow("device pixel ratio") << hiDpi;
}

void TestZelDip::dataStreamRoundTrip()
{
    QFETCH(QImage, image);

    const ZelImage original(image);
    QDataStream in(serialized(original));
    ZelImage read = ZelDIP::fromQImage(patterned(2, 2, QImage::Format_RGB32, 10)); // overwritten
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QCOMPARE(read, original);
    QCOMPARE(read.isNull(), image.isNull());
    // Exact bytes, unused ones included, and what QImage itself carries.
    QVERIFY(sameBytes(read.toQImage(), image));
    QCOMPARE(read.toQImage().colorTable(), image.colorTable());
    QCOMPARE(read.toQImage().devicePixelRatio(), image.isNull() ? 1.0 : image.devicePixelRatio());
}

void TestZelDip::dataStreamRejectsBadInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expectedStatus");

    QByteArray truncated = serialized(ZelImage(patterned(8, 8, QImage::Format_RGB32, 11)));
    truncated.chop(5);
    QTest::newRow("truncated pixels") << truncated << int(QDataStream::ReadPastEnd);

    const auto header = [](quint8 version, qint32 format, qint32 width, qint32 height) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << version << format << width << height << qreal(1.0) << QList<QRgb>();
        return bytes;
    };
    QTest::newRow("unknown version") << header(2, QImage::Format_RGB32, 1, 1) << int(QDataStream::ReadCorruptData);
    QTest::newRow("unknown format") << header(1, 999, 1, 1) << int(QDataStream::ReadCorruptData);
    QTest::newRow("negative width") << header(1, QImage::Format_RGB32, -4, 1) << int(QDataStream::ReadCorruptData);
    QTest::newRow("no pixels after header") << header(1, QImage::Format_RGB32, 2, 2) << int(QDataStream::ReadPastEnd);
}

void TestZelDip::dataStreamRejectsBadInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expectedStatus);

    QDataStream in(bytes);
    ZelImage read = ZelDIP::fromQImage(patterned(2, 2, QImage::Format_RGB32, 12));
    in >> read;
    QCOMPARE(int(in.status()), expectedStatus);
    QVERIFY(read.isNull());
}

void TestZelDip::variantRoundTrip()
{
    const ZelImage image = ZelDIP::fromQImage(patterned(5, 5, QImage::Format_ARGB32, 13));
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << QVariant::fromValue(image);
    }
    QVariant read;
    QDataStream in(bytes);
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read.metaType().name(), "ZelImage");
    QCOMPARE(read.value<ZelImage>(), image);
}

QTEST_MAIN(TestZelDip)
#include "tst_zeldip.moc"
