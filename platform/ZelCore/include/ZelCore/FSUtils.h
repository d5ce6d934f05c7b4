#pragma once

#include <ZelCore/ContextedDirectory.h>
#include <ZelCore/zelcore_export.h>

#include <QByteArray>
#include <QList>
#include <QString>

// File formats and remembered directories of open/save dialogs. Formats are
// lower-case names as QImageReader/QImageWriter use them ("png", "jpg").
namespace FSUtils {

// DICOM, read by the family's own loader rather than by a Qt plugin.
extern ZELCORE_EXPORT const char formatDCM[];

// Name filter pieces for QFileDialog. Each including unit gets its own copy,
// which keeps them usable during static initialisation.
static const QString filterSeparator = QStringLiteral(";;");
static const QString filterAll = QStringLiteral("All Files (*)");
static const QString filterCompress = QStringLiteral("Compressed file (*.zelcmp)");

// What Qt can read here plus DICOM; sorted, without duplicates.
ZELCORE_EXPORT QList<QByteArray> supportedReadImageFormats();
// What Qt can write here; sorted, without duplicates.
ZELCORE_EXPORT QList<QByteArray> supportedWriteImageFormats();
// The writable formats in the order an export dialog offers them: png, jpg,
// bmp and tif first (those available), then the rest in sorted order.
// Aliases (jpeg for jpg, tiff for tif) are left out.
ZELCORE_EXPORT QList<QByteArray> imageFormatsForExport();

// A QFileDialog name filter for the format, e.g. "PNG image (*.png)",
// "JPEG image (*.jpg *.jpeg)"; unknown formats give "<UPPER> image (*.<fmt>)".
// The format is matched case-insensitively; an empty one gives filterAll.
ZELCORE_EXPORT QString formatCaption(const QByteArray &format);
// The file name extensions of the format, the preferred one first.
ZELCORE_EXPORT QStringList formatExtensions(const QByteArray &format);

// Whether writing the format takes a quality setting: always for jpg, jpeg
// and webp (also where their plugin is missing), otherwise as the Qt
// plugin says (png maps it to its compression level).
ZELCORE_EXPORT bool supportQualityWrite(const QByteArray &format);

// The directory last used in the context (e.g. "export", "open-image"), or
// the home directory when the context has none or it no longer exists.
// Stored in the application config under "document/working_directory".
ZELCORE_EXPORT QString workDir(const QByteArray &context);
// Remembers dir (made absolute and clean) for the context; an empty dir
// forgets the context.
ZELCORE_EXPORT void setWorkDir(const QString &dir, const QByteArray &context);

} // namespace FSUtils
