// ZelCore's helpers: zoom, rounding, thumbnails, file formats and
// directories, text helpers, performance counters and the host's fonts.

#include <ZelCore/FSUtils.h>
#include <ZelCore/IApplicationWithFontDataBase.h>
#include <ZelCore/MathUtils.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelCore.h>
#include <ZelCore/ZelPerfCounterStore.h>
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
#include <QtConcurrent>

#include <climits>

namespace {

const double nanValue = qQNaN();
const double inf = qInf();

// The host application: a QApplication that offers its fonts.
class TestApplication : public QApplication, public IApplicationWithFontDataBase
{
public:
    using QApplication::QApplication;
    ZelFontDataBase *fontDataBase() override { return &m_fonts; }

private:
    ZelFontDataBase m_fonts;
};

class ColourTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const bool red = qstrcmp(context, "ZelCore") == 0 && qstrcmp(sourceText, "Red") == 0;
        return red ? QStringLiteral("Rot") : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_ZelCoreUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    // First: the process-wide store must not exist yet.
    void perfStoreKeepsOrderAndBoundedHistory();
    void perfStoreTakesValuesFromManyThreads();

    void zoomPresetsAreWalkedInOrder();
    void zoomValueToText_data();
    void zoomValueToText();
    void zoomValidationAndSteps_data();
    void zoomValidationAndSteps();

    void roundIntegerValueToNearest_data();
    void roundIntegerValueToNearest();
    void thumbnailSize_data();
    void thumbnailSize();

    void imageFormatLists();
    void formatCaptionAndQuality_data();
    void formatCaptionAndQuality();
    void workDirIsRememberedPerContext();

    void textHelpers();
    void toHTMLReference_data();
    void toHTMLReference();
    void applicationOffersItsFonts();
};

void tst_ZelCoreUtils::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    ZelAbstractAppConfig::reset();
}

void tst_ZelCoreUtils::perfStoreKeepsOrderAndBoundedHistory()
{
    // Asked first from a worker, the shared store still lives in the main thread.
    QSharedPointer<ZelPerfCounterStore> shared;
    QScopedPointer<QThread> worker(QThread::create([&shared] { shared = zelPerfCounterStore(); }));
    worker->start();
    QVERIFY(worker->wait(10000));
    QCOMPARE(shared->thread(), qApp->thread());
    QCOMPARE(zelPerfCounterStore(), shared);

    ZelPerfCounterStore store;
    QSignalSpy added(&store, &ZelPerfCounterStore::metricAdded);
    for (const auto &[name, value] : {std::pair{"render", 1.0}, {"decode", 2.0}, {"render", 3.0}})
        store.addValue(QString::fromLatin1(name), value);
    QCOMPARE(store.metrics(), QList<QString>({QStringLiteral("render"), QStringLiteral("decode")}));
    QCOMPARE(added.size(), 2);
    QCOMPARE(added.at(1).at(0).toString(), QStringLiteral("decode"));
    QCOMPARE(store.data().value(QStringLiteral("render")), QList<double>({1.0, 3.0}));

    // Only the latest values stay, oldest first.
    const int total = ZelPerfCounterStore::historySize + 25;
    for (int i = 0; i < total; ++i)
        store.addValue(QStringLiteral("queue"), i);
    const QList<double> queue = store.values(QStringLiteral("queue"));
    QCOMPARE(queue.size(), ZelPerfCounterStore::historySize);
    QCOMPARE(queue.first(), double(total - ZelPerfCounterStore::historySize));
    QCOMPARE(queue.last(), double(total - 1));

    // After clear() a metric is new again.
    store.clear();
    QVERIFY(store.metrics().isEmpty() && store.data().isEmpty());
    store.addValue(QStringLiteral("render"), 4.0);
    QCOMPARE(added.size(), 4);
    QCOMPARE(store.values(QStringLiteral("render")), QList<double>({4.0}));
}

