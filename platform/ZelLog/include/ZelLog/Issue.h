#pragma once

#include <ZelLog/zellog_export.h>

#include <QList>
#include <QString>

// The issue catalogue: stable numeric identifiers of known problems, with a
// printable identifier and a one-line description each.
namespace Issue {

using ID = int;

enum : ID {
    None = 0,
    InternalError = 1,
    ApplicationMessage = 2,
    OperationCancelled = 3,

    // Image files
    ImageFileNotLoaded = 600,
    ImageFileNotFound = 601,
    ImageFormatNotSupported = 602,
    ImageFileNotSaved = 603,

    // Settings
    SettingsValueWrongType = 700,
    SettingsValueOutOfRange = 701,
    SettingsFileNotWritable = 702,

    // Acquisition hardware
    CameraNotResponding = 800,
    CameraNotFound = 801,
    CameraBusy = 802,
};

// "ZEL-%04d" as printf formats it: "ZEL-0002", "ZEL-0600", "ZEL--002".
// Unknown identifiers are formatted the same way.
ZELLOG_EXPORT QString readableID(ID id);
// The catalogue's description, or an empty string for an unknown identifier.
ZELLOG_EXPORT QString description(ID id);
// Whether the catalogue knows the identifier.
ZELLOG_EXPORT bool isKnown(ID id);
// Every identifier of the catalogue, ascending.
ZELLOG_EXPORT QList<ID> knownIDs();

} // namespace Issue
