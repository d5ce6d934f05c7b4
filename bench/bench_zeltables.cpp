// Header views and the image file list against the Qt primitives they wrap:
// adding a large JPEG against decoding and scaling it, saving a header
// layout among many against one saveState() and one settings write, and
// painting the image list against a plain QListView with the same icons.

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelHorizontalHeaderView.h>
#include <ZelGui/ZelImageFileItemModel.h>
#include <ZelGui/ZelImageFileListView.h>

#include <ZelCore/MathUtils.h>
#include <ZelCore/ZelAbstractAppConfig.h>

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int listEntries = 1000;
constexpr int storedTables = 200;

// A photo-like picture: smooth gradients under noise, so that the JPEG
// decoder has real work.
QImage photo(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(30, 90, 160));
    gradient.setColorAt(0.5, QColor(220, 180, 90));
    gradient.setColorAt(1, QColor(40, 120, 60));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    QRandomGenerator generator(7);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int n = int(generator.bounded(24)) - 12;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + n, 255), qBound(0, qGreen(p) + n, 255), qBound(0, qBlue(p) + n, 255));
        }
    }
    return image;
}

} // namespace

class bench_ZelTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void addImageFile_data() { oursAndPrimitive(); }
    void addImageFile();
    void saveHeaderState_data() { oursAndPrimitive(); }
    void saveHeaderState();
    void paintImageList_data() { oursAndPrimitive(); }
    void paintImageList();

private:
    static void oursAndPrimitive()
    {
        QTest::addColumn<bool>("ours");
        QTest::newRow("ours") << true;
        QTest::newRow("primitive") << false;
    }

    QTemporaryDir m_dir;
    QString m_jpeg;
};

void bench_ZelTables::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QVERIFY(m_dir.isValid());
    m_jpeg = m_dir.filePath(QStringLiteral("large.jpg"));
    QVERIFY(photo(QSize(4000, 3000)).save(m_jpeg, "JPEG", 90));
}

// One add of a 4000 x 3000 JPEG (its entry removed again) against loading
// the file and making the same two scaled copies.
void bench_ZelTables::addImageFile()
{
    QFETCH(bool, ours);
    ZelImageFileItemModel model;
    if (ours) {
        QBENCHMARK {
            model.addImageFile(m_jpeg);
            model.clear();
        }
    } else {
        QBENCHMARK {
            QImage image;
            image.load(m_jpeg);
            const QImage preview = image.scaled(350, 350, Qt::KeepAspectRatio, Qt::FastTransformation);
            const QImage full = image.scaled(MathUtils::thumbnailSize(image.size(), QSize(800, 800)),
                                             Qt::KeepAspectRatio, Qt::FastTransformation);
            Q_UNUSED(preview);
            Q_UNUSED(full);
        }
    }
}

// One save of a 10-column header's layout with 200 other tables' layouts
// stored, against its saveState() written under a key of its own.
void bench_ZelTables::saveHeaderState()
{
    QFETCH(bool, ours);
    ZelAbstractAppConfig::reset();
    QStandardItemModel model(20, 10);
    QTableView table;
    table.setObjectName(QStringLiteral("table"));
    auto *header = new ZelHorizontalHeaderView("bench", Qt::Horizontal, &table);
    table.setHorizontalHeader(header);
    table.setModel(&model);
    header->resizeSection(3, 140);
    header->moveSection(0, 5);
    HeaderViewState states;
    for (int i = 0; i < storedTables; ++i)
        states.insert("_default/table" + QByteArray::number(i), header->saveState());
    settingHeaderViewState(states);
    header->setAllowSaveState(true);

    if (ours) {
        QBENCHMARK {
            header->mavHeaderView_saveState();
        }
    } else {
        const QString key = QStringLiteral("bench/headerstate");
        QBENCHMARK {
            ZelAbstractAppConfig::setSetting(key, header->saveState());
        }
    }
    ZelAbstractAppConfig::reset();
}

// One paint of the viewport of a 1000-entry list in icon mode.
void bench_ZelTables::paintImageList()
{
    QFETCH(bool, ours);
    QList<QPixmap> pictures;
    for (int i = 0; i < 8; ++i) {
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 45, 200, 220));
        pictures << QPixmap::fromImage(ZelImageFileItemModel::scaledImage(image));
    }

    ZelImageFileItemModel ourModel;
    QStandardItemModel plainModel;
    std::unique_ptr<QListView> view;
    if (ours) {
        for (int i = 0; i < listEntries; ++i) {
            auto *file = new ZelImageFile;
            file->pixmap = file->iconPixmap = pictures.at(i % pictures.size());
            file->path = QStringLiteral("/data/images/frame_%1.png").arg(i, 4, 10, QLatin1Char('0'));
            ourModel.addImageFile(file);
        }
        view = std::make_unique<ZelImageFileListView>();
        view->setModel(&ourModel);
    } else {
        // The same pictures, texts, alignment and item sizes.
        for (int i = 0; i < listEntries; ++i) {
            const QPixmap &picture = pictures.at(i % pictures.size());
            auto *item =
                new QStandardItem(QIcon(picture), QStringLiteral("frame_%1.png").arg(i, 4, 10, QLatin1Char('0')));
            item->setTextAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            item->setSizeHint(picture.size() + QSize(35, 20));
            plainModel.appendRow(item);
        }
        view = std::make_unique<QListView>();
        view->setWordWrap(true);
        view->setSpacing(7);
        view->setModel(&plainModel);
    }
    view->setViewMode(QListView::IconMode);
    view->resize(900, 600);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    if (!ours) { // the icon size our view picks for this size
        ZelImageFileListView sizer;
        sizer.setViewMode(QListView::IconMode);
        sizer.setModel(&ourModel);
        sizer.resize(view->size());
        sizer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sizer));
        view->setIconSize(sizer.QListView::iconSize());
    }
    QCoreApplication::processEvents();

    QImage target(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    QBENCHMARK {
        view->viewport()->render(&target);
    }
}

QTEST_MAIN(bench_ZelTables)
#include "bench_zeltables.moc"
