#include <ZelDip/ZelDIP.h>
#include <ZelDip/ZelImage.h>

#include "zelstream_testhelpers.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstring>

namespace {

// Random bits in every pixel (padding excluded), and random colours for Mono.
QImage patterned(int width, int height, QImage::Format format, quint32 seed)
{
    QRandomGenerator random(seed);
    const bool premultiplied = format == QImage::Format_ARGB32_Premultiplied;
    QImage image(width, height, premultiplied ? QImage::Format_ARGB32 : format);
    if (format == QImage::Format_Mono)
        image.setColorTable({random.generate(), random.generate()});
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < (width * image.depth() + 7) / 8; ++i)
            image.scanLine(y)[i] = uchar(random.generate());
    return premultiplied ? image.convertToFormat(format) : image; // valid premultiplied data
}

bool sameBytes(const QImage &a, const QImage &b)
{
    bool same = a.size() == b.size() && a.format() == b.format();
    for (int y = 0; same && y < a.height(); ++y)
        same = std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t((a.width() * a.depth() + 7) / 8)) == 0;
    return same;
}

} // namespace

class TestZelDip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // First: must see the library's own registration.
    void metaTypeRegisteredByLibrary() { QCOMPARE(QMetaType::fromName("ZelImage"), QMetaType::fromType<ZelImage>()); }

    void fromQImage()
    {
        QImage indexed(2, 1, QImage::Format_Indexed8), mono(9, 1, QImage::Format_Mono), argb(2, 1, QImage::Format_ARGB32);
        indexed.setColorTable({qRgba(255, 0, 0, 128), 0});
        indexed.fill(1);
        mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)}); // odd width
        mono.fill(0);
        mono.setPixel(8, 0, 1);
        argb.fill(qRgba(255, 0, 0, 128));
        argb.setPixel(1, 0, qRgb(0, 255, 0));
        for (const auto &[input, expectedFormat] : {std::pair(indexed, QImage::Format_ARGB32_Premultiplied),
                 std::pair(mono, QImage::Format_RGB32), std::pair(argb, QImage::Format_ARGB32_Premultiplied)}) {
            const ZelImage image = ZelDIP::fromQImage(input);
            QCOMPARE(image.format(), expectedFormat);
            QCOMPARE(image.size(), input.size());
            for (int x = 0; x < input.width(); ++x) // unpremultiplied
                QCOMPARE(image.toQImage().pixelColor(x, 0).rgba(), input.pixelColor(x, 0).rgba());
            QCOMPARE(ZelDIP::fromQImage(image.toQImage()), image); // canonical images come out unchanged
        }
    }

    void equality()
    {
        const QImage base = patterned(7, 5, QImage::Format_RGB32, 1);
        QImage last = base.copy(), unusedByte = base.copy();
        last.setPixel(6, 4, base.pixel(6, 4) ^ 0x010000);
        reinterpret_cast<QRgb *>(unusedByte.scanLine(2))[3] ^= 0xff000000;
        QImage indexed(2, 1, QImage::Format_Indexed8), reordered(2, 1, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(1, 1, 1), qRgb(2, 2, 2)});
        indexed.fill(0);
        reordered.setColorTable({qRgb(2, 2, 2), qRgb(1, 1, 1)}); // the same colours through another table
        reordered.fill(1);
        const QList<std::tuple<ZelImage, ZelImage, bool>> rows{{ZelImage(base), ZelImage(base.copy()), true},
            {ZelImage(base), ZelImage(last), false}, {ZelImage(base), ZelImage(unusedByte), true},
            {ZelImage(base), ZelImage(base.convertToFormat(QImage::Format_ARGB32)), false},
            {ZelImage(), ZelDIP::fromQImage(QImage()), true}, {ZelImage(), ZelImage(base), false},
            {ZelImage(indexed), ZelImage(reordered), true}};
        for (int row = 0; row < rows.size(); ++row) {
            const auto &[a, b, equal] = rows.at(row);
            QVERIFY2((a == b) == equal && (b == a) == equal && (a != b) != equal, qPrintable(QString::number(row)));
        }
        const ZelImage image(base); // editing the QImage handed out must not reach into the value
        QImage edited = image.toQImage();
        edited.setPixel(1, 1, ~edited.pixel(1, 1));
        QVERIFY(ZelImage(edited) != image && image.toQImage().pixel(1, 1) != edited.pixel(1, 1));
    }

    void dataStreamRoundTrip()
    {
        QImage hiDpi = patterned(4, 4, QImage::Format_RGB32, 9);
        hiDpi.setDevicePixelRatio(2.0);
        for (const QImage &image : {QImage(), hiDpi, patterned(5, 6, QImage::Format_ARGB32_Premultiplied, 4),
                                    patterned(13, 4, QImage::Format_Mono, 6)}) { // odd width, colour table
            const ZelImage original(image);
            ZelImage read = ZelDIP::fromQImage(patterned(2, 2, QImage::Format_RGB32, 10)); // overwritten
            bool atEnd = false;
            QCOMPARE(readInto(streamed(original), read, &atEnd), QDataStream::Ok);
            QVERIFY(atEnd && read == original && read.isNull() == image.isNull());
            // Exact bytes, unused ones included, and what QImage itself carries.
            QVERIFY(sameBytes(read.toQImage(), image) && read.toQImage().colorTable() == image.colorTable());
            QCOMPARE(read.toQImage().devicePixelRatio(), image.isNull() ? 1.0 : image.devicePixelRatio());
            QCOMPARE(readBack<QVariant>(streamed(QVariant::fromValue(original))).value<ZelImage>(), original);
        }
    }

    void dataStreamRejectsBadInput()
    {
        const auto header = [](quint8 version, qint32 format, qint32 width) {
            return streamed(version, format, width, qint32(1), qreal(1.0), QList<QRgb>());
        };
        const QList<std::pair<QByteArray, QDataStream::Status>> rows{
            {streamed(ZelImage(patterned(8, 8, QImage::Format_RGB32, 11))).chopped(5), QDataStream::ReadPastEnd},
            {header(2, QImage::Format_RGB32, 1), QDataStream::ReadCorruptData}, // unknown version
            {header(1, 999, 1), QDataStream::ReadCorruptData}, // unknown format
            {header(1, QImage::Format_RGB32, -4), QDataStream::ReadCorruptData}};
        for (const auto &[bytes, expected] : rows) {
            ZelImage read = ZelDIP::fromQImage(patterned(2, 2, QImage::Format_RGB32, 12));
            QCOMPARE(readInto(bytes, read), expected);
            QVERIFY(read.isNull());
        }
    }
};

QTEST_MAIN(TestZelDip)
#include "tst_zeldip.moc"
