#pragma once

// The logging library: message types, the four log streams and the record
// sink that keeps every issued record for whoever wants to read them back.

#include <ZelLog/Issue.h>
#include <ZelLog/ZelMessage.h>
#include <ZelLog/ZelMessageStream.h>
#include <ZelLog/zellog_export.h>

#include <QList>

namespace ZelLog {

// A stream for plain log lines (type Logging).
ZELLOG_EXPORT ZelMessageStream logStream(const char *module, const char *function, const char *file, int line);
// A stream for notices shown to the user (type Information).
ZELLOG_EXPORT ZelMessageStream notifyStream(const char *module, const char *function, const char *file, int line);
// A stream for warnings (type Warning) carrying an issue identifier.
ZELLOG_EXPORT ZelMessageStream warningStream(const char *module, const char *function, const char *file, int line,
                                             Issue::ID issue);
// A stream for errors (type Error) carrying an issue identifier.
ZELLOG_EXPORT ZelMessageStream errorStream(const char *module, const char *function, const char *file, int line,
                                           Issue::ID issue);

// How many records the sink keeps; past it the oldest tenth is dropped.
constexpr int recordLimit = 100000;

// Every record issued since start-up (or since the last clearRecords()),
// oldest first, at most recordLimit of them. Safe to call from any thread.
ZELLOG_EXPORT QList<ZelMessage> records();
ZELLOG_EXPORT void clearRecords();
// Whether issued records are also written to Qt's message handler
// (qDebug/qWarning/qCritical by type). On by default; tests switch it off.
ZELLOG_EXPORT void setEchoToQt(bool echo);
ZELLOG_EXPORT bool echoToQt();

} // namespace ZelLog
