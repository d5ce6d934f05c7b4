#include <ZelCore/FSUtils.h>
#include <ZelCore/MathUtils.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelCore.h>
#include <ZelCore/ZelPerfCounterStore.h>
#include <ZelCore/ZoomDefs.h>

#include <QImageReader>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

const double nanValue = qQNaN();
const double inf = qInf();

class tst_ZelCoreUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        ZelAbstractAppConfig::reset();
    }

    void perfStore()
    {
        ZelPerfCounterStore store;
        QSignalSpy added(&store, &ZelPerfCounterStore::metricAdded);
        for (const auto &[name, value] : {std::pair{"render", 1.0}, {"decode", 2.0}, {"render", 3.0}})
            store.addValue(QString::fromLatin1(name), value);
        QCOMPARE(added, QList<QVariantList>({{QStringLiteral("render")}, {QStringLiteral("decode")}}));
        QCOMPARE(store.data().value(QStringLiteral("render")), QList<double>({1.0, 3.0}));
        for (int i = 0; i < ZelPerfCounterStore::historySize + 25; ++i) // only the latest values stay, oldest first
            store.addValue(QStringLiteral("queue"), i);
        const QList<double> queue = store.values(QStringLiteral("queue"));
        QCOMPARE(std::pair(queue.size(), queue.first()), std::pair(qsizetype(ZelPerfCounterStore::historySize), 25.0));
        store.clear(); // a metric is new again after it
        store.addValue(QStringLiteral("render"), 4.0);
        QCOMPARE(added.size(), 4);
        QCOMPARE(store.data(), (QHash<QString, QList<double>>{{QStringLiteral("render"), {4.0}}}));
    }

    void zoomPresetsAndText()
    {
        const QList<double> presets = ZoomDefs::zoomKeyValues();
        QVERIFY(presets.first() == ZoomDefs::minZoom && presets.last() == ZoomDefs::maxZoom && presets.contains(1.0));
        QList<double> up{ZoomDefs::minZoom}, down{ZoomDefs::maxZoom};
        while (up.last() < ZoomDefs::maxZoom && up.size() < 100)
            up.append(ZoomDefs::zoomIn(up.last()));
        while (down.first() > ZoomDefs::minZoom && down.size() < 100)
            down.prepend(ZoomDefs::zoomOut(down.first()));
        QCOMPARE(up + down, presets + presets);

        for (const auto &[zoom, text] : {std::pair{1.0 / 3.0, "33.33%"}, {0.999999, "100%"}, {nanValue, "-"}})
            QCOMPARE(ZoomDefs::zoomValueToText(zoom), QString::fromLatin1(text));
    }

    void zoomValidationAndSteps()
    {
        // zoom, minimum: the validated zoom, then the steps in and out from it. Rows: beyond either end, nan (also
        // below its own minimum), a minimum off the presets, a bad minimum (nan, above max).
        for (const auto &[zoom, minimum, validated, in, out] : {std::tuple{inf, 0.1, 32.0, 32.0, 24.0},
                                                                {-inf, 0.1, 0.1, 0.125, 0.1},
                                                                {nanValue, 0.1, 1.0, 1.5, 0.75},
                                                                {nanValue, 1.5, 1.5, 2.0, 1.5},
                                                                {0.33, 0.3, 0.33, 0.5, 0.3},
                                                                {0.01, nanValue, 0.1, 0.125, 0.1},
                                                                {1.0, 50.0, 32.0, 32.0, 32.0}}) {
            QCOMPARE(ZoomDefs::zoomValidation(zoom, minimum), validated);
            QCOMPARE(ZoomDefs::zoomIn(zoom, minimum), in);
            QCOMPARE(ZoomDefs::zoomOut(zoom, minimum), out);
        }
    }

    void roundingAndThumbnails()
    {
        // value, step, expected: ties away from zero, a zero step keeps the value, no overflow at the ends.
        for (const auto &[value, step, expected] :
             {std::tuple{4, 10, 0}, {5, 10, 10}, {-15, -10, -20}, {7, 0, 7}, {INT_MAX, 10, 2147483640}, {1 << 30, INT_MAX, INT_MAX}})
            QCOMPARE(MathUtils::roundIntegerValueToNearest(value, step), expected);

        // never enlarged; shrunk keeping the aspect; an empty image gives an empty size
        for (const auto &[image, box, expected] : {std::tuple{QSize(100, 50), QSize(200, 200), QSize(100, 50)},
                                                   {QSize(333, 100), QSize(100, 100), QSize(100, 30)},
                                                   {QSize(0, 50), QSize(100, 100), QSize(0, 0)}})
            QCOMPARE(MathUtils::thumbnailSize(image, box), expected);
    }

    void imageFormatsAndCaptions()
    {
        const QList<QByteArray> qtRead = QImageReader::supportedImageFormats(), qtWrite = QImageWriter::supportedImageFormats();
        const QList<QByteArray> read = FSUtils::supportedReadImageFormats(), write = FSUtils::supportedWriteImageFormats();
        QCOMPARE(QSet<QByteArray>(read.cbegin(), read.cend()),
                 QSet<QByteArray>(qtRead.cbegin(), qtRead.cend()) + QSet<QByteArray>{FSUtils::formatDCM});

        // Export: the friendly ones first, then the rest sorted; aliases once.
        const QList<QByteArray> exported = FSUtils::imageFormatsForExport();
        const qsizetype front = qtWrite.contains("tiff") ? 4 : 3;
        QCOMPARE(exported.mid(0, front), QList<QByteArray>({"png", "jpg", "bmp", "tif"}).mid(0, front));
        QVERIFY(std::is_sorted(exported.cbegin() + front, exported.cend()));
        QVERIFY(!exported.contains("jpeg") && exported.size() == write.size() - write.contains("jpeg") - write.contains("tiff"));

        // Captions and quality; Qt's png writer maps the quality to its compression level.
        for (const auto &[format, caption, quality] : {std::tuple{QByteArray("png"), QStringLiteral("PNG image (*.png)"), true},
                                                       {"JPG", QStringLiteral("JPEG image (*.jpg *.jpeg)"), true},
                                                       {"Raw", QStringLiteral("RAW image (*.raw)"), false},
                                                       {QByteArray(), FSUtils::filterAll, false}}) {
            QCOMPARE(FSUtils::formatCaption(format), caption);
            QCOMPARE(FSUtils::supportQualityWrite(format), quality);
        }
    }

    // Remembering per context is checked through the file dialog (tst_zelcore_filedialog).
    void workDirStorageAndForgetting()
    {
        QTemporaryDir root;
        const QString dir = QDir::cleanPath(root.path());
        QSignalSpy changed(ZelAbstractAppConfig::notifier(), &ZelSettingsNotifier::settingChanged);
        FSUtils::setWorkDir(dir + QStringLiteral("/a/.."), "export");
        FSUtils::setWorkDir(dir, "export"); // already stored: no write
        QCOMPARE(changed.size(), 1);
        QCOMPARE(FSUtils::workDir("export"), dir);
        FSUtils::setWorkDir(QString(), "export"); // an empty one forgets
        QCOMPARE(FSUtils::workDir("export"), QDir::homePath());
        FSUtils::setWorkDir(dir, "import");
        QVERIFY(root.remove()); // a directory that went away is not offered
        QCOMPARE(FSUtils::workDir("import"), QDir::homePath());
    }

    void domainAndLink()
    {
        // translateString() is checked with the colour names (tst_guiutils), the set domain by the about box
        QCoreApplication::setOrganizationDomain(QString());
        QCOMPARE(ZelCore::organizationDomain(), QStringLiteral("example.org"));

        // trimmed, https added when no scheme is given, escaped
        for (const auto &[url, html] : {std::pair{"   ", QString()},
                                        {"http://example.org", QStringLiteral("<a href=\"http://example.org\">http://example.org</a>")},
                                        {" example.org/?a=1&b=\"2\"\n",
                                         QStringLiteral("<a href=\"https://example.org/?a=1&amp;b=&quot;2&quot;\">"
                                                        "example.org/?a=1&amp;b=&quot;2&quot;</a>")}})
            QCOMPARE(ZelCore::toHTMLReference(QString::fromLatin1(url)), html);
    }
};

QTEST_MAIN(tst_ZelCoreUtils)
#include "tst_zelcore_utils.moc"
