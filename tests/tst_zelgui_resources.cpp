// The library's embedded resources: icons, translations, and the calls that
// register and unregister the collection by hand.

#include <ZelGui/GuiUtils.h>
#include <ZelGui/ZelGuiResources.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QTest>
#include <QTranslator>

class tst_ZelGuiResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconsAreStoredUncompressedPictures_data();
    void iconsAreStoredUncompressedPictures();
    void russianTranslationLoads();
    void englishTranslationIsValidAndEmpty();
    void colourNamesTranslate_data();
    void colourNamesTranslate();
    void manualRegistrationIsCounted();
};

void tst_ZelGuiResources::iconsAreStoredUncompressedPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("minimumSize");

    QTest::newRow("close") << ":/ZelGui/res/icons/window_close.png" << QSize(16, 16);
    QTest::newRow("remove") << ":/ZelGui/res/icons/element_remove.png" << QSize(16, 16);
    QTest::newRow("folder") << ":/ZelGui/res/icons/folder_40.png" << QSize(40, 40);
    QTest::newRow("intermediate") << ":/ZelGui/res/icons/intermediate_slider.png" << QSize(5, 8);
    QTest::newRow("cancel") << ":/ZelGui/res/icons/cancel.png" << QSize(16, 16);
    QTest::newRow("info") << ":/ZelGui/res/icons/messagebox_info.png" << QSize(16, 16);
    QTest::newRow("add") << ":/ZelGui/res/icons/element_add.png" << QSize(16, 16);
}

void tst_ZelGuiResources::iconsAreStoredUncompressedPictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, minimumSize);

    const QResource resource(path);
    QVERIFY2(resource.isValid(), qPrintable(path));
    QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QVERIFY(image.width() >= minimumSize.width() && image.height() >= minimumSize.height());
    QVERIFY(image.hasAlphaChannel());
    // Drawn, not blank: some pixel is opaque and some is transparent.
    bool opaque = false, clear = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            opaque |= alpha == 255;
            clear |= alpha == 0;
        }
    }
    QVERIFY(opaque);
    QVERIFY(clear);
    if (path.endsWith(QLatin1String("folder_40.png")))
        QCOMPARE(image.size(), QSize(40, 40));
}

void tst_ZelGuiResources::russianTranslationLoads()
{
    const QString path = QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm");
    QCOMPARE(QResource(path).compressionAlgorithm(), QResource::NoCompression);

    QTranslator translator;
    QVERIFY(translator.load(path));
    QVERIFY(!translator.isEmpty());
    QCOMPARE(translator.language(), QStringLiteral("ru_RU"));
}

void tst_ZelGuiResources::englishTranslationIsValidAndEmpty()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_31.qm")));
    QVERIFY(translator.isEmpty());
}

void tst_ZelGuiResources::colourNamesTranslate_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");

    QTest::newRow("black") << GuiUtils::trBlackColor << QStringLiteral("Чёрный");
    QTest::newRow("dark yellow") << GuiUtils::trDarkYellowColor << QStringLiteral("Тёмно-жёлтый");
    QTest::newRow("light gray") << GuiUtils::trLightGrayColor << QStringLiteral("Светло-серый");
    QTest::newRow("transparent") << GuiUtils::trTransparentColor << QStringLiteral("Прозрачный");
}

void tst_ZelGuiResources::colourNamesTranslate()
{
    QFETCH(QString, english);
    QFETCH(QString, russian);

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")));
    QCOMPARE(translator.translate("ZelCore", english.toUtf8().constData()), russian);

    // Installed, it answers the core library's lookups; removed, English is back.
    QCoreApplication::installTranslator(&translator);
    QCOMPARE(QCoreApplication::translate("ZelCore", english.toUtf8().constData()), russian);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(QCoreApplication::translate("ZelCore", english.toUtf8().constData()), english);
}

void tst_ZelGuiResources::manualRegistrationIsCounted()
{
    const QString path = QStringLiteral(":/ZelGui/res/icons/cancel.png");
    QVERIFY(QFile::exists(path));

    const QString translation = QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm");

    // Unregistering takes the whole collection away, registering brings it
    // back; registering what is registered adds nothing that needs undoing twice.
    QCOMPARE(qCleanupResources_ZelGui(), 1);
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QFile::exists(translation));

    QCOMPARE(qInitResources_ZelGui(), 1);
    QCOMPARE(qInitResources_ZelGui(), 1);
    QVERIFY(QFile::exists(path));
    QVERIFY(QFile::exists(translation));

    QCOMPARE(qCleanupResources_ZelGui(), 1);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(qInitResources_ZelGui(), 1);
    QVERIFY(QFile::exists(translation));
}

QTEST_GUILESS_MAIN(tst_ZelGuiResources)
#include "tst_zelgui_resources.moc"
