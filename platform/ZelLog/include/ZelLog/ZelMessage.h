#pragma once

#include <ZelLog/Issue.h>
#include <ZelLog/zellog_export.h>

#include <QDateTime>
#include <QMetaType>
#include <QSharedDataPointer>
#include <QString>

class QDataStream;
class QDebug;
class ZelMessagePrivate;

namespace ZelLog {
// The numbering is part of the interface: pop-ups pick their title and icon by it.
enum MessageType : int {
    Error = 0,
    Warning = 1,
    Information = 2,
    Logging = 3,
    Profiling = 4,
};
} // namespace ZelLog

// One log record: what happened (type, text, issue) and where (module,
// function signature, source file, line). An implicitly shared value.
class ZELLOG_EXPORT ZelMessage
{
public:
    ZelMessage();
    ZelMessage(ZelLog::MessageType type, const QString &module, const QString &function, const QString &file, int line,
               Issue::ID issue = Issue::None, const QString &text = QString());
    ZelMessage(const ZelMessage &other);
    ZelMessage &operator=(const ZelMessage &other);
    ~ZelMessage();

    ZelLog::MessageType messageType() const;
    QString module() const;
    QString function() const;
    QString file() const;
    int line() const;
    Issue::ID issueID() const;
    QString text() const;
    QDateTime timestamp() const;

    void setText(const QString &text);
    void appendText(const QString &text);

    // The message as one rich-text paragraph: type, issue, text and origin,
    // HTML-escaped.
    QString toTextParagraph() const;

    bool operator==(const ZelMessage &other) const;
    bool operator!=(const ZelMessage &other) const { return !(*this == other); }

private:
    // Restores the timestamp, which no constructor takes.
    friend ZELLOG_EXPORT QDataStream &operator>>(QDataStream &in, ZelMessage &message);

    QSharedDataPointer<ZelMessagePrivate> d;
};

ZELLOG_EXPORT QDataStream &operator<<(QDataStream &out, const ZelMessage &message);
ZELLOG_EXPORT QDataStream &operator>>(QDataStream &in, ZelMessage &message);
ZELLOG_EXPORT QDebug operator<<(QDebug debug, const ZelMessage &message);

Q_DECLARE_METATYPE(ZelMessage)