void tst_ZelCoreUtils::perfStoreTakesValuesFromManyThreads()
{
    ZelPerfCounterStore store;
    QAtomicInt announcements;
    connect(&store, &ZelPerfCounterStore::metricAdded, &store, [&announcements] { announcements.ref(); },
            Qt::DirectConnection);
    QList<int> workers(8);
    std::iota(workers.begin(), workers.end(), 0);
    QtConcurrent::blockingMap(workers, [&store](int worker) {
        for (int i = 0; i < 100; ++i) {
            store.addValue(QStringLiteral("shared"), i);
            store.addValue(QStringLiteral("worker %1").arg(worker), i);
        }
    });
    QCOMPARE(store.metrics().size(), 9);
    QCOMPARE(announcements.loadRelaxed(), 9);
    QCOMPARE(store.values(QStringLiteral("shared")).size(), qMin(800, ZelPerfCounterStore::historySize));
    QCOMPARE(store.values(QStringLiteral("worker 7")).size(), 100);
}

void tst_ZelCoreUtils::zoomPresetsAreWalkedInOrder()
{
    const QList<double> presets = ZoomDefs::zoomKeyValues();
    QCOMPARE(presets.first(), ZoomDefs::minZoom);
    QCOMPARE(presets.last(), ZoomDefs::maxZoom);
    QVERIFY(presets.contains(1.0));

    QList<double> up{ZoomDefs::minZoom};
    while (up.last() < ZoomDefs::maxZoom && up.size() < 100)
        up.append(ZoomDefs::zoomIn(up.last()));
    QCOMPARE(up, presets);
    QList<double> down{ZoomDefs::maxZoom};
    while (down.last() > ZoomDefs::minZoom && down.size() < 100)
        down.append(ZoomDefs::zoomOut(down.last()));
    std::reverse(down.begin(), down.end());
    QCOMPARE(down, presets);
}

void tst_ZelCoreUtils::zoomValueToText_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QString>("text");

    QTest::newRow("max") << 32.0 << "3200%";
    QTest::newRow("third") << 1.0 / 3.0 << "33.33%";
    QTest::newRow("noise below one") << 0.999999 << "100%";
    QTest::newRow("rounds half up") << 0.00125 << "0.13%";
    QTest::newRow("below resolution") << 0.00001 << "0%";
    QTest::newRow("negative zero") << -0.0 << "0%";
    QTest::newRow("nan") << nanValue << "-";
    QTest::newRow("-inf") << -inf << "-";
}

void tst_ZelCoreUtils::zoomValueToText()
{
    QFETCH(double, zoom);
    QFETCH(QString, text);
    QCOMPARE(ZoomDefs::zoomValueToText(zoom), text);
}

void tst_ZelCoreUtils::zoomValidationAndSteps_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("validated");
    QTest::addColumn<double>("in");
    QTest::addColumn<double>("out");

    // Steps start from the validated zoom.
    QTest::newRow("one") << 1.0 << 0.1 << 1.0 << 1.5 << 0.75;
    QTest::newRow("noise below one") << 0.999999 << 0.1 << 0.999999 << 1.5 << 0.75;
    QTest::newRow("between presets") << 0.9 << 0.1 << 0.9 << 1.0 << 0.75;
    QTest::newRow("at max") << 32.0 << 0.1 << 32.0 << 32.0 << 24.0;
    QTest::newRow("above max") << 40.0 << 0.1 << 32.0 << 32.0 << 24.0;
    QTest::newRow("inf") << inf << 0.1 << 32.0 << 32.0 << 24.0;
    QTest::newRow("below min") << 0.01 << 0.1 << 0.1 << 0.125 << 0.1;
    QTest::newRow("negative") << -3.0 << 0.1 << 0.1 << 0.125 << 0.1;
    QTest::newRow("-inf") << -inf << 0.1 << 0.1 << 0.125 << 0.1;
    QTest::newRow("nan") << nanValue << 0.1 << 1.0 << 1.5 << 0.75;
    QTest::newRow("nan below own min") << nanValue << 1.5 << 1.5 << 2.0 << 1.5;
    QTest::newRow("own min off the presets") << 0.33 << 0.3 << 0.33 << 0.5 << 0.3;
    QTest::newRow("at own min") << 0.3 << 0.3 << 0.3 << 0.33 << 0.3;
    QTest::newRow("min below presets") << 0.1 << 0.05 << 0.1 << 0.125 << 0.05;
    QTest::newRow("below a min below presets") << 0.01 << 0.05 << 0.05 << 0.1 << 0.05;
    QTest::newRow("minimum nan") << 0.01 << nanValue << 0.1 << 0.125 << 0.1;
    QTest::newRow("minimum zero") << 0.01 << 0.0 << 0.1 << 0.125 << 0.1;
    QTest::newRow("minimum above max") << 1.0 << 50.0 << 32.0 << 32.0 << 32.0;
}

