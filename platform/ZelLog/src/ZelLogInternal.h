#pragma once

#include <ZelLog/ZelMessage.h>

#include <QString>

// Helpers shared by the library's own sources; not installed.
namespace ZelLogInternal {

// Hands a finished record to the sink (and to Qt's logging when echo is on).
void issue(const ZelMessage &message);

// "Warning", "Error", ... translated when a translator is installed.
QString typeName(ZelLog::MessageType type);

// The one-line form used by the echo and by QDebug:
// "[module] function: text (ZEL-0002)".
QString compactLine(const ZelMessage &message);

} // namespace ZelLogInternal
