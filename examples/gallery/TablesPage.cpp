#include "TablesPage.h"

#include "GalleryLabels.h"

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelHeaderProfileEditor.h>
#include <ZelGui/ZelHorizontalHeaderView.h>
#include <ZelGui/ZelImageFileItemModel.h>
#include <ZelGui/ZelImageFileListView.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelFileDialog.h>
#include <ZelLog/Issue.h>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int tableRows = 300;
constexpr int sampleCount = 12;

const QString profilesKey = QStringLiteral("general/table_header_profiles");
const QString statesKey = QStringLiteral("elements/tableheaderstate");
const QString activeKey = QStringLiteral("elements/activeprofile");

QPushButton *button(const QString &text, QWidget *parent)
{
    auto *result = new QPushButton(text, parent);
    result->setAutoDefault(false);
    return result;
}

// A picture worth a thumbnail: a gradient in the sample's own hue, a few
// discs and its number.
QImage samplePicture(int number, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int hue = (number * 360 / sampleCount) % 360;
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor::fromHsv(hue, 160, 250));
    gradient.setColorAt(1, QColor::fromHsv((hue + 60) % 360, 220, 120));
    painter.fillRect(image.rect(), gradient);
    QRandomGenerator generator{quint32(number)};
    for (int i = 0; i < 6; ++i) {
        const int r = generator.bounded(size.height() / 10, size.height() / 4);
        painter.setBrush(QColor::fromHsv((hue + 180) % 360, 120, 255, 150));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(generator.bounded(size.width()), generator.bounded(size.height())), r, r);
    }
    QFont font = painter.font();
    font.setPixelSize(size.height() / 5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("%1").arg(number));
    return image;
}

} // namespace