void tst_ZelCoreUtils::zoomValidationAndSteps()
{
    QFETCH(double, zoom);
    QFETCH(double, minimum);
    QFETCH(double, validated);
    QFETCH(double, in);
    QFETCH(double, out);
    QCOMPARE(ZoomDefs::zoomValidation(zoom, minimum), validated);
    QCOMPARE(ZoomDefs::zoomIn(zoom, minimum), in);
    QCOMPARE(ZoomDefs::zoomOut(zoom, minimum), out);
}

void tst_ZelCoreUtils::roundIntegerValueToNearest_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected");

    QTest::newRow("below half") << 4 << 10 << 0;
    QTest::newRow("half") << 5 << 10 << 10;
    QTest::newRow("negative below half") << -4 << 10 << 0;
    QTest::newRow("negative half") << -15 << 10 << -20;
    QTest::newRow("negative step") << -25 << -10 << -30;
    QTest::newRow("step zero") << 7 << 0 << 7;
    QTest::newRow("INT_MIN, step -1") << INT_MIN << -1 << INT_MIN;
    QTest::newRow("INT_MAX, step 10") << INT_MAX << 10 << 2147483640;
    QTest::newRow("INT_MIN, step 10") << INT_MIN << 10 << -2147483640;
    QTest::newRow("INT_MIN, step INT_MIN") << INT_MIN << INT_MIN << INT_MIN;
    QTest::newRow("INT_MAX, step INT_MIN") << INT_MAX << INT_MIN << 0;
    QTest::newRow("INT_MIN, step INT_MAX") << INT_MIN << INT_MAX << -INT_MAX;
    QTest::newRow("half of INT_MAX") << (1 << 30) << INT_MAX << INT_MAX;
}

void tst_ZelCoreUtils::roundIntegerValueToNearest()
{
    QFETCH(int, value);
    QFETCH(int, step);
    QFETCH(int, expected);
    QCOMPARE(::roundIntegerValueToNearest(value, step), expected);
}

void tst_ZelCoreUtils::thumbnailSize_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("smaller keeps size") << QSize(100, 50) << QSize(200, 200) << QSize(100, 50);
    QTest::newRow("wide") << QSize(400, 200) << QSize(100, 100) << QSize(100, 50);
    QTest::newRow("rounding") << QSize(333, 100) << QSize(100, 100) << QSize(100, 30);
    QTest::newRow("sliver") << QSize(100000, 1) << QSize(100, 100) << QSize(100, 1);
    QTest::newRow("huge") << QSize(INT_MAX, INT_MAX) << QSize(64, 48) << QSize(48, 48);
    QTest::newRow("zero width") << QSize(0, 50) << QSize(100, 100) << QSize(0, 0);
    QTest::newRow("invalid image") << QSize() << QSize(100, 100) << QSize(0, 0);
    QTest::newRow("empty box") << QSize(100, 100) << QSize(0, 10) << QSize(0, 0);
}

void tst_ZelCoreUtils::thumbnailSize()
{
    QFETCH(QSize, image);
    QFETCH(QSize, box);
    QFETCH(QSize, expected);
    QCOMPARE(::thumbnailSize(image, box), expected);
}

