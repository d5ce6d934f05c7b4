// The stand-in imaging library, as far as the GUI library relies on it: ZelImage goes through
// queued signals and QVariant, and fromQImage() brings any image into the library's formats.

#include <ZelDip/ZelDIP.h>
#include <ZelDip/ZelImage.h>

#include <QTest>

class TestZelDip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // First: must see the library's own registration.
    void metaTypeRegisteredByLibrary() { QCOMPARE(QMetaType::fromName("ZelImage"), QMetaType::fromType<ZelImage>()); }

    void fromQImageKeepsSizeAndColours_data()
    {
        QTest::addColumn<QImage>("input");
        QTest::addColumn<QImage::Format>("expectedFormat");
        QImage indexed(2, 1, QImage::Format_Indexed8);
        indexed.setColorTable({qRgba(255, 0, 0, 128), qRgba(0, 0, 255, 255)});
        indexed.fill(0);
        indexed.setPixel(1, 0, 1);
        QTest::newRow("indexed with alpha") << indexed << QImage::Format_ARGB32_Premultiplied;
        // Odd width: the last pixel sits alone in its byte.
        QImage mono(9, 1, QImage::Format_Mono);
        mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        mono.fill(0);
        mono.setPixel(8, 0, 1);
        QTest::newRow("mono, odd width") << mono << QImage::Format_RGB32;
        QImage argb(2, 1, QImage::Format_ARGB32);
        argb.fill(qRgba(255, 0, 0, 128));
        argb.setPixel(1, 0, qRgb(0, 255, 0));
        QTest::newRow("straight alpha") << argb << QImage::Format_ARGB32_Premultiplied;
        QTest::newRow("null") << QImage() << QImage::Format_Invalid;
    }

    void fromQImageKeepsSizeAndColours()
    {
        QFETCH(QImage, input);
        QFETCH(QImage::Format, expectedFormat);
        const ZelImage image = ZelDIP::fromQImage(input);
        QCOMPARE(image.format(), expectedFormat);
        QCOMPARE(image.isNull(), input.isNull());
        QCOMPARE(image.size(), input.size());
        // Compared unpremultiplied.
        for (int x = 0; x < input.width(); ++x)
            QCOMPARE(image.toQImage().pixelColor(x, 0).rgba(), input.pixelColor(x, 0).rgba());
        // Through QVariant, as queued signals carry it.
        QCOMPARE(QVariant::fromValue(image).value<ZelImage>().toQImage(), image.toQImage());
    }
};

QTEST_MAIN(TestZelDip)
#include "tst_zeldip.moc"
