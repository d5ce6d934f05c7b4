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
#include <QIcon>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
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

QString writeBytes(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName() : QString();
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
        QVERIFY(!m_png.isEmpty());
    }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void addByPathBuildsTheEntry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("png") << "shot.png" << QSize(640, 480);
        QTest::newRow("large jpeg") << "large.jpg" << QSize(1600, 1200);
        QTest::newRow("tall, small") << "tall.png" << QSize(20, 90);
        QTest::newRow("spaces") << "my holiday  shot .png" << QSize(64, 48);
        QTest::newRow("cyrillic") << "снимок экрана №1.png" << QSize(64, 48);
        QTest::newRow("markers") << "100% %1 crop %2.png" << QSize(64, 48);
        QTest::newRow("long cyrillic") << QString(120, u'ж') + ".png" << QSize(64, 48); // 244 bytes in UTF-8
    }
    void addByPathBuildsTheEntry()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QString path = writeImage(m_dir, name, size, QColor(20, 120, 220));
        QVERIFY(!path.isEmpty());
        ZelImageFileItemModel model;
        RowLog rows(&model);
        QCOMPARE(model.addImageFile(path), ZelStatus::Ok);
        QCOMPARE(rows.take(), (QStringList{"aboutToInsert(0,0)", "inserted(0,0)"}));
        QCOMPARE(model.data(model.index(0)).toString(), name);
        QVERIFY(model.containsFile(path));

        const ZelImageFile *file = model.files().value(0);
        QVERIFY(file);
        QCOMPARE(file->path, path);
        QVERIFY(file->loaded);
        QImage loaded(path);
        QCOMPARE(file->pixmap.size(), size.scaled(350, 350, Qt::KeepAspectRatio));
        QCOMPARE(file->iconPixmap.toImage(), file->pixmap.toImage());
        QCOMPARE(file->scaledFull.size(), MathUtils::thumbnailSize(size, QSize(800, 800)));
        QCOMPARE(file->scaledFull, ZelDIP::fromQImage(loaded.scaled(file->scaledFull.size())));
        QCOMPARE(file->toolTip.section(u'\n', 3), QStringLiteral("Resolution: %1x%2").arg(size.width()).arg(size.height()));
        QCOMPARE(file->toolTip.section(u'\n', 0, 1), QStringLiteral("Filename: %1\nPath: %2").arg(name, path));
    }

    void toolTipFileSizeText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("1000 kb, not above one mb") << qint64(1024000) << "1000 kb";
        QTest::newRow("just above one mb") << qint64(1024001) << "1 mb";
        QTest::newRow("1.5 mb") << qint64(1536000) << "1.5 mb";
        QTest::newRow("rounds up to 1 kb") << qint64(1023) << "1 kb";
        QTest::newRow("two decimals at most") << qint64(1029) << "1 kb"; // 1.00488
        QTest::newRow("hundredths round up") << qint64(1031) << "1.01 kb"; // 1.00684
    }
    void toolTipFileSizeText()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        const QString path =
            writeImage(m_dir, QStringLiteral("padded-%1.png").arg(bytes), QSize(8, 6), Qt::green, bytes);
        QVERIFY(!path.isEmpty());
        ZelImageFileItemModel model;
        QVERIFY(model.addImageFile(path).isOk());
        QCOMPARE(model.data(model.index(0), Qt::ToolTipRole).toString().section(u'\n', 2, 2),
                 QStringLiteral("File size: ") + text);
    }

    void toolTipInRussian()
    {
        RussianTranslation russian;
        QVERIFY(russian.loaded);
        const QString path = writeImage(m_dir, QStringLiteral("ru.png"), QSize(8, 6), Qt::green, 500000);
        ZelImageFileItemModel model;
        QVERIFY(model.addImageFile(path).isOk());
        QCOMPARE(model.data(model.index(0), Qt::ToolTipRole).toString(),
                 QStringLiteral("Имя файла: ru.png\nПуть: %1\nРазмер файла: 488.28 КБ\nРазрешение: 8x6").arg(path));
    }

    void dataForEveryRole()
    {
        ZelImageFileItemModel model;
        QVERIFY(model.addImageFile(m_png).isOk());
        auto *bare = new ZelImageFile; // built by the host, without a picture
        bare->path = QStringLiteral("/nowhere/bare.tif");
        bare->toolTip = QStringLiteral("host text");
        model.addImageFile(bare);
        model.addImageFile(static_cast<ZelImageFile *>(nullptr));
        QCOMPARE(model.rowCount(), 2);

        const QModelIndex shot = model.index(0), host = model.index(1);
        const ZelImageFile *file = model.files().at(0);
        QCOMPARE(model.data(shot, Qt::DisplayRole), QVariant(QStringLiteral("shot.png")));
        QCOMPARE(model.data(host, Qt::DisplayRole), QVariant(QStringLiteral("bare.tif")));
        const QIcon icon = model.data(shot, Qt::DecorationRole).value<QIcon>();
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Selected})
            QCOMPARE(icon.pixmap(file->iconPixmap.size(), mode).toImage(), file->iconPixmap.toImage());
        QVERIFY(model.data(host, Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(model.data(shot, Qt::ToolTipRole), QVariant(file->toolTip));
        QCOMPARE(model.data(host, Qt::ToolTipRole), QVariant(QStringLiteral("host text")));
        QCOMPARE(model.data(shot, Qt::SizeHintRole), QVariant(file->iconPixmap.size() + QSize(35, 20)));
        QCOMPARE(model.data(host, Qt::SizeHintRole), QVariant(QSize(35, 20)));
        for (int role : {int(Qt::EditRole), int(Qt::CheckStateRole), int(Qt::FontRole), int(Qt::UserRole)})
            QVERIFY(!model.data(shot, role).isValid());

        // An index past the rows (here one of another model) and an invalid one.
        QStandardItemModel other(5, 1);
        QVERIFY(!model.data(other.index(2, 0)).isValid());
        QVERIFY(!model.data(QModelIndex(), Qt::DisplayRole).isValid());

        QVERIFY(!model.setData(shot, QStringLiteral("x"), Qt::EditRole)); // read-only
        QCOMPARE(model.rowCount(shot), 2); // rows for any parent: the list itself
    }

    void removalsAndNotifications()
    {
        ZelImageFileItemModel model;
        RowLog rows(&model);
        model.clear(); // empty: nothing to announce
        for (int i = 0; i < 4; ++i)
            QVERIFY(model.addImageFile(m_png).isOk());
        QCOMPARE(rows.take().size(), 8);
        QVERIFY(model.containsFile(m_png));
        QVERIFY(!model.containsFile(m_png.toUpper()));

        // Outside the list, negative or empty: nothing happens.
        for (const auto &[row, count] : QList<std::pair<int, int>>{{-1, 1}, {3, 2}, {0, -1}, {2, 0}})
            QVERIFY(!model.removeRows(row, count));
        QCOMPARE(rows.take(), QStringList());
        QCOMPARE(model.rowCount(), 4);

        const QList<ZelImageFile *> before = model.files();
        QVERIFY(model.removeRows(1, 2));
        QCOMPARE(rows.take(), (QStringList{"aboutToRemove(1,2)", "removed(1,2)"}));
        QCOMPARE(model.files(), (QList<ZelImageFile *>{before[0], before[3]}));
        model.clear();
        QCOMPARE(rows.take(), (QStringList{"aboutToRemove(0,1)", "removed(0,1)"}));
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.containsFile(m_png));
    }

    void oneEntryAddedTwice()
    {
        ZelImageFileItemModel model;
        RowLog rows(&model);
        auto *entry = new ZelImageFile;
        entry->path = QStringLiteral("twice.png");
        model.addImageFile(entry);
        QVERIFY(model.addImageFile(m_png).isOk());
        model.addImageFile(entry);
        rows.take();
        // Each removal takes exactly the rows it announces; the entry goes with its last row.
        QVERIFY(model.removeRows(0, 1));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.data(model.index(1)).toString(), QStringLiteral("twice.png"));
        QVERIFY(model.removeRows(0, 2));
        QCOMPARE(rows.take(), (QStringList{"aboutToRemove(0,0)", "removed(0,0)", "aboutToRemove(0,1)", "removed(0,1)"}));
        QCOMPARE(model.rowCount(), 0);
    }

    void filesThatDoNotLoad_data()
    {
        QTest::addColumn<QString>("path"); // damaged images: damagedFilesOfEveryFormat
        QTest::newRow("text file") << writeBytes(m_dir, QStringLiteral("notes.txt"), "not an image\n");
        QTest::newRow("text named .png") << writeBytes(m_dir, QStringLiteral("fake.png"), "not an image\n");
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.png"));
        QTest::newRow("directory") << m_dir.path();
        QTest::newRow("empty path") << QString();
    }
    void filesThatDoNotLoad()
    {
        QFETCH(QString, path);
        ZelImageFileItemModel model;
        QVERIFY(model.addImageFile(m_png).isOk());
        RowLog rows(&model);
        ZelLog::clearRecords();

        const ZelStatus status = model.addImageFile(path);
        QVERIFY(!status.isOk());
        const ZelMessage message = status.message();
        QCOMPARE(message.messageType(), ZelLog::Warning);
        QCOMPARE(message.issueID(), 600);
        QCOMPARE(message.module(), QStringLiteral("ZelGui"));
        QCOMPARE(ZelLog::records(), QList<ZelMessage>{message});
        QCOMPARE(rows, QStringList());
        QCOMPARE(model.rowCount(), 1);
    }

    void damagedFilesOfEveryFormat_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("mayLoad"); // damaged past the header: a decoder may still show a part
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
        ZelImageFileListView view;
        view.setModel(&model);
        view.resize(300, 300);
        ZelLog::clearRecords();

        ZelStatus status;
        {
            const QuietDecoderWarnings quiet; // the decoders say what is wrong with the file
            status = model.addImageFile(path);
            view.grab();
        }
        if (!mayLoad)
            QVERIFY(!status.isOk());
        // Nothing lost: the entry before stays, and a refused file adds nothing.
        QCOMPARE(model.rowCount(), status.isOk() ? 2 : 1);
        QCOMPARE(model.data(model.index(0)).toString(), QStringLiteral("shot.png"));
        if (status.isOk()) {
            QVERIFY(!model.data(model.index(1), Qt::DecorationRole).value<QIcon>().isNull());
            QVERIFY(model.containsFile(path));
        } else {
            QCOMPARE(ZelLog::records().size(), 1);
            QVERIFY(!model.containsFile(path));
        }
    }

    void truncatedJpegShowsWhatDecoded()
    {
        // The JPEG decoder keeps the rows it could read and only warns.
        QFile jpeg(writeImage(m_dir, QStringLiteral("whole.jpg"), QSize(320, 240)));
        QVERIFY(jpeg.open(QIODevice::ReadOnly));
        const QString path = writeBytes(m_dir, QStringLiteral("cut.jpg"), jpeg.readAll().chopped(200));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Corrupt JPEG data")));
        ZelImageFileItemModel model;
        QVERIFY(model.addImageFile(path).isOk());
        QCOMPARE(model.data(model.index(0), Qt::ToolTipRole).toString().section(u'\n', 3),
                 QStringLiteral("Resolution: 320x240"));
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

    void viewFitsOneEntryAndShowsPictures_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide") << QSize(700, 420);
        QTest::newRow("tall") << QSize(300, 640);
        QTest::newRow("tiny") << QSize(30, 30);
    }
    void viewFitsOneEntryAndShowsPictures()
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
        QCOMPARE(view.QListView::iconSize(), view.iconSize());

        const int side = view.iconSize().width();
        const int line = QFontMetrics(view.viewport()->font()).height();
        QCOMPARE(view.iconSize().height(), side);
        QVERIFY(side <= view.viewport()->width() - 39 + (view.verticalScrollBar()->isVisible() ? 0 : 1));
        QVERIFY(side + view.spacing() + line <= view.viewport()->height() - 14);
        if (size.width() > 100) { // one side of the limit is reached
            QVERIFY(side >= qMin(view.viewport()->width() - 40 - view.verticalScrollBar()->width(),
                                 view.viewport()->height() - 15 - view.spacing() - line - view.horizontalScrollBar()->height()));
            // The first entry's picture shows in its place.
            const QRect item = view.visualRect(model.index(0));
            QVERIFY(item.isValid());
            const QImage shot = view.viewport()->grab().toImage();
            QCOMPARE(shot.pixelColor(item.center().x(), item.top() + item.height() / 3), QColor(Qt::red));
        }
    }

    void viewAnnouncesTheCurrentEntry()
    {
        ZelImageFileItemModel model;
        for (int i = 0; i < 3; ++i)
            QVERIFY(model.addImageFile(m_png).isOk());
        ZelImageFileListView view;
        view.setModel(&model);
        view.resize(300, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setFocus();
        view.setCurrentIndex(model.index(0));
        QSignalSpy spy(&view, &ZelImageFileListView::newCurrentIndex);
        QTest::keyClick(&view, Qt::Key_Down);
        view.setCurrentIndex(model.index(0));
        view.setCurrentIndex(model.index(0)); // no change, no announcement
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).value<QModelIndex>(), model.index(1));
        QCOMPARE(spy.at(1).at(0).value<QModelIndex>(), model.index(0));
    }

    void resizerScalesImagesAndFiles()
    {
        ZelPreviewResizer resizer;
        QSignalSpy finished(&resizer, &ZelPreviewResizer::finished);
        QSignalSpy error(&resizer, &ZelPreviewResizer::error);
        resizer.start(); // nothing to resize yet
        resizer.setSize(QSize(100, 50));
        resizer.setInput(ZelImage(filled(QSize(640, 480), Qt::yellow)));
        resizer.start();
        resizer.setAspectRatio(Qt::IgnoreAspectRatio);
        resizer.start();
        resizer.setInput(m_png);
        resizer.setAspectRatio(Qt::KeepAspectRatioByExpanding);
        resizer.start();
        resizer.setInput(m_dir.filePath(QStringLiteral("missing.png")));
        resizer.start();
        resizer.setInput(m_png);
        resizer.setSize(QSize(0, 40));
        resizer.start();

        QCOMPARE(error.size(), 3);
        QList<QSize> sizes;
        for (const QList<QVariant> &arguments : finished)
            sizes << arguments.at(0).value<ZelImage>().size();
        QCOMPARE(sizes, (QList<QSize>{QSize(640, 480).scaled(100, 50, Qt::KeepAspectRatio), QSize(100, 50),
                                      QSize(640, 480).scaled(100, 50, Qt::KeepAspectRatioByExpanding)}));
        QCOMPARE(finished.at(0).at(0).value<ZelImage>().toQImage().pixelColor(10, 10), QColor(Qt::yellow));
    }

    void resizerRefusesSizesNoImageCanHave_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("mode");
        QTest::newRow("largest size, keep ratio") << QSize(INT_MAX, INT_MAX) << int(Qt::KeepAspectRatio);
        QTest::newRow("wide, ignore ratio") << QSize(INT_MAX, 2) << int(Qt::IgnoreAspectRatio);
        QTest::newRow("thin, expand") << QSize(1, 100000) << int(Qt::KeepAspectRatioByExpanding);
        // Expanding to the largest size overflows QSize::scaled(); an unknown mode expands too.
        QTest::newRow("largest size, expand") << QSize(INT_MAX, INT_MAX) << int(Qt::KeepAspectRatioByExpanding);
        QTest::newRow("largest size, unknown mode") << QSize(INT_MAX, INT_MAX) << 6;
    }
    void resizerRefusesSizesNoImageCanHave()
    {
        QFETCH(QSize, size);
        QFETCH(int, mode);
        ZelPreviewResizer resizer;
        QSignalSpy finished(&resizer, &ZelPreviewResizer::finished);
        QSignalSpy error(&resizer, &ZelPreviewResizer::error);
        resizer.setInput(ZelImage(filled(QSize(37, 5), Qt::yellow)));
        resizer.setAspectRatio(Qt::AspectRatioMode(mode));
        resizer.setSize(size);
        resizer.start();
        QCOMPARE(error.size(), 1);
        QCOMPARE(finished.size(), 0);
        // The same resizer still serves a reasonable size.
        resizer.setSize(QSize(64, 48));
        resizer.start();
        QCOMPARE(finished.size(), 1);
    }
};

QTEST_MAIN(tst_ZelImageFiles)
#include "tst_zelimagefiles.moc"
