// The library's embedded resources: icons, translations, and the calls that
// register and unregister the collection by hand.

#include <ZelGui/GuiUtils.h>
#include <ZelGui/ZelGuiResources.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QRegularExpression>
#include <QResource>
#include <QTest>
#include <QTranslator>

namespace {

const QString russian = QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm");
const QString english = QStringLiteral(":/ZelGui/res/lang/zelgui_31.qm");
const QString icons = QStringLiteral(":/ZelGui/res/icons/");

} // namespace

class tst_ZelGuiResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconsAreStoredUncompressedPictures()
    {
        QStringList names = QDir(icons).entryList();
        const QStringList sharp = names.filter(QStringLiteral("@2x.png"));
        for (const QString &name : sharp)
            names.removeOne(name);
        QCOMPARE(names,
                 QStringList({"cancel.png", "element_add.png", "element_remove.png", "folder_40.png", "intermediate_slider.png",
                              "messagebox_info.png", "window_close.png"}));
        QCOMPARE(sharp.size(), names.size());
        for (const QString &name : std::as_const(names))
            QCOMPARE(QImage(icons + name.chopped(4) + QLatin1String("@2x.png")).size(), QImage(icons + name).size() * 2);
        for (const QString &name : names + sharp) {
            QCOMPARE(QResource(icons + name).compressionAlgorithm(), QResource::NoCompression);
            QImageReader reader(icons + name);
            QCOMPARE(reader.format(), QByteArray("png"));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(name + reader.errorString()));
            QVERIFY2(image.hasAlphaChannel(), qPrintable(name));
            // Drawn, not blank: some pixel is opaque and some is transparent.
            bool opaque = false, clear = false;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    opaque |= qAlpha(image.pixel(x, y)) == 255;
                    clear |= qAlpha(image.pixel(x, y)) == 0;
                }
            }
            QVERIFY2(opaque && clear, qPrintable(name));
            // The slider handle is small; the folder is exactly its size, the rest at least 16 square.
            const QSize least = name.startsWith(QLatin1String("intermediate")) ? QSize(5, 8) : QSize(16, 16);
            QVERIFY2(image.width() >= least.width() && image.height() >= least.height(), qPrintable(name));
            if (name == QLatin1String("folder_40.png"))
                QCOMPARE(image.size(), QSize(40, 40));
        }
    }

    // QIcon takes the @2x sibling where the screens have two device pixels per
    // unit (run with QT_SCALE_FACTOR=2 as tst_zelgui_resources_hidpi).
    void iconsAreSharpAtRatioTwo()
    {
        if (qApp->devicePixelRatio() < 2)
            QSKIP("needs a screen with device pixel ratio 2");
        const QStringList names = QDir(icons).entryList().filter(QRegularExpression(QStringLiteral("[^x].png$")));
        QCOMPARE(names.size(), 7);
        for (const QString &name : names) {
            const QSize size = QImage(icons + name).size();
            const QPixmap pixmap = QIcon(icons + name).pixmap(size, 2.0);
            QCOMPARE(pixmap.devicePixelRatio(), 2.0);
            QCOMPARE(pixmap.size(), size * 2);
            // Drawn, not enlarged: it is the @2x file's picture.
            QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32),
                     QImage(icons + name.chopped(4) + QLatin1String("@2x.png")).convertToFormat(QImage::Format_ARGB32));
        }
    }

    void translationsLoad()
    {
        QCOMPARE(QResource(russian).compressionAlgorithm(), QResource::NoCompression);
        QTranslator ru, en;
        QVERIFY(ru.load(russian));
        QVERIFY(!ru.isEmpty());
        QCOMPARE(ru.language(), QStringLiteral("ru_RU"));
        QVERIFY(en.load(english));
        QVERIFY(en.isEmpty()); // valid, with nothing to translate
    }

    void colourNamesTranslate_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("russian");

        QTest::newRow("black") << GuiUtils::trBlackColor << QStringLiteral("Чёрный");
        QTest::newRow("dark yellow") << GuiUtils::trDarkYellowColor << QStringLiteral("Тёмно-жёлтый");
        QTest::newRow("light gray") << GuiUtils::trLightGrayColor << QStringLiteral("Светло-серый");
        QTest::newRow("transparent") << GuiUtils::trTransparentColor << QStringLiteral("Прозрачный");
    }

    void colourNamesTranslate()
    {
        QFETCH(QString, english);
        QFETCH(QString, russian);

        QTranslator translator;
        QVERIFY(translator.load(::russian));
        // Installed, it answers the core library's lookups; removed, English is back.
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(QCoreApplication::translate("ZelCore", english.toUtf8().constData()), russian);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(QCoreApplication::translate("ZelCore", english.toUtf8().constData()), english);
    }

    void manualRegistrationIsCounted()
    {
        const auto registered = [] { return QFile::exists(icons + QLatin1String("cancel.png")) && QFile::exists(russian); };
        QVERIFY(registered());
        // Unregistering takes the whole collection away; registering twice needs no second undoing.
        QCOMPARE(qCleanupResources_ZelGui(), 1);
        QVERIFY(!QFile::exists(icons + QLatin1String("cancel.png")));
        QVERIFY(!QFile::exists(russian));
        QCOMPARE(qInitResources_ZelGui(), 1);
        QCOMPARE(qInitResources_ZelGui(), 1);
        QVERIFY(registered());
        QCOMPARE(qCleanupResources_ZelGui(), 1);
        QVERIFY(!QFile::exists(russian));
        QCOMPARE(qInitResources_ZelGui(), 1);
        QVERIFY(registered());
    }
};

QTEST_MAIN(tst_ZelGuiResources)
#include "tst_zelgui_resources.moc"