TablesPage::TablesPage(QWidget *parent)
    : GalleryPage(parent)
    , m_log(new SignalLog(this))
    , m_loader(new QTimer(this))
{
    setObjectName(QStringLiteral("tablesPage"));
    m_log->setObjectName(QStringLiteral("log"));
    m_loader->setInterval(0);
    connect(m_loader, &QTimer::timeout, this, &TablesPage::loadNextFile);

    auto *logBox = new QGroupBox(QStringLiteral("Signals, newest last"), this);
    auto *logLayout = new QVBoxLayout(logBox);
    logLayout->addWidget(m_log);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(createTableBox(), 0, 0);
    grid->addWidget(logBox, 1, 0);
    grid->addWidget(createImageBox(), 0, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(1, 1);

    connect(ZelAbstractAppConfig::notifier(), &ZelSettingsNotifier::settingChanged, this, [this](const QString &key) {
        if (key == profilesKey || key == activeKey)
            refreshProfiles();
        if (key == statesKey || key == activeKey)
            updateHeaderReadout();
    });
    refreshProfiles();
    updateHeaderReadout();
}

TablesPage::~TablesPage() = default;

QWidget *TablesPage::createTableBox()
{
    auto *box = new QGroupBox(QStringLiteral("ZelHorizontalHeaderView and ZelHeaderProfileEditor"), this);
    box->setObjectName(QStringLiteral("tableBox"));

    m_tableModel = new QStandardItemModel(tableRows, 0, this);
    m_table = new QTableView(box);
    m_table->setObjectName(QStringLiteral("tableView"));
    m_table->setAccessibleName(QStringLiteral("Element table"));
    // Tab leaves the table; the arrows move between cells.
    m_table->setTabKeyNavigation(false);
    // The header's id comes from where it sits: /captures/tableView/tableBox/tablesPage.
    m_header = new ZelHorizontalHeaderView("captures", Qt::Horizontal, m_table);
    m_table->setHorizontalHeader(m_header);
    m_header->setSectionsClickable(true);
    m_header->setHighlightSections(true);
    fillTable();
    m_table->setModel(m_tableModel);
    m_header->setSortIndicator(0, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_header->setAllowSaveState(true);
    m_header->mavHeaderView_loadState();

    m_profiles = new QComboBox(box);
    m_profiles->setObjectName(QStringLiteral("profiles"));
    m_profiles->setPlaceholderText(QStringLiteral("Default layout (no profile)"));
    m_profiles->setMinimumContentsLength(14);
    m_profiles->setAccessibleName(QStringLiteral("Column profile"));
    m_newProfile = new QLineEdit(box);
    m_newProfile->setObjectName(QStringLiteral("newProfile"));
    m_newProfile->setPlaceholderText(QStringLiteral("New profile name"));
    m_newProfile->setAccessibleName(QStringLiteral("New profile name"));
    auto *use = button(QStringLiteral("Use"), box);
    use->setObjectName(QStringLiteral("useProfile"));
    auto *edit = button(QStringLiteral("Edit profiles…"), box);
    edit->setObjectName(QStringLiteral("editProfiles"));
    auto *columns = button(QStringLiteral("Columns…"), box);
    columns->setToolTip(QStringLiteral("The header's context menu, also for the keyboard"));
    m_headerReadout = readoutLabel(box);

    auto *profileRow = new QHBoxLayout;
    profileRow->addWidget(new QLabel(QStringLiteral("Profile:"), box));
    profileRow->addWidget(m_profiles, 1);
    profileRow->addWidget(edit);
    profileRow->addWidget(columns);
    auto *newProfileRow = new QHBoxLayout;
    newProfileRow->addWidget(new QLabel(QStringLiteral("Switch to a new profile:"), box));
    newProfileRow->addWidget(m_newProfile, 1);
    newProfileRow->addWidget(use);
    auto *hint = hintLabel(
        QStringLiteral("Move, resize, sort and hide columns (right-click the header, or Shift+F10 in the table): the "
                       "layout is saved at once, per profile, and comes back after a "
                       "restart of the gallery."),
        box);

    auto *layout = new QVBoxLayout(box);
    layout->addLayout(profileRow);
    layout->addLayout(newProfileRow);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_headerReadout);
    layout->addWidget(hint);

    connect(m_profiles, &QComboBox::activated, this, [this](int index) {
        const QString name = m_profiles->itemText(index);
        logLine(QStringLiteral("setProfileId(\"%1\")").arg(name));
        m_header->setProfileId(name);
    });
    const auto useNew = [this] {
        const QString name = m_newProfile->text().trimmed();
        if (name.isEmpty())
            return;
        logLine(QStringLiteral("setProfileId(\"%1\")").arg(name));
        m_header->setProfileId(name);
        m_newProfile->clear();
    };
    connect(use, &QPushButton::clicked, this, useNew);
    connect(m_newProfile, &QLineEdit::returnPressed, this, useNew);
    connect(edit, &QPushButton::clicked, this, &TablesPage::editProfiles);
    connect(columns, &QPushButton::clicked, this, [this, columns] {
        // The menu opens under the button, as a right click on the header would.
        const QPoint at = m_header->viewport()->mapFromGlobal(columns->mapToGlobal(QPoint(0, columns->height())));
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, columns->mapToGlobal(QPoint(0, columns->height())));
        QApplication::sendEvent(m_header->viewport(), &event);
    });

    connect(m_header, &QHeaderView::sectionMoved, this, [this](int logical, int from, int to) {
        logLine(QStringLiteral("header: sectionMoved(%1, %2, %3)").arg(logical).arg(from).arg(to));
    });
    connect(m_header, &QHeaderView::sectionResized, this, [this](int logical, int from, int to) {
        logLine(QStringLiteral("header: sectionResized(%1, %2, %3)").arg(logical).arg(from).arg(to));
    });
    connect(m_header, &QHeaderView::sortIndicatorChanged, this, [this](int section, Qt::SortOrder order) {
        logLine(QStringLiteral("header: sortIndicatorChanged(%1, %2)")
                    .arg(section)
                    .arg(order == Qt::AscendingOrder ? QStringLiteral("ascending") : QStringLiteral("descending")));
    });
    return box;
}

