#include <ZelDip/ZelDIP.h>
#include <ZelDip/ZelImage.h>

#include "zelstream_testhelpers.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cstring>

namespace {

// A deterministic pattern in every pixel bit (padding excluded); indexed
// formats get a random colour for every index.
QImage patterned(int width, int height, QImage::Format format, quint32 seed)
{
    QRandomGenerator random(seed);
    const bool premultiplied = format == QImage::Format_ARGB32_Premultiplied;
    QImage image(width, height, premultiplied ? QImage::Format_ARGB32 : format);
    if (format <= QImage::Format_Indexed8) {
        QList<QRgb> table(1 << image.depth());
        for (QRgb &colour : table)
            colour = random.generate();
        image.setColorTable(table);
    }
    for (int y = 0; y < height; ++y) {
        for (int i = 0; i < (width * image.depth() + 7) / 8; ++i)
            image.scanLine(y)[i] = uchar(random.generate());
    }
    return premultiplied ? image.convertToFormat(format) : image; // valid premultiplied data
}

bool sameBytes(const QImage &a, const QImage &b)
{
    bool same = a.size() == b.size() && a.format() == b.format();
    for (int y = 0; same && y < a.height(); ++y)
        same = std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t((a.width() * a.depth() + 7) / 8)) == 0;
    return same;
}

// One row of pixels of the given colours, converted to format.
QImage pixelRow(QImage::Format format, const QList<QRgb> &colours)
{
    const bool opaque = std::all_of(colours.cbegin(), colours.cend(), [](QRgb c) { return qAlpha(c) == 255; });
    QImage image(int(colours.size()), 1, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    for (int x = 0; x < colours.size(); ++x)
        image.setPixel(x, 0, colours.at(x));
    return image.convertToFormat(format);
}

} // namespace

class TestZelDip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // First: must see the library's own registration.
    void metaTypeRegisteredByLibrary();

    void fromQImage_data();
    void fromQImage();
    void equality_data();
    void equality();
    void valueSemantics();
    void dataStreamRoundTrip_data();
    void dataStreamRoundTrip();
    void dataStreamRejectsBadInput_data();
    void dataStreamRejectsBadInput();
};

void TestZelDip::metaTypeRegisteredByLibrary()
{
    QVERIFY(QMetaType::fromName("ZelImage").isValid());
    QCOMPARE(QMetaType::fromName("ZelImage"), QMetaType::fromType<ZelImage>());
}

void TestZelDip::fromQImage_data()
{
    QTest::addColumn<QImage>("input");
    QTest::addColumn<int>("expectedFormat");

    const QRgb halfRed = qRgba(255, 0, 0, 128);
    const QList<QRgb> monoColours = QList<QRgb>(8, qRgb(255, 255, 255)) << qRgb(0, 0, 0);
    QTest::newRow("indexed") << pixelRow(QImage::Format_Indexed8, {qRgb(0, 0, 255), qRgb(255, 0, 0)})
                             << int(QImage::Format_RGB32);
    QTest::newRow("indexed with alpha") << pixelRow(QImage::Format_Indexed8, {halfRed, 0})
                                        << int(QImage::Format_ARGB32_Premultiplied);
    QTest::newRow("mono, odd width") << pixelRow(QImage::Format_Mono, monoColours) << int(QImage::Format_RGB32);
    QTest::newRow("grayscale") << pixelRow(QImage::Format_Grayscale8, {qRgb(0, 0, 0), qRgb(100, 100, 100), qRgb(255, 255, 255)})
                               << int(QImage::Format_RGB32);
    QTest::newRow("rgb888") << pixelRow(QImage::Format_RGB888, {qRgb(1, 2, 3), qRgb(250, 128, 7)})
                            << int(QImage::Format_RGB32);
    QTest::newRow("argb") << pixelRow(QImage::Format_ARGB32, {halfRed, qRgb(0, 255, 0)})
                          << int(QImage::Format_ARGB32_Premultiplied);
}

void TestZelDip::fromQImage()
{
    QFETCH(QImage, input);
    QFETCH(int, expectedFormat);

    const ZelImage image = ZelDIP::fromQImage(input);
    QCOMPARE(int(image.format()), expectedFormat);
    QCOMPARE(image.size(), input.size());
    const QImage result = image.toQImage();
    for (int x = 0; x < input.width(); ++x)
        QCOMPARE(result.pixelColor(x, 0).rgba(), input.pixelColor(x, 0).rgba()); // unpremultiplied
    // Already canonical images come out unchanged.
    QCOMPARE(ZelDIP::fromQImage(result), image);
}

