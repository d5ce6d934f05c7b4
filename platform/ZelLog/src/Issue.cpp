#include <ZelLog/Issue.h>

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

struct Entry
{
    Issue::ID id;
    const char *description;
};

// Kept sorted by id: lookups are binary searches and knownIDs() is ascending.
constexpr Entry s_catalogue[] = {
    {Issue::None, ""},
    {Issue::InternalError, QT_TRANSLATE_NOOP("Issue", "Internal error")},
    {Issue::ApplicationMessage, QT_TRANSLATE_NOOP("Issue", "Application message")},
    {Issue::OperationCancelled, QT_TRANSLATE_NOOP("Issue", "The operation was cancelled")},
    {Issue::ImageFileNotLoaded, QT_TRANSLATE_NOOP("Issue", "The image file cannot be loaded")},
    {Issue::ImageFileNotFound, QT_TRANSLATE_NOOP("Issue", "The image file does not exist")},
    {Issue::ImageFormatNotSupported, QT_TRANSLATE_NOOP("Issue", "The image format is not supported")},
    {Issue::ImageFileNotSaved, QT_TRANSLATE_NOOP("Issue", "The image file cannot be saved")},
    {Issue::SettingsValueWrongType, QT_TRANSLATE_NOOP("Issue", "The settings value has the wrong type")},
    {Issue::SettingsValueOutOfRange, QT_TRANSLATE_NOOP("Issue", "The settings value is out of range")},
    {Issue::SettingsFileNotWritable, QT_TRANSLATE_NOOP("Issue", "The settings file cannot be written")},
    {Issue::CameraNotResponding, QT_TRANSLATE_NOOP("Issue", "The camera is not responding")},
    {Issue::CameraNotFound, QT_TRANSLATE_NOOP("Issue", "No camera was found")},
    {Issue::CameraBusy, QT_TRANSLATE_NOOP("Issue", "The camera is in use by another program")},
};

constexpr bool isSorted()
{
    for (std::size_t i = 1; i < std::size(s_catalogue); ++i) {
        if (s_catalogue[i - 1].id >= s_catalogue[i].id)
            return false;
    }
    return true;
}
static_assert(isSorted(), "the issue catalogue must be sorted by id without duplicates");

const Entry *find(Issue::ID id)
{
    const auto end = std::end(s_catalogue);
    const auto it = std::lower_bound(std::begin(s_catalogue), end, id,
                                     [](const Entry &entry, Issue::ID value) { return entry.id < value; });
    return it != end && it->id == id ? it : nullptr;
}

} // namespace

namespace Issue {

QString readableID(ID id)
{
    return QString::asprintf("ZEL-%04d", id);
}

QString description(ID id)
{
    const Entry *entry = find(id);
    if (!entry || !*entry->description)
        return QString();
    return QCoreApplication::translate("Issue", entry->description);
}

bool isKnown(ID id)
{
    return find(id) != nullptr;
}

QList<ID> knownIDs()
{
    QList<ID> ids;
    ids.reserve(int(std::size(s_catalogue)));
    for (const Entry &entry : s_catalogue)
        ids.append(entry.id);
    return ids;
}

} // namespace Issue