void TablesPage::fillTable()
{
    static const QStringList cameras{QStringLiteral("Left bay"), QStringLiteral("Right bay"),
                                     QStringLiteral("Overview"), QStringLiteral("Microscope")};
    static const QStringList statuses{QStringLiteral("Saved"), QStringLiteral("Pending"), QStringLiteral("Discarded")};
    m_tableModel->setHorizontalHeaderLabels({QStringLiteral("#"), QStringLiteral("Frame"), QStringLiteral("Camera"),
                                             QStringLiteral("Exp., ms"), QStringLiteral("Gain, dB"),
                                             QStringLiteral("Width"), QStringLiteral("Height"), QStringLiteral("Focus"),
                                             QStringLiteral("Captured"), QStringLiteral("Status")});
    // The context menu prefers this longer name to the column's title.
    m_tableModel->setHeaderData(3, Qt::Horizontal, QStringLiteral("Exposure time, ms"), Qt::UserRole + 1);

    QRandomGenerator generator(2024);
    const QDateTime start(QDate(2024, 3, 1), QTime(9, 0));
    for (int row = 0; row < tableRows; ++row) {
        const int side = 512 << generator.bounded(3);
        const QList<QVariant> values{
            row + 1,
            QStringLiteral("frame_%1.tif").arg(row + 1, 4, 10, QLatin1Char('0')),
            cameras.at(generator.bounded(int(cameras.size()))),
            qRound((0.5 + generator.bounded(249.5)) * 10) / 10.0,
            generator.bounded(0, 24),
            side * 4 / 3,
            side,
            qRound(generator.generateDouble() * 1000) / 1000.0,
            start.addSecs(qint64(row) * 97 + generator.bounded(60)).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
            statuses.at(generator.bounded(int(statuses.size()))),
        };
        for (int column = 0; column < values.size(); ++column) {
            auto *item = new QStandardItem;
            item->setData(values.at(column), Qt::DisplayRole);
            item->setEditable(false);
            m_tableModel->setItem(row, column, item);
        }
    }
}

QWidget *TablesPage::createImageBox()
{
    auto *box = new QGroupBox(QStringLiteral("ZelImageFileListView and ZelImageFileItemModel"), this);
    m_images = new ZelImageFileItemModel(this);
    m_imageList = new ZelImageFileListView(box);
    m_imageList->setObjectName(QStringLiteral("imageList"));
    m_imageList->setViewMode(QListView::IconMode);
    m_imageList->setResizeMode(QListView::Adjust);
    m_imageList->setMovement(QListView::Static);
    m_imageList->setAccessibleName(QStringLiteral("Image files"));
    m_imageList->setModel(m_images);

    m_folder = readoutLabel(box);
    auto *choose = button(QStringLiteral("Choose folder…"), box);
    auto *samples = button(QStringLiteral("Sample images"), box);
    auto *remove = button(QStringLiteral("Remove"), box);
    auto *clear = button(QStringLiteral("Clear"), box);
    m_imageReadout = readoutLabel(box);
    m_imageReadout->setMinimumHeight(4 * m_imageReadout->fontMetrics().height());
    m_imageReadout->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(choose);
    buttons->addWidget(samples);
    buttons->addStretch(1);
    buttons->addWidget(remove);
    buttons->addWidget(clear);
    auto *layout = new QVBoxLayout(box);
    layout->addLayout(buttons);
    layout->addWidget(m_folder);
    layout->addWidget(m_imageList, 1);
    layout->addWidget(m_imageReadout);

    connect(choose, &QPushButton::clicked, this, [this] {
        const QString directory =
            ZelFileDialog::getDirectory(this, QStringLiteral("Folder of images"), QString(), "gallery/images");
        if (!directory.isEmpty())
            loadFolder(directory);
    });
    connect(samples, &QPushButton::clicked, this, &TablesPage::loadSamples);
    connect(remove, &QPushButton::clicked, this, [this] {
        const QModelIndex current = m_imageList->currentIndex();
        if (current.isValid())
            m_images->removeRows(current.row(), 1);
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        m_pending.clear();
        m_images->clear();
    });
    connect(m_imageList, &ZelImageFileListView::newCurrentIndex, this, &TablesPage::showCurrentImage);
    connect(m_images, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first, int last) {
        logLine(QStringLiteral("images: rowsInserted(%1, %2)").arg(first).arg(last));
    });
    connect(m_images, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex &, int first, int last) {
        logLine(QStringLiteral("images: rowsRemoved(%1, %2)").arg(first).arg(last));
    });
    return box;
}

void TablesPage::showEvent(QShowEvent *event)
{
    GalleryPage::showEvent(event);
    if (!m_samples)
        loadSamples();
}

