#pragma once

#include <ZelLog/ZelMessage.h>
#include <ZelLog/zellog_export.h>

#include <QMetaType>

class ZelMessageStream;

// The outcome of an operation: success, or a failure that carries the
// message explaining it. A status built from a stream of type Error or
// Warning is a failure; one of any other type (a notice, a log line) is a
// success that still carries its message.
class ZELLOG_EXPORT ZelStatus
{
public:
    static const ZelStatus Ok;

    ZelStatus(); // success, empty message
    ZelStatus(const ZelMessageStream &stream);
    explicit ZelStatus(const ZelMessage &message);

    bool isOk() const { return !m_failed; }
    explicit operator bool() const { return !m_failed; }
    ZelMessage message() const { return m_message; }

    bool operator==(const ZelStatus &other) const;
    bool operator!=(const ZelStatus &other) const { return !(*this == other); }

private:
    // All-zero bytes are a valid success (a null message pointer is the
    // default message): Ok is usable even by static initialisers that run
    // before this library's own.
    ZelMessage m_message;
    bool m_failed = false;
};

ZELLOG_EXPORT QDataStream &operator<<(QDataStream &out, const ZelStatus &status);
ZELLOG_EXPORT QDataStream &operator>>(QDataStream &in, ZelStatus &status);
ZELLOG_EXPORT QDebug operator<<(QDebug debug, const ZelStatus &status);

Q_DECLARE_METATYPE(ZelStatus)