void TestZelDip::equality_data()
{
    QTest::addColumn<ZelImage>("a");
    QTest::addColumn<ZelImage>("b");
    QTest::addColumn<bool>("equal");

    const QImage base = patterned(7, 5, QImage::Format_RGB32, 1);
    QImage last = base.copy();
    last.setPixel(6, 4, base.pixel(6, 4) ^ 0x010000);
    QImage unusedByte = base.copy();
    reinterpret_cast<QRgb *>(unusedByte.scanLine(2))[3] ^= 0xff000000;
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 1, 1), qRgb(2, 2, 2)});
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(1, 0, 1);
    QImage reordered(2, 1, QImage::Format_Indexed8);
    reordered.setColorTable({qRgb(2, 2, 2), qRgb(1, 1, 1)});
    reordered.setPixel(0, 0, 1);
    reordered.setPixel(1, 0, 0);
    QImage recoloured = indexed.copy();
    recoloured.setColor(1, qRgb(3, 3, 3));

    QTest::newRow("separate equal copy") << ZelImage(base) << ZelImage(base.copy()) << true;
    QTest::newRow("last pixel") << ZelImage(base) << ZelImage(last) << false;
    QTest::newRow("only the unused byte of RGB32") << ZelImage(base) << ZelImage(unusedByte) << true;
    QTest::newRow("same colours, other format")
        << ZelImage(base) << ZelImage(base.convertToFormat(QImage::Format_ARGB32)) << false;
    QTest::newRow("other size") << ZelImage(base) << ZelImage(base.copy(0, 0, 7, 4)) << false;
    QTest::newRow("null and null") << ZelImage() << ZelDIP::fromQImage(QImage()) << true;
    QTest::newRow("null and image") << ZelImage() << ZelImage(base) << false;
    QTest::newRow("indexed, same colours through another table") << ZelImage(indexed) << ZelImage(reordered) << true;
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

    QImage hiDpi = patterned(4, 4, QImage::Format_RGB32, 9);
    hiDpi.setDevicePixelRatio(2.0);
    QTest::newRow("null") << QImage();
    QTest::newRow("rgb32, device pixel ratio") << hiDpi;
    QTest::newRow("premultiplied, low alpha") << patterned(5, 6, QImage::Format_ARGB32_Premultiplied, 4);
    QTest::newRow("indexed") << patterned(11, 3, QImage::Format_Indexed8, 5);
    QTest::newRow("mono, odd width") << patterned(13, 4, QImage::Format_Mono, 6);
    QTest::newRow("rgb888, padded lines") << patterned(3, 3, QImage::Format_RGB888, 7);
    QTest::newRow("grayscale 16") << patterned(6, 2, QImage::Format_Grayscale16, 8);
}

void TestZelDip::dataStreamRoundTrip()
{
    QFETCH(QImage, image);

    const ZelImage original(image);
    ZelImage read = ZelDIP::fromQImage(patterned(2, 2, QImage::Format_RGB32, 10)); // overwritten
    bool atEnd = false;
    QCOMPARE(readInto(streamed(original), read, &atEnd), QDataStream::Ok);
    QVERIFY(atEnd);
    QCOMPARE(read, original);
    QCOMPARE(read.isNull(), image.isNull());
    // Exact bytes, unused ones included, and what QImage itself carries.
    QVERIFY(sameBytes(read.toQImage(), image));
    QCOMPARE(read.toQImage().colorTable(), image.colorTable());
    QCOMPARE(read.toQImage().devicePixelRatio(), image.isNull() ? 1.0 : image.devicePixelRatio());

    const QVariant variant = readBack<QVariant>(streamed(QVariant::fromValue(original)));
    QCOMPARE(variant.metaType().name(), "ZelImage");
    QCOMPARE(variant.value<ZelImage>(), original);
}

void TestZelDip::dataStreamRejectsBadInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expectedStatus");

    const auto header = [](quint8 version, qint32 format, qint32 width) {
        return streamed(version, format, width, qint32(1), qreal(1.0), QList<QRgb>());
    };
    QTest::newRow("truncated pixels") << streamed(ZelImage(patterned(8, 8, QImage::Format_RGB32, 11))).chopped(5)
                                      << int(QDataStream::ReadPastEnd);
    QTest::newRow("no pixels after header") << header(1, QImage::Format_RGB32, 2) << int(QDataStream::ReadPastEnd);
    QTest::newRow("unknown version") << header(2, QImage::Format_RGB32, 1) << int(QDataStream::ReadCorruptData);
    QTest::newRow("unknown format") << header(1, 999, 1) << int(QDataStream::ReadCorruptData);
    QTest::newRow("negative width") << header(1, QImage::Format_RGB32, -4) << int(QDataStream::ReadCorruptData);
}

void TestZelDip::dataStreamRejectsBadInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expectedStatus);

    ZelImage read = ZelDIP::fromQImage(patterned(2, 2, QImage::Format_RGB32, 12));
    QCOMPARE(int(readInto(bytes, read)), expectedStatus);
    QVERIFY(read.isNull());
}

QTEST_MAIN(TestZelDip)
#include "tst_zeldip.moc"
