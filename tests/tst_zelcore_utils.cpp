#include <ZelCore/FSUtils.h>
#include <ZelCore/IApplicationWithFontDataBase.h>
#include <ZelCore/MathUtils.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelCore.h>
#include <ZelCore/ZelPerfCounterStore.h>
#include <ZelCore/ZelVersion.h>
#include <ZelCore/ZoomDefs.h>

#include <QApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTranslator>

#include <climits>
#include <type_traits>

// Public constants no other test spells out; a rename fails the build here.
namespace hostnames {
static_assert(std::is_convertible_v<decltype(ZelCore::iconFolderOpen_40), const char *>);
static_assert(std::is_same_v<decltype(FSUtils::filterSeparator), const QString>);
static_assert(std::is_same_v<decltype(FSUtils::filterCompress), const QString>);
} // namespace hostnames

namespace {

const double nanValue = qQNaN();
const double inf = qInf();

// The host application: a QApplication that offers its fonts.
struct TestApplication : QApplication, IApplicationWithFontDataBase
{
    using QApplication::QApplication;
    ZelFontDataBase *fontDataBase() override { return &m_fonts; }
    ZelFontDataBase m_fonts;
};

struct ColourTranslator : QTranslator
{
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return qstrcmp(context, "ZelCore") == 0 && qstrcmp(sourceText, "Red") == 0 ? QStringLiteral("Rot") : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_ZelCoreUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); ZelAbstractAppConfig::reset(); }

    void perfStore() // first: the process-wide store must not exist yet
    {
        QSharedPointer<ZelPerfCounterStore> shared;
        QScopedPointer<QThread> worker(QThread::create([&shared] { shared = zelPerfCounterStore(); }));
        worker->start();
        QVERIFY(worker->wait(10000));
        QCOMPARE(shared->thread(), qApp->thread()); // asked first from a worker, it still lives in the main thread
        QCOMPARE(zelPerfCounterStore(), shared);

        ZelPerfCounterStore store;
        QSignalSpy added(&store, &ZelPerfCounterStore::metricAdded);
        for (const auto &[name, value] : {std::pair{"render", 1.0}, {"decode", 2.0}, {"render", 3.0}})
            store.addValue(QString::fromLatin1(name), value);
        QCOMPARE(store.metrics(), QList<QString>({QStringLiteral("render"), QStringLiteral("decode")}));
        QCOMPARE(added, QList<QVariantList>({{QStringLiteral("render")}, {QStringLiteral("decode")}}));
        QCOMPARE(store.data().value(QStringLiteral("render")), QList<double>({1.0, 3.0}));
        const int total = ZelPerfCounterStore::historySize + 25; // only the latest values stay, oldest first
        for (int i = 0; i < total; ++i)
            store.addValue(QStringLiteral("queue"), i);
        const QList<double> queue = store.values(QStringLiteral("queue"));
        QCOMPARE(queue.size(), ZelPerfCounterStore::historySize);
        QCOMPARE(std::pair(queue.first(), queue.last()), std::pair(double(total - ZelPerfCounterStore::historySize), total - 1.0));
        store.clear(); // a metric is new again after it
        QVERIFY(store.metrics().isEmpty() && store.data().isEmpty());
        store.addValue(QStringLiteral("render"), 4.0);
        QCOMPARE(added.size(), 4);
        QCOMPARE(store.values(QStringLiteral("render")), QList<double>({4.0}));
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
        QCOMPARE(up, presets);
        QCOMPARE(down, presets);

        for (const auto &[zoom, text] : {std::pair{32.0, "3200%"}, {1.0 / 3.0, "33.33%"}, {0.999999, "100%"},
                                         {0.00001, "0%"}, {nanValue, "-"}})
            QCOMPARE(ZoomDefs::zoomValueToText(zoom), QString::fromLatin1(text));
    }

    void zoomValidationAndSteps()
    {
        // zoom, minimum: the validated zoom, then the steps in and out from it. Rows: beyond the ends (also inf),
        // nan (also below its own minimum), a minimum off or below the presets, a bad minimum (nan, 0, above max).
        for (const auto &[zoom, minimum, validated, in, out] : {std::tuple{40.0, 0.1, 32.0, 32.0, 24.0},
                 {inf, 0.1, 32.0, 32.0, 24.0}, {0.01, 0.1, 0.1, 0.125, 0.1}, {-inf, 0.1, 0.1, 0.125, 0.1},
                 {nanValue, 0.1, 1.0, 1.5, 0.75}, {nanValue, 1.5, 1.5, 2.0, 1.5}, {0.33, 0.3, 0.33, 0.5, 0.3},
                 {0.1, 0.05, 0.1, 0.125, 0.05}, {0.01, nanValue, 0.1, 0.125, 0.1}, {0.01, 0.0, 0.1, 0.125, 0.1},
                 {1.0, 50.0, 32.0, 32.0, 32.0}}) {
            QCOMPARE(ZoomDefs::zoomValidation(zoom, minimum), validated);
            QCOMPARE(ZoomDefs::zoomIn(zoom, minimum), in);
            QCOMPARE(ZoomDefs::zoomOut(zoom, minimum), out);
        }
    }

    void roundingAndThumbnails()
    {
        // value, step, expected: ties away from zero, a zero step keeps the value, no overflow at the ends.
        for (const auto &[value, step, expected] : {std::tuple{4, 10, 0}, {5, 10, 10}, {-15, 10, -20}, {-25, -10, -30},
                 {7, 0, 7}, {INT_MIN, -1, INT_MIN}, {INT_MAX, 10, 2147483640}, {INT_MIN, INT_MIN, INT_MIN},
                 {INT_MAX, INT_MIN, 0}, {1 << 30, INT_MAX, INT_MAX}})
            QCOMPARE(MathUtils::roundIntegerValueToNearest(value, step), expected);

        for (const auto &[image, box, expected] : {std::tuple{QSize(100, 50), QSize(200, 200), QSize(100, 50)},
                 {QSize(333, 100), QSize(100, 100), QSize(100, 30)}, {QSize(INT_MAX, INT_MAX), QSize(64, 48), QSize(48, 48)},
                 {QSize(0, 50), QSize(100, 100), QSize(0, 0)}, {QSize(100, 100), QSize(0, 10), QSize(0, 0)}})
            QCOMPARE(MathUtils::thumbnailSize(image, box), expected);
    }

    void imageFormatLists()
    {
        const QList<QByteArray> qtRead = QImageReader::supportedImageFormats(), qtWrite = QImageWriter::supportedImageFormats();
        const QList<QByteArray> read = FSUtils::supportedReadImageFormats(), write = FSUtils::supportedWriteImageFormats();
        QCOMPARE(QSet<QByteArray>(read.cbegin(), read.cend()),
                 QSet<QByteArray>(qtRead.cbegin(), qtRead.cend()) + QSet<QByteArray>{FSUtils::formatDCM});
        QCOMPARE(QSet<QByteArray>(write.cbegin(), write.cend()), QSet<QByteArray>(qtWrite.cbegin(), qtWrite.cend()));
        for (const QList<QByteArray> &list : {read, write}) // sorted, no repeats
            QVERIFY(std::adjacent_find(list.cbegin(), list.cend(), std::greater_equal<>()) == list.cend());

        // Export: the friendly ones first, then the rest sorted; aliases once.
        const QList<QByteArray> exported = FSUtils::imageFormatsForExport();
        QList<QByteArray> front;
        for (const char *format : {"png", "jpg", "bmp", "tif"})
            if (qtWrite.contains(format) || (qstrcmp(format, "tif") == 0 && qtWrite.contains("tiff")))
                front.append(format);
        QCOMPARE(exported.mid(0, front.size()), front);
        QVERIFY(std::is_sorted(exported.cbegin() + front.size(), exported.cend()));
        for (const QByteArray &format : qtWrite)
            QCOMPARE(exported.count(format == "jpeg" ? QByteArray("jpg") : format == "tiff" ? QByteArray("tif") : format), 1);
        QVERIFY(!exported.contains("jpeg"));
    }

    void formatCaptionAndQuality()
    {
        // Qt's png writer maps the quality to its compression level.
        for (const auto &[format, caption, quality] : {std::tuple{"png", "PNG image (*.png)", true},
                 {"JPG", "JPEG image (*.jpg *.jpeg)", true}, {"tiff", "TIFF image (*.tif *.tiff)", false},
                 {FSUtils::formatDCM, "DICOM image (*.dcm)", false}, {"Raw", "RAW image (*.raw)", false}}) {
            QCOMPARE(FSUtils::formatCaption(format), QString::fromLatin1(caption));
            QCOMPARE(FSUtils::supportQualityWrite(format), quality);
        }
        QCOMPARE(FSUtils::formatCaption(QByteArray()), FSUtils::filterAll);
        QVERIFY(!FSUtils::supportQualityWrite(QByteArray()));
    }

    void workDirIsRememberedPerContext()
    {
        QTemporaryDir root;
        const QDir dir(root.path());
        QVERIFY(root.isValid() && dir.mkpath(QStringLiteral("a/b")) && dir.mkpath(QStringLiteral("c")));
        const QString a = QDir::cleanPath(dir.filePath(QStringLiteral("a"))), c = QDir::cleanPath(dir.filePath(QStringLiteral("c")));
        QCOMPARE(FSUtils::workDir("export"), QDir::homePath());

        QSignalSpy changed(ZelAbstractAppConfig::notifier(), &ZelSettingsNotifier::settingChanged);
        FSUtils::setWorkDir(root.filePath(QStringLiteral("a/b/../")), "export");
        FSUtils::setWorkDir(c, "import");
        FSUtils::setWorkDir(a, "export"); // already stored: no write
        QCOMPARE(QStringList({FSUtils::workDir("export"), FSUtils::workDir("import"), FSUtils::workDir("other")}),
                 QStringList({a, c, QDir::homePath()}));
        QCOMPARE(changed.size(), 2);
        const QString key = QStringLiteral("document/working_directory"); // one hash under the shared key
        const QVariant stored = ZelAbstractAppConfig::setting(key);
        QCOMPARE(stored.metaType(), QMetaType::fromType<ContextedDirectory>());
        QCOMPARE(stored.value<ContextedDirectory>(), ContextedDirectory({{"export", a}, {"import", c}}));
        QVERIFY(QDir(c).removeRecursively()); // a directory that went away is not offered; an empty one forgets
        QCOMPARE(FSUtils::workDir("import"), QDir::homePath());
        FSUtils::setWorkDir(QString(), "export");
        QCOMPARE(FSUtils::workDir("export"), QDir::homePath());
        QVERIFY(!ZelAbstractAppConfig::setting(key).value<ContextedDirectory>().contains("export"));
    }

    void textHelpers()
    {
        ColourTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QCOMPARE(ZelCore::translateString(QStringLiteral("Red")), QStringLiteral("Rot"));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(ZelCore::translateString(QStringLiteral("Red")), QStringLiteral("Red"));

        QCoreApplication::setOrganizationDomain(QString());
        QCOMPARE(ZelCore::organizationDomain(), QStringLiteral("example.org"));
        QCoreApplication::setOrganizationDomain(QStringLiteral("imaging.test"));
        QCOMPARE(ZelCore::organizationDomain(), QStringLiteral("imaging.test"));

        const QString bare = QStringLiteral("<a href=\"https://example.org\">example.org</a>");
        for (const auto &[url, html] : {std::pair{"example.org", bare}, {"  example.org \n", bare}, {"   ", QString()},
                 {"http://example.org", QStringLiteral("<a href=\"http://example.org\">http://example.org</a>")},
                 {"example.org/?a=1&b=\"2\"", QStringLiteral("<a href=\"https://example.org/?a=1&amp;b=&quot;2&quot;\">"
                                                             "example.org/?a=1&amp;b=&quot;2&quot;</a>")}})
            QCOMPARE(ZelCore::toHTMLReference(QString::fromLatin1(url)), html);
    }

    void revisionCanBeReplacedInTests()
    {
        const QString built = ZelVersion::revision();
        ZelVersion::setTestRevision(QString());
        QCOMPARE(ZelVersion::revision(), QString());
        ZelVersion::setTestRevision(QStringLiteral("abc1234"));
        QCOMPARE(ZelVersion::revision(), QStringLiteral("abc1234"));
        ZelVersion::clearTestRevision();
        QCOMPARE(ZelVersion::revision(), built);
    }

    void applicationOffersItsFonts()
    {
        auto *host = dynamic_cast<IApplicationWithFontDataBase *>(qApp); // across the library boundary
        QVERIFY(host && host->fontDataBase());
        const QStringList families = host->fontDataBase()->supportedFontFamilies(), all = QFontDatabase::families();
        QVERIFY(!families.isEmpty());
        const auto usable = [](const QString &family) {
            return QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isPrivateFamily(family);
        };
        const bool anyScalable = std::any_of(all.cbegin(), all.cend(), usable);
        for (qsizetype i = 0; i < families.size(); ++i) {
            QVERIFY(all.contains(families.at(i)) && (!anyScalable || usable(families.at(i))));
            QVERIFY(i == 0 || families.at(i - 1).compare(families.at(i), Qt::CaseInsensitive) <= 0);
        }
    }
};

int main(int argc, char *argv[])
{
    TestApplication app(argc, argv);
    tst_ZelCoreUtils test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zelcore_utils.moc"
