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
QString writeImage(const QTemporaryDir &dir, const QString &name, QSize size, QColor colour = Qt::red,
                   qint64 padTo = 0)
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
        QTest::newRow("large jpeg") << "large.jpg" << QSize(1600, 1200);
        QTest::newRow("tall, small") << "tall.png" << QSize(20, 90);
        QTest::newRow("cyrillic, markers") << "снимок 100% %1 crop %2.png" << QSize(64, 48);
    }
    void addByPathBuildsTheEntry()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QString path = writeImage(m_dir, name, size, QColor(20, 120, 220));
        ZelImageFileItemModel model;
        RowLog rows(&model);
        QCOMPARE(model.addImageFile(path), ZelStatus::Ok);
        QCOMPARE(rows.take(), (QStringList{"aboutToInsert(0,0)", "inserted(0,0)"}));
        QCOMPARE(model.data(model.index(0)).toString(), name);

        const ZelImageFile *file = model.files().value(0);
        QVERIFY(file->loaded);
        QCOMPARE(file->pixmap.size(), size.scaled(350, 350, Qt::KeepAspectRatio));
        QCOMPARE(file->scaledFull.size(), MathUtils::thumbnailSize(size, QSize(800, 800)));
        QCOMPARE(file->scaledFull, ZelDIP::fromQImage(QImage(path).scaled(file->scaledFull.size())));
        QCOMPARE(file->toolTip.section(u'\n', 3), QStringLiteral("Resolution: %1x%2").arg(size.width()).arg(size.height()));
        QCOMPARE(file->toolTip.section(u'\n', 0, 1), QStringLiteral("Filename: %1\nPath: %2").arg(name, path));
    }

    void toolTipFileSizeText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("1000 kb, not above one mb") << qint64(1024000) << "1000 kb";
        QTest::newRow("just above one mb") << qint64(1024001) << "1 mb";
        QTest::newRow("hundredths round up") << qint64(1031) << "1.01 kb"; // 1.00684
    }
    void toolTipFileSizeText()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        const QString path =
            writeImage(m_dir, QStringLiteral("padded-%1.png").arg(bytes), QSize(8, 6), Qt::green, bytes);
        ZelImageFileItemModel model;
        QVERIFY(model.addImageFile(path).isOk());
        QCOMPARE(model.data(model.index(0), Qt::ToolTipRole).toString().section(u'\n', 2, 2),
                 QStringLiteral("File size: ") + text);
    }

    void dataForEveryRole()
    {
        ZelImageFileItemModel model;
        QVERIFY(model.addImageFile(m_png).isOk());
        auto *bare = new ZelImageFile; // built by the host, without a picture
        bare->path = QStringLiteral("/nowhere/bare.tif");
        model.addImageFile(bare);

        const QModelIndex shot = model.index(0);
        const QModelIndex host = model.index(1);
        const ZelImageFile *file = model.files().at(0);
        const QIcon icon = model.data(shot, Qt::DecorationRole).value<QIcon>();
        QCOMPARE(icon.pixmap(file->iconPixmap.size(), QIcon::Selected).toImage(), file->iconPixmap.toImage());
        QVERIFY(model.data(host, Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(model.data(shot, Qt::SizeHintRole), QVariant(file->iconPixmap.size() + QSize(35, 20)));
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

        // Outside the list, negative or empty: nothing happens.
        for (const auto &[row, count] : QList<std::pair<int, int>>{{-1, 1}, {4, 2}, {0, -1}, {2, 0}})
            QVERIFY(!model.removeRows(row, count));
        QCOMPARE(rows.take(), QStringList());

        // Exactly the announced rows go; an entry added twice goes with its last row.
        const QList<ZelImageFile *> before = model.files();
        QVERIFY(model.removeRows(0, 2));
        QCOMPARE(rows.take(), (QStringList{"aboutToRemove(0,1)", "removed(0,1)"}));
        QCOMPARE(model.files(), (QList<ZelImageFile *>{before[2], before[3], entry}));
        QCOMPARE(model.data(model.index(2)).toString(), QStringLiteral("twice.png"));
        model.clear();
        QCOMPARE(rows.take(), (QStringList{"aboutToRemove(0,2)", "removed(0,2)"}));
        QVERIFY(!model.containsFile(m_png));
    }

    // The damaged-image corpus and files that are no image at all.
    void damagedFilesOfEveryFormat_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("mayLoad"); // damaged past the header: a decoder may still show a part
        QFile fake(m_dir.filePath(QStringLiteral("fake.png")));
        QVERIFY(fake.open(QIODevice::WriteOnly) && fake.write("not an image\n") > 0);
        QTest::newRow("text named .png") << fake.fileName() << false;
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.png")) << false;
        QTest::newRow("directory") << m_dir.path() << false;
        const QDir corpus(corpusDir(QStringLiteral("images")));
        const QFileInfoList files = corpus.entryInfoList(QDir::Files, QDir::Name);
        QVERIFY2(files.size() >= 50, qPrintable(corpus.path()));
        for (const QFileInfo &file : files) {
            const bool mayLoad = file.baseName() == QLatin1String("truncated-half")
                                 || file.baseName() == QLatin1String("scrambled-middle");
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

    void scaledImageFitsThePreview()
    {
        // Scaled up or down into 350 x 350; never thinner than a pixel.
        const QList<std::pair<QSize, QSize>> cases{{QSize(640, 480), QSize(350, 262)}, {QSize(10, 20), QSize(175, 350)},
                                                   {QSize(3000, 2), QSize(350, 1)}, {QSize(350, 350), QSize(350, 350)}};
        for (const auto &[size, scaled] : cases)
            QCOMPARE(ZelImageFileItemModel::scaledImage(filled(size, Qt::blue)).size(), scaled);
        QVERIFY(ZelImageFileItemModel::scaledImage(QImage()).isNull());
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
        QVERIFY(side >= qMin(view.viewport()->width() - 40 - view.verticalScrollBar()->width(),
                             view.viewport()->height() - 15 - view.spacing() - line - view.horizontalScrollBar()->height()));
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

    // An empty expected size: error() and no result; the resizer then still serves a reasonable size.
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
        QTest::newRow("largest size, keep ratio") << m_png << QSize(INT_MAX, INT_MAX) << int(Qt::KeepAspectRatio) << QSize();
        // Expanding to the largest size overflows QSize::scaled(); an unknown mode expands too.
        QTest::newRow("largest size, expand") << m_png << QSize(INT_MAX, INT_MAX) << int(Qt::KeepAspectRatioByExpanding) << QSize();
        QTest::newRow("largest size, unknown mode") << m_png << QSize(INT_MAX, INT_MAX) << 6 << QSize();
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
        if (expected.isValid()) {
            QCOMPARE(finished.size(), 1);
            QCOMPARE(finished.at(0).at(0).value<ZelImage>().size(), expected);
        } else {
            QCOMPARE(finished.size(), 0);
            resizer.setInput(ZelImage(filled(QSize(640, 480), Qt::yellow)));
            resizer.setSize(QSize(64, 48));
            resizer.start();
            QCOMPARE(finished.size(), 1);
            QCOMPARE(finished.at(0).at(0).value<ZelImage>().toQImage().pixelColor(10, 10), QColor(Qt::yellow));
        }
    }
};

QTEST_MAIN(tst_ZelImageFiles)
#include "tst_zelimagefiles.moc"