void tst_ZelCoreUtils::imageFormatLists()
{
    const QList<QByteArray> qtRead = QImageReader::supportedImageFormats();
    const QList<QByteArray> read = FSUtils::supportedReadImageFormats();
    QCOMPARE(QSet<QByteArray>(read.cbegin(), read.cend()),
             QSet<QByteArray>(qtRead.cbegin(), qtRead.cend()) + QSet<QByteArray>{FSUtils::formatDCM});
    const QList<QByteArray> qtWrite = QImageWriter::supportedImageFormats();
    const QList<QByteArray> write = FSUtils::supportedWriteImageFormats();
    QCOMPARE(QSet<QByteArray>(write.cbegin(), write.cend()), QSet<QByteArray>(qtWrite.cbegin(), qtWrite.cend()));
    for (const QList<QByteArray> &list : {read, write}) // sorted, no repeats
        QVERIFY(std::adjacent_find(list.cbegin(), list.cend(), std::greater_equal<>()) == list.cend());

    // Export: the friendly ones first, then the rest sorted; aliases once.
    const QList<QByteArray> exported = FSUtils::imageFormatsForExport();
    QList<QByteArray> front;
    for (const char *format : {"png", "jpg", "bmp", "tif"}) {
        if (qtWrite.contains(format) || (qstrcmp(format, "tif") == 0 && qtWrite.contains("tiff")))
            front.append(format);
    }
    QCOMPARE(exported.mid(0, front.size()), front);
    QVERIFY(std::is_sorted(exported.cbegin() + front.size(), exported.cend()));
    for (const QByteArray &format : qtWrite) {
        const QByteArray name = format == "jpeg" ? QByteArray("jpg") : format == "tiff" ? QByteArray("tif") : format;
        QCOMPARE(exported.count(name), 1);
    }
    QVERIFY(!exported.contains("jpeg"));
}

void tst_ZelCoreUtils::formatCaptionAndQuality_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("quality");

    // Qt's png writer maps the quality to its compression level.
    QTest::newRow("png") << QByteArray("png") << "PNG image (*.png)" << true;
    QTest::newRow("jpeg") << QByteArray("jpeg") << "JPEG image (*.jpg *.jpeg)" << true;
    QTest::newRow("upper case") << QByteArray("JPG") << "JPEG image (*.jpg *.jpeg)" << true;
    QTest::newRow("tiff") << QByteArray("tiff") << "TIFF image (*.tif *.tiff)" << false;
    QTest::newRow("webp") << QByteArray("webp") << "WebP image (*.webp)" << true;
    QTest::newRow("dcm") << QByteArray(FSUtils::formatDCM) << "DICOM image (*.dcm)" << false;
    QTest::newRow("unknown") << QByteArray("Raw") << "RAW image (*.raw)" << false;
    QTest::newRow("empty") << QByteArray() << FSUtils::filterAll << false;
}

void tst_ZelCoreUtils::formatCaptionAndQuality()
{
    QFETCH(QByteArray, format);
    QFETCH(QString, caption);
    QFETCH(bool, quality);
    QCOMPARE(FSUtils::formatCaption(format), caption);
    QCOMPARE(FSUtils::supportQualityWrite(format), quality);
}

