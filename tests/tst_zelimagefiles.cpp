// Image file list: entries from real files, roles, row notifications, files
// that do not load; the view's icon size; the preview resizer. Threads: tst_zelgui_stress.

#include "zelgui_testhelpers.h"

#include <ZelGui/ZelImageFileItemModel.h>
#include <ZelGui/ZelImageFileListView.h>
#include <ZelGui/ZelPreviewResizer.h>

#include <ZelCore/MathUtils.h>
#include <ZelDip/ZelDIP.h>
#include <ZelLog/ZelLog.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// With padTo, trailing bytes (PNG readers skip them) make the file that long.
QString writeImage(const QTemporaryDir &dir, const QString &name, QSize size, QColor colour = Qt::red, qint64 padTo = 0)
{
    const QString path = dir.filePath(name);
    if (!filled(size, colour).save(path))
        return QString();
    if (padTo > 0) {
        QFile file(path);
        if (!file.open(QIODevice::Append) || file.size() > padTo)
            return QString();
        file.write(QByteArray(padTo - file.size(), '\0'));
    }
    return path;
}

// Every row notification of the model, in order.
struct RowLog : QStringList
{
    explicit RowLog(ZelImageFileItemModel *model)
    {
        const auto watch = [this, model](auto signal, const char *name) {
            QObject::connect(model, signal, model, [this, name](const QModelIndex &, int first, int last) {
                append(QStringLiteral("%1(%2,%3)").arg(QLatin1String(name)).arg(first).arg(last));
            });
        };
        watch(&QAbstractItemModel::rowsAboutToBeInserted, "aboutToInsert");
        watch(&QAbstractItemModel::rowsInserted, "inserted");
        watch(&QAbstractItemModel::rowsAboutToBeRemoved, "aboutToRemove");
        watch(&QAbstractItemModel::rowsRemoved, "removed");
    }
    QStringList take() { return std::exchange<QStringList>(*this, {}); }
};

} // namespace

