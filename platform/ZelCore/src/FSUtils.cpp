#include <ZelCore/FSUtils.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/settings.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>

namespace FSUtils {

const char formatDCM[] = "dcm";

namespace {

struct FormatInfo
{
    const char *name; // translatable, context "FSUtils"
    QList<QByteArray> extensions; // preferred first; also the format names
};

const QList<FormatInfo> &knownFormats()
{
    static const QList<FormatInfo> formats{
        {QT_TRANSLATE_NOOP("FSUtils", "PNG image"), {"png"}},
        {QT_TRANSLATE_NOOP("FSUtils", "JPEG image"), {"jpg", "jpeg"}},
        {QT_TRANSLATE_NOOP("FSUtils", "BMP image"), {"bmp"}},
        {QT_TRANSLATE_NOOP("FSUtils", "TIFF image"), {"tif", "tiff"}},
        {QT_TRANSLATE_NOOP("FSUtils", "DICOM image"), {formatDCM}},
        {QT_TRANSLATE_NOOP("FSUtils", "WebP image"), {"webp"}},
        {QT_TRANSLATE_NOOP("FSUtils", "GIF image"), {"gif"}},
        {QT_TRANSLATE_NOOP("FSUtils", "Windows icon"), {"ico"}},
        {QT_TRANSLATE_NOOP("FSUtils", "Windows cursor"), {"cur"}},
        {QT_TRANSLATE_NOOP("FSUtils", "Portable bitmap"), {"pbm"}},
        {QT_TRANSLATE_NOOP("FSUtils", "Portable graymap"), {"pgm"}},
        {QT_TRANSLATE_NOOP("FSUtils", "Portable pixmap"), {"ppm"}},
        {QT_TRANSLATE_NOOP("FSUtils", "X11 bitmap"), {"xbm"}},
        {QT_TRANSLATE_NOOP("FSUtils", "X11 pixmap"), {"xpm"}},
    };
    return formats;
}

const FormatInfo *findFormat(const QByteArray &format)
{
    for (const FormatInfo &info : knownFormats()) {
        if (info.extensions.contains(format))
            return &info;
    }
    return nullptr;
}

QList<QByteArray> sortedUnique(QList<QByteArray> formats)
{
    for (QByteArray &format : formats)
        format = format.toLower();
    std::sort(formats.begin(), formats.end());
    formats.erase(std::unique(formats.begin(), formats.end()), formats.end());
    return formats;
}

ContextedDirectory storedDirectories()
{
    return ZelAbstractAppConfig::setting(settingWorkingDirectoryKey).value<ContextedDirectory>();
}

} // namespace

QList<QByteArray> supportedReadImageFormats()
{
    QList<QByteArray> formats = QImageReader::supportedImageFormats();
    formats.append(QByteArray(formatDCM));
    return sortedUnique(formats);
}

QList<QByteArray> supportedWriteImageFormats()
{
    return sortedUnique(QImageWriter::supportedImageFormats());
}

QList<QByteArray> imageFormatsForExport()
{
    const QList<QByteArray> writable = supportedWriteImageFormats();
    const QList<QByteArray> preferred{"png", "jpg", "bmp", "tif"};
    QList<QByteArray> result;
    for (const QByteArray &format : preferred) {
        const FormatInfo *info = findFormat(format);
        const bool available = std::any_of(info->extensions.cbegin(), info->extensions.cend(),
                                           [&writable](const QByteArray &ext) { return writable.contains(ext); });
        if (available)
            result.append(format);
    }
    for (const QByteArray &format : writable) {
        // Skip aliases of what is already listed ("jpeg" once "jpg" is).
        const FormatInfo *info = findFormat(format);
        const QByteArray canonical = info ? info->extensions.constFirst() : format;
        if (!result.contains(canonical))
            result.append(canonical);
    }
    return result;
}

QString formatCaption(const QByteArray &format)
{
    const QByteArray lower = format.trimmed().toLower();
    if (lower.isEmpty())
        return filterAll;
    QString patterns;
    for (const QString &ext : formatExtensions(lower)) {
        if (!patterns.isEmpty())
            patterns += QLatin1Char(' ');
        patterns += QStringLiteral("*.") + ext;
    }
    const FormatInfo *info = findFormat(lower);
    const QString name = info
        ? QCoreApplication::translate("FSUtils", info->name)
        : QCoreApplication::translate("FSUtils", "%1 image").arg(QString::fromLatin1(lower.toUpper()));
    return name + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

QStringList formatExtensions(const QByteArray &format)
{
    const QByteArray lower = format.trimmed().toLower();
    if (lower.isEmpty())
        return {};
    QStringList result;
    if (const FormatInfo *info = findFormat(lower)) {
        for (const QByteArray &ext : info->extensions)
            result.append(QString::fromLatin1(ext));
    } else {
        result.append(QString::fromLatin1(lower));
    }
    return result;
}

bool supportQualityWrite(const QByteArray &format)
{
    const QByteArray lower = format.trimmed().toLower();
    if (lower.isEmpty())
        return false;
    // Lossy formats take a quality even where their plugin is missing, so
    // that export settings stay the same on every machine.
    if (lower == "jpg" || lower == "jpeg" || lower == "webp")
        return true;
    if (!QImageWriter::supportedImageFormats().contains(lower))
        return false;
    QBuffer buffer;
    QImageWriter writer(&buffer, lower);
    return writer.supportsOption(QImageIOHandler::Quality);
}

QString workDir(const QByteArray &context)
{
    const QString dir = storedDirectories().value(context);
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return QDir::homePath();
    return dir;
}

void setWorkDir(const QString &dir, const QByteArray &context)
{
    ContextedDirectory dirs = storedDirectories();
    if (dir.isEmpty()) {
        if (dirs.remove(context) == 0)
            return;
    } else {
        const QString clean = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
        if (dirs.value(context) == clean && dirs.contains(context))
            return;
        dirs.insert(context, clean);
    }
    ZelAbstractAppConfig::setSetting(settingWorkingDirectoryKey, QVariant::fromValue(dirs));
}

} // namespace FSUtils
