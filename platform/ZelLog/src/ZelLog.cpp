#include <ZelLog/ZelLog.h>
#include <ZelLog/ZelMessageFilter.h>
#include <ZelLog/ZelStatus.h>

#include "ZelLogInternal.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMessageLogger>
#include <QMetaType>
#include <QMutex>
#include <QMutexLocker>

#include <atomic>

// Plain log lines are debug output, off unless a host asks for them
// (QT_LOGGING_RULES="zel.log.debug=true"); notices, warnings and errors show.
Q_LOGGING_CATEGORY(lcZelLog, "zel.log", QtInfoMsg)

namespace {

struct Sink
{
    QMutex mutex;
    QList<ZelMessage> records;
};

Sink &sink()
{
    // Never destroyed: objects torn down at exit may still log on the way out.
    static Sink *const instance = new Sink;
    return *instance;
}

// Constant-initialised, so records issued during static initialisation see
// the documented default.
std::atomic<bool> s_echoToQt{true};

void echo(const ZelMessage &message)
{
    const QLoggingCategory &category = lcZelLog();
    const QByteArray file = message.file().toUtf8();
    const QByteArray function = message.function().toUtf8();
    // Hand Qt the record's own origin, so a host's message pattern shows
    // where it was logged rather than this function.
    const QMessageLogger logger(file.isEmpty() ? nullptr : file.constData(), message.line(),
                                function.isEmpty() ? nullptr : function.constData(), category.categoryName());
    const QString line = ZelLogInternal::compactLine(message);
    switch (message.messageType()) {
    case ZelLog::Error:
        logger.critical(category).noquote() << line;
        break;
    case ZelLog::Warning:
        logger.warning(category).noquote() << line;
        break;
    case ZelLog::Information:
        logger.info(category).noquote() << line;
        break;
    case ZelLog::Logging:
    case ZelLog::Profiling:
        logger.debug(category).noquote() << line;
        break;
    }
}

ZelMessageStream makeStream(ZelLog::MessageType type, const char *module, const char *function, const char *file,
                            int line, Issue::ID issue)
{
    return ZelMessageStream(
        ZelMessage(type, QString::fromUtf8(module), QString::fromUtf8(function), QString::fromUtf8(file), line, issue));
}

void registerMetaTypes()
{
    // By name too, so that QVariants of these types can be read back from a
    // QDataStream before anyone asked for their type id.
    qRegisterMetaType<ZelMessage>("ZelMessage");
    qRegisterMetaType<ZelStatus>("ZelStatus");
    qRegisterMetaType<ZelMessageFilter>("ZelMessageFilter");
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(registerMetaTypes)

namespace ZelLogInternal {

void issue(const ZelMessage &message)
{
    {
        Sink &s = sink();
        QMutexLocker lock(&s.mutex);
        // Bounded, so a long-running host does not grow without end: past
        // the limit the oldest tenth goes at once, which keeps appends cheap.
        if (s.records.size() >= ZelLog::recordLimit)
            s.records.remove(0, ZelLog::recordLimit / 10);
        s.records.append(message);
    }
    // Outside the lock: a host's message handler may log again.
    if (s_echoToQt.load(std::memory_order_relaxed))
        echo(message);
}

QString typeName(ZelLog::MessageType type)
{
    switch (type) {
    case ZelLog::Error:
        return QCoreApplication::translate("ZelLog", "Error");
    case ZelLog::Warning:
        return QCoreApplication::translate("ZelLog", "Warning");
    case ZelLog::Information:
        return QCoreApplication::translate("ZelLog", "Information");
    case ZelLog::Logging:
        return QCoreApplication::translate("ZelLog", "Log");
    case ZelLog::Profiling:
        return QCoreApplication::translate("ZelLog", "Profiling");
    }
    return QString();
}

QString compactLine(const ZelMessage &message)
{
    QString line;
    if (!message.module().isEmpty())
        line += QLatin1Char('[') + message.module() + QLatin1String("] ");
    if (!message.function().isEmpty())
        line += message.function() + QLatin1String(": ");
    line += message.text();
    if (message.issueID() != Issue::None)
        line += QLatin1String(" (") + Issue::readableID(message.issueID()) + QLatin1Char(')');
    return line;
}

} // namespace ZelLogInternal

namespace ZelLog {

ZelMessageStream logStream(const char *module, const char *function, const char *file, int line)
{
    return makeStream(Logging, module, function, file, line, Issue::None);
}

ZelMessageStream notifyStream(const char *module, const char *function, const char *file, int line)
{
    return makeStream(Information, module, function, file, line, Issue::None);
}

ZelMessageStream warningStream(const char *module, const char *function, const char *file, int line, Issue::ID issue)
{
    return makeStream(Warning, module, function, file, line, issue);
}

ZelMessageStream errorStream(const char *module, const char *function, const char *file, int line, Issue::ID issue)
{
    return makeStream(Error, module, function, file, line, issue);
}

QList<ZelMessage> records()
{
    Sink &s = sink();
    QMutexLocker lock(&s.mutex);
    return s.records;
}

void clearRecords()
{
    Sink &s = sink();
    QMutexLocker lock(&s.mutex);
    s.records.clear();
}

void setEchoToQt(bool echo)
{
    s_echoToQt.store(echo, std::memory_order_relaxed);
}

bool echoToQt()
{
    return s_echoToQt.load(std::memory_order_relaxed);
}

} // namespace ZelLog