class tst_ZelImageFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_png; // 640 x 480, red

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        ZelLog::setEchoToQt(false);
        QVERIFY(m_dir.isValid());
        m_png = writeImage(m_dir, QStringLiteral("shot.png"), QSize(640, 480));
    }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void addByPathBuildsTheEntry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qint64>("bytes"); // the file padded to this length
        QTest::addColumn<QString>("fileSize"); // as the tool tip gives it
        QTest::newRow("large, just above one mb") << "large.png" << QSize(1600, 1200) << qint64(1024001) << "1 mb";
        QTest::newRow("1000 kb, not above one mb") << "square.png" << QSize(64, 64) << qint64(1024000) << "1000 kb";
        // Markers in the name stay as they are; hundredths round up (1.00684 kb).
        QTest::newRow("tall, small, markers") << "tall 100% %1 crop %2.png" << QSize(20, 90) << qint64(1031) << "1.01 kb";
    }
    void addByPathBuildsTheEntry()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(qint64, bytes);
        QFETCH(QString, fileSize);
        const QString path = writeImage(m_dir, name, size, QColor(20, 120, 220), bytes);
        ZelImageFileItemModel model;
        RowLog rows(&model);
        QCOMPARE(model.addImageFile(path), ZelStatus::Ok);
        QCOMPARE(rows.take(), (QStringList{"aboutToInsert(0,0)", "inserted(0,0)"}));
        QCOMPARE(model.data(model.index(0)).toString(), name);

        const ZelImageFile *file = model.files().value(0);
        QCOMPARE(file->pixmap.size(), size.scaled(350, 350, Qt::KeepAspectRatio));
        QCOMPARE(file->scaledFull.size(), MathUtils::thumbnailSize(size, QSize(800, 800)));
        QCOMPARE(file->scaledFull, ZelDIP::fromQImage(QImage(path).scaled(file->scaledFull.size())));
        QCOMPARE(model.data(model.index(0), Qt::ToolTipRole).toString(),
                 QStringLiteral("Filename: %1\nPath: %2\nFile size: %3\nResolution: %4x%5")
                     .arg(name, path, fileSize, QString::number(size.width()), QString::number(size.height())));
    }

    void removalsAndNotifications()
    {
        ZelImageFileItemModel model;
        RowLog rows(&model);
        auto *entry = new ZelImageFile;
        entry->path = QStringLiteral("twice.png");
        model.addImageFile(entry);
        for (int i = 0; i < 3; ++i)
            QVERIFY(model.addImageFile(m_png).isOk());
        model.addImageFile(entry);
        rows.take();

        // Exactly the announced rows go; an entry added twice goes with its last row.
        const QList<ZelImageFile *> before = model.files();
        QVERIFY(model.removeRows(0, 2));
        QCOMPARE(rows.take(), (QStringList{"aboutToRemove(0,1)", "removed(0,1)"}));
        QCOMPARE(model.files(), (QList<ZelImageFile *>{before[2], before[3], entry}));
        model.clear();
        QCOMPARE(rows.take(), (QStringList{"aboutToRemove(0,2)", "removed(0,2)"}));
    }

    // The damaged-image corpus and a missing file.
    void damagedFilesOfEveryFormat_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("mayLoad"); // damaged past the header: a decoder may still show a part
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.png")) << false;
        const QDir corpus(corpusDir(QStringLiteral("images")));
        const QFileInfoList files = corpus.entryInfoList(QDir::Files, QDir::Name);
        QVERIFY2(files.size() >= 50, qPrintable(corpus.path()));
        for (const QFileInfo &file : files) {
            const bool mayLoad = file.baseName() == QLatin1String("truncated-half") || file.baseName() == QLatin1String("scrambled-middle");
            QTest::newRow(qPrintable(file.fileName())) << file.filePath() << mayLoad;
        }
    }
    void damagedFilesOfEveryFormat()
    {
        QFETCH(QString, path);
        QFETCH(bool, mayLoad);
        ZelImageFileItemModel model;
        QVERIFY(model.addImageFile(m_png).isOk());
        RowLog rows(&model);
        ZelLog::clearRecords();

        const QuietDecoderWarnings quiet; // the decoders say what is wrong with the file
        const ZelStatus status = model.addImageFile(path);
        QVERIFY(mayLoad || !status.isOk());
        if (status.isOk()) {
            QVERIFY(!model.data(model.index(1), Qt::DecorationRole).value<QIcon>().isNull());
        } else {
            // Refused with a warning, logged once; nothing added, the entry before stays.
            QCOMPARE(status.message().messageType(), ZelLog::Warning);
            QCOMPARE(status.message().issueID(), 600);
            QCOMPARE(ZelLog::records(), QList<ZelMessage>{status.message()});
            QCOMPARE(rows, QStringList());
        }
    }

    void viewFitsOneEntryAndAnnouncesTheCurrentOne_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide") << QSize(700, 420);
        QTest::newRow("tall") << QSize(300, 640);
    }
    void viewFitsOneEntryAndAnnouncesTheCurrentOne()
    {
        QFETCH(QSize, size);
        ZelImageFileItemModel model;
        for (const QColor &colour : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)})
            QVERIFY(model.addImageFile(writeImage(m_dir, colour.name().mid(1) + ".png", QSize(400, 300), colour)).isOk());
        ZelImageFileListView view;
        view.setViewMode(QListView::IconMode);
        view.setModel(&model);
        view.resize(size);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        // A square icon; one entry with its caption fits the viewport.
        const int side = view.iconSize().width();
        const int line = QFontMetrics(view.viewport()->font()).height();
        QCOMPARE(view.iconSize().height(), side);
        QVERIFY(side <= view.viewport()->width() - 39 + (view.verticalScrollBar()->isVisible() ? 0 : 1));
        QVERIFY(side + view.spacing() + line <= view.viewport()->height() - 14);
        // The first entry's picture shows in its place.
        const QRect item = view.visualRect(model.index(0));
        const QImage shot = view.viewport()->grab().toImage();
        QCOMPARE(shot.pixelColor(item.center().x(), item.top() + item.height() / 3), QColor(Qt::red));

        view.setCurrentIndex(model.index(0));
        QSignalSpy spy(&view, &ZelImageFileListView::newCurrentIndex);
        QTest::keyClick(&view, Qt::Key_Right);
        view.setCurrentIndex(model.index(1)); // no change, no announcement
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).value<QModelIndex>(), model.index(1));
    }

    // An empty expected size: error() and no result.
    void resizerScalesOrRefuses_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QSize>("expected");
        const QString missing = m_dir.filePath(QStringLiteral("missing.png"));
        QTest::newRow("keep ratio") << m_png << QSize(100, 50) << int(Qt::KeepAspectRatio) << QSize(66, 50);
        QTest::newRow("ignore ratio") << m_png << QSize(100, 50) << int(Qt::IgnoreAspectRatio) << QSize(100, 50);
        QTest::newRow("expand") << m_png << QSize(100, 50) << int(Qt::KeepAspectRatioByExpanding) << QSize(100, 75);
        QTest::newRow("missing file") << missing << QSize(100, 50) << int(Qt::KeepAspectRatio) << QSize();
        QTest::newRow("zero width") << m_png << QSize(0, 40) << int(Qt::KeepAspectRatio) << QSize();
        // Expanding to the largest size overflows QSize::scaled().
        QTest::newRow("largest size, expand") << m_png << QSize(INT_MAX, INT_MAX) << int(Qt::KeepAspectRatioByExpanding) << QSize();
    }
    void resizerScalesOrRefuses()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(int, mode);
        QFETCH(QSize, expected);
        ZelPreviewResizer resizer;
        QSignalSpy finished(&resizer, &ZelPreviewResizer::finished);
        QSignalSpy error(&resizer, &ZelPreviewResizer::error);
        resizer.start(); // nothing to resize yet
        resizer.setInput(file);
        resizer.setAspectRatio(Qt::AspectRatioMode(mode));
        resizer.setSize(size);
        resizer.start();
        QCOMPARE(error.size(), expected.isValid() ? 1 : 2);
        QCOMPARE(finished.size(), expected.isValid() ? 1 : 0);
        if (expected.isValid())
            QCOMPARE(finished.at(0).at(0).value<ZelImage>().size(), expected);
    }
};

QTEST_MAIN(tst_ZelImageFiles)
#include "tst_zelimagefiles.moc"