void tst_ZelCoreUtils::workDirIsRememberedPerContext()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("a/b")) && QDir(root.path()).mkpath(QStringLiteral("c")));
    const QString a = QDir::cleanPath(root.filePath(QStringLiteral("a")));
    const QString c = QDir::cleanPath(root.filePath(QStringLiteral("c")));
    QCOMPARE(FSUtils::workDir("export"), QDir::homePath());

    QSignalSpy changed(ZelAbstractAppConfig::notifier(), &ZelSettingsNotifier::settingChanged);
    FSUtils::setWorkDir(root.filePath(QStringLiteral("a/b/../")), "export");
    FSUtils::setWorkDir(c, "import");
    FSUtils::setWorkDir(a, "export"); // already stored: no write
    QCOMPARE(FSUtils::workDir("export"), a);
    QCOMPARE(FSUtils::workDir("import"), c);
    QCOMPARE(FSUtils::workDir("other"), QDir::homePath());
    QCOMPARE(changed.size(), 2);

    // One hash under the shared key.
    const QString key = QStringLiteral("document/working_directory");
    const QVariant stored = ZelAbstractAppConfig::setting(key);
    QCOMPARE(stored.metaType(), QMetaType::fromType<ContextedDirectory>());
    QCOMPARE(stored.value<ContextedDirectory>(), ContextedDirectory({{"export", a}, {"import", c}}));

    // A directory that went away is not offered; an empty one forgets.
    QVERIFY(QDir(c).removeRecursively());
    QCOMPARE(FSUtils::workDir("import"), QDir::homePath());
    FSUtils::setWorkDir(QString(), "export");
    QCOMPARE(FSUtils::workDir("export"), QDir::homePath());
    QVERIFY(!ZelAbstractAppConfig::setting(key).value<ContextedDirectory>().contains("export"));
}

void tst_ZelCoreUtils::textHelpers()
{
    ColourTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(ZelCore::translateString(QStringLiteral("Red")), QStringLiteral("Rot"));
    QCOMPARE(ZelCore::translateString(QStringLiteral("Blue")), QStringLiteral("Blue"));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(ZelCore::translateString(QStringLiteral("Red")), QStringLiteral("Red"));

    QCoreApplication::setOrganizationDomain(QString());
    QCOMPARE(ZelCore::organizationDomain(), QStringLiteral("example.org"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("imaging.test"));
    QCOMPARE(ZelCore::organizationDomain(), QStringLiteral("imaging.test"));
}

void tst_ZelCoreUtils::toHTMLReference_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("html");

    QTest::newRow("bare host") << "example.org" << "<a href=\"https://example.org\">example.org</a>";
    QTest::newRow("http kept") << "http://example.org" << "<a href=\"http://example.org\">http://example.org</a>";
    QTest::newRow("mailto") << "mailto:a@example.org" << "<a href=\"mailto:a@example.org\">mailto:a@example.org</a>";
    QTest::newRow("port is no scheme") << "example.org:8080/x"
                                       << "<a href=\"https://example.org:8080/x\">example.org:8080/x</a>";
    QTest::newRow("escaped") << "example.org/?a=1&b=\"2\""
                             << "<a href=\"https://example.org/?a=1&amp;b=&quot;2&quot;\">"
                                "example.org/?a=1&amp;b=&quot;2&quot;</a>";
    QTest::newRow("trimmed") << "  example.org \n" << "<a href=\"https://example.org\">example.org</a>";
    QTest::newRow("blank") << "   " << "";
}

void tst_ZelCoreUtils::toHTMLReference()
{
    QFETCH(QString, url);
    QFETCH(QString, html);
    QCOMPARE(ZelCore::toHTMLReference(url), html);
}

void tst_ZelCoreUtils::applicationOffersItsFonts()
{
    // Found through the application object, across the library boundary.
    auto *host = dynamic_cast<IApplicationWithFontDataBase *>(qApp);
    QVERIFY(host && host->fontDataBase());
    const QStringList families = host->fontDataBase()->supportedFontFamilies();
    QVERIFY(!families.isEmpty());

    const QStringList all = QFontDatabase::families();
    const bool anyScalable = std::any_of(all.cbegin(), all.cend(), [](const QString &family) {
        return QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isPrivateFamily(family);
    });
    for (qsizetype i = 0; i < families.size(); ++i) {
        QVERIFY(all.contains(families.at(i)));
        if (anyScalable)
            QVERIFY2(QFontDatabase::isSmoothlyScalable(families.at(i)) && !QFontDatabase::isPrivateFamily(families.at(i)),
                     qPrintable(families.at(i)));
        if (i > 0)
            QVERIFY(families.at(i - 1).compare(families.at(i), Qt::CaseInsensitive) <= 0);
    }
}

int main(int argc, char *argv[])
{
    TestApplication app(argc, argv);
    tst_ZelCoreUtils test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zelcore_utils.moc"
