#include <ZelGui/ZelImageFileItemModel.h>

#include <ZelCore/MathUtils.h>
#include <ZelDip/ZelDIP.h>
#include <ZelLog/ZelLog.h>

#include <QFileInfo>
#include <QIcon>
#include <QMetaType>

#include <algorithm>
#include <cmath>

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

constexpr int previewSide = 350;
constexpr int scaledFullSide = 800;

// Where the log record of a file that does not load points to.
constexpr char addImageFileSignature[] = "ZelStatus ZelImageFileItemModel::addImageFile(const QString &)";
constexpr char addImageFileSource[] = "/build/source/src/ZelGui/ZelImageFileItemModel";
constexpr int addImageFileLine = 137;

[[maybe_unused]] const int imageFileMetaTypeId = qRegisterMetaType<ZelImageFile *>("ZelImageFile*");

// Rounded to two decimals, halves away from zero.
double roundToHundredths(double value)
{
    const double rounded = std::trunc((std::abs(value) + 0.005) * 100.0) / 100.0;
    return value < 0 ? -rounded : rounded;
}

// "488.28 kb", "2 mb": megabytes of 1024000 bytes above one of them,
// kilobytes of 1024 bytes up to it.
QString fileSizeText(qint64 bytes)
{
    const double megabytes = double(bytes) / 1024000.0;
    const bool mb = megabytes > 1.0;
    const double value = roundToHundredths(mb ? megabytes : double(bytes) / 1024.0);
    return QStringLiteral("%1 %2").arg(QString::number(value, 'g', 6), mb ? QObject::tr("mb") : QObject::tr("kb"));
}

} // namespace

ZelImageFileItemModel::ZelImageFileItemModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

ZelImageFileItemModel::~ZelImageFileItemModel()
{
    const Lock lock(m_mutex);
    qDeleteAll(m_files);
}

QList<ZelImageFile *> ZelImageFileItemModel::files() const
{
    const Lock lock(m_mutex);
    return m_files;
}

bool ZelImageFileItemModel::containsFile(const QString &path) const
{
    const Lock lock(m_mutex);
    return std::any_of(m_files.cbegin(), m_files.cend(),
                       [&path](const ZelImageFile *file) { return file->path == path; });
}

QImage ZelImageFileItemModel::scaledImage(const QImage &image)
{
    if (image.isNull())
        return QImage();
    return image.scaled(previewSide, previewSide, Qt::KeepAspectRatio, Qt::FastTransformation);
}

int ZelImageFileItemModel::rowCount(const QModelIndex &) const
{
    const Lock lock(m_mutex);
    return int(m_files.size());
}

QVariant ZelImageFileItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const Lock lock(m_mutex);
    if (index.row() >= m_files.size())
        return QVariant();
    const ZelImageFile *file = m_files.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return QFileInfo(file->path).fileName();
    case Qt::DecorationRole: {
        // A selected row shows the same picture.
        QIcon icon;
        icon.addPixmap(file->iconPixmap, QIcon::Normal, QIcon::Off);
        icon.addPixmap(file->iconPixmap, QIcon::Selected, QIcon::Off);
        return icon;
    }
    case Qt::ToolTipRole: {
        const auto facts = m_toolTipFacts.constFind(file);
        return facts != m_toolTipFacts.cend() ? toolTipText(*file, *facts) : file->toolTip;
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignHCenter | Qt::AlignBottom);
    case Qt::SizeHintRole:
        return QSize(file->iconPixmap.width() + 35, file->iconPixmap.height() + 20);
    default:
        return QVariant();
    }
}

bool ZelImageFileItemModel::setData(const QModelIndex &, const QVariant &, int)
{
    return false;
}

QVariant ZelImageFileItemModel::headerData(int, Qt::Orientation, int) const
{
    return QVariant();
}

bool ZelImageFileItemModel::removeRows(int row, int count, const QModelIndex &parent)
{
    const Lock lock(m_mutex);
    if (row < 0 || count <= 0 || qint64(row) + count > m_files.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    QList<ZelImageFile *> removed = m_files.mid(row, count);
    m_files.remove(row, count);
    // An entry appended more than once is deleted with its last row.
    std::sort(removed.begin(), removed.end());
    removed.erase(std::unique(removed.begin(), removed.end()), removed.end());
    for (ZelImageFile *file : std::as_const(removed)) {
        if (!m_files.contains(file)) {
            m_toolTipFacts.remove(file);
            delete file;
        }
    }
    endRemoveRows();
    return true;
}

Qt::ItemFlags ZelImageFileItemModel::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | Qt::ItemIsUserCheckable;
}

void ZelImageFileItemModel::clear()
{
    const Lock lock(m_mutex);
    removeRows(0, rowCount());
}

ZelStatus ZelImageFileItemModel::addImageFile(QString path)
{
    QImage image;
    // An empty path fails as any unreadable one, without Qt's warning about it.
    if (path.isEmpty() || !image.load(path)) {
        return ZelStatus(ZelLog::warningStream("ZelGui", addImageFileSignature, addImageFileSource, addImageFileLine,
                                               Issue::ImageFileNotLoaded));
    }
    const QImage preview = scaledImage(image);
    const QImage full = image.scaled(MathUtils::thumbnailSize(image.size(), QSize(scaledFullSide, scaledFullSide)),
                                     Qt::KeepAspectRatio, Qt::FastTransformation);
    return addImageFile(path, preview, ZelDIP::fromQImage(full), image.width(), image.height());
}

ZelStatus ZelImageFileItemModel::addImageFile(QString path, QImage preview, ZelImage scaledFull, int width, int height)
{
    auto *file = new ZelImageFile;
    file->pixmap = QPixmap::fromImage(preview);
    // Entries added by path show their preview in the list.
    file->iconPixmap = file->pixmap;
    file->path = path;
    file->loaded = true;
    file->scaledFull = scaledFull;

    const QFileInfo info(path);
    const ToolTipFacts facts{info.fileName(), info.size(), QStringLiteral("%1x%2").arg(width).arg(height)};
    file->toolTip = toolTipText(*file, facts);
    const Lock lock(m_mutex);
    m_toolTipFacts.insert(file, facts);
    addImageFile(file);
    return ZelStatus::Ok;
}

QString ZelImageFileItemModel::toolTipText(const ZelImageFile &file, const ToolTipFacts &facts)
{
    // One pass over the markers, so that a "%1" in a file name stays as it is.
    return QObject::tr("Filename: %1\nPath: %2\nFile size: %3\nResolution: %4")
        .arg(facts.fileName, file.path, fileSizeText(facts.fileSize), facts.resolution);
}

void ZelImageFileItemModel::addImageFile(ZelImageFile *imageFile)
{
    if (!imageFile)
        return;
    const Lock lock(m_mutex);
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_files.append(imageFile);
    endInsertRows();
}