void TablesPage::loadSamples()
{
    if (!m_samples) {
        m_samples = std::make_unique<QTemporaryDir>();
        if (!m_samples->isValid()) {
            logLine(QStringLiteral("cannot create a folder for the sample images"));
            return;
        }
        static const QSize sizes[] = {QSize(960, 640), QSize(600, 900), QSize(1600, 500), QSize(800, 800)};
        for (int i = 1; i <= sampleCount; ++i) {
            const QString name = QStringLiteral("sample %1.%2")
                                     .arg(i, 2, 10, QLatin1Char('0'))
                                     .arg(i % 2 ? QLatin1String("png") : QLatin1String("jpg"));
            samplePicture(i, sizes[i % 4]).save(m_samples->filePath(name));
        }
        // One that is not an image, to show what a failure looks like.
        QFile broken(m_samples->filePath(QStringLiteral("sample 99 (broken).jpg")));
        if (broken.open(QIODevice::WriteOnly))
            broken.write("not an image\n");
    }
    loadFolder(m_samples->path());
}

void TablesPage::loadFolder(const QString &directory)
{
    m_images->clear();
    m_folder->setText(QStringLiteral("Folder: %1").arg(QDir::toNativeSeparators(directory)));
    const QDir dir(directory);
    m_pending.clear();
    for (const QString &name : dir.entryList(QDir::Files | QDir::Readable, QDir::Name))
        m_pending.append(dir.filePath(name));
    logLine(QStringLiteral("loading %1 files from %2").arg(m_pending.size()).arg(directory));
    m_loader->start();
}

bool TablesPage::isLoading() const
{
    return !m_pending.isEmpty();
}

void TablesPage::loadNextFile()
{
    if (m_pending.isEmpty()) {
        m_loader->stop();
        return;
    }
    const QString path = m_pending.takeFirst();
    const ZelStatus status = m_images->addImageFile(path);
    if (!status) {
        logLine(QStringLiteral("addImageFile(\"%1\"): not loaded (%2)")
                    .arg(QFileInfo(path).fileName(), Issue::readableID(status.message().issueID())));
    }
    if (m_images->rowCount() == 1 && !m_imageList->currentIndex().isValid())
        m_imageList->setCurrentIndex(m_images->index(0));
}

void TablesPage::showCurrentImage(const QModelIndex &index)
{
    logLine(QStringLiteral("image list: newCurrentIndex(row %1)").arg(index.row()));
    m_imageReadout->setText(index.isValid() ? index.data(Qt::ToolTipRole).toString() : QString());
}

void TablesPage::refreshProfiles()
{
    if (!m_profiles)
        return;
    const QList<QString> names = settingTableHeaderProfiles().value(m_header->id());
    const ActiveProfile active = settingHeaderActiveProfile();
    const QSignalBlocker blocker(m_profiles);
    m_profiles->clear();
    m_profiles->addItems(names);
    m_profiles->setCurrentIndex(active.contains(m_header->id()) ? int(names.indexOf(active.value(m_header->id())))
                                                                : -1);
}

void TablesPage::updateHeaderReadout()
{
    if (!m_headerReadout)
        return;
    QStringList shown;
    for (int logical : m_header->shownColumnsIds())
        shown << QString::number(logical);
    m_headerReadout->setText(
        QStringLiteral("Header id: %1\nLayout key: %2 (%3 layouts stored)\n"
                       "Visible columns in order: %4")
            .arg(QString::fromLatin1(m_header->id()), QString::fromUtf8(m_header->fullProfilePrefix()))
            .arg(settingHeaderViewState().size())
            .arg(shown.join(QStringLiteral(", "))));
}

void TablesPage::editProfiles()
{
    ZelHeaderProfileEditor editor(this);
    editor.setWindowTitle(QStringLiteral("Column profiles"));
    editor.setId(m_header->id());
    editor.exec();
    refreshProfiles();
}

void TablesPage::logLine(const QString &line)
{
    m_log->add(line);
}

QString TablesPage::title() const
{
    return QStringLiteral("Tables");
}

QIcon TablesPage::icon() const
{
    return QIcon(QStringLiteral(":/ZelGui/res/icons/element_add.png"));
}

QString TablesPage::description() const
{
    return QStringLiteral("A table header that keeps its column layout per profile in the settings file "
                          "(ZelHorizontalHeaderView), the editor of the profile names (ZelHeaderProfileEditor) "
                          "and the image file list with thumbnails (ZelImageFileListView over "
                          "ZelImageFileItemModel).");
}
