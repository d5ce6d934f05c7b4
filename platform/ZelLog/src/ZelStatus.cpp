#include <ZelLog/ZelStatus.h>

#include <ZelLog/ZelMessageStream.h>

#include <QDataStream>
#include <QDebug>

namespace {

bool isFailure(const ZelMessage &message)
{
    return message.messageType() == ZelLog::Error || message.messageType() == ZelLog::Warning;
}

} // namespace

const ZelStatus ZelStatus::Ok;

ZelStatus::ZelStatus() = default;

ZelStatus::ZelStatus(const ZelMessageStream &stream)
    : ZelStatus(stream.message())
{
}

ZelStatus::ZelStatus(const ZelMessage &message)
    : m_message(message)
    , m_failed(isFailure(message))
{
}

bool ZelStatus::operator==(const ZelStatus &other) const
{
    return m_failed == other.m_failed && m_message == other.m_message;
}

QDataStream &operator<<(QDataStream &out, const ZelStatus &status)
{
    out << status.isOk() << status.message();
    return out;
}

QDataStream &operator>>(QDataStream &in, ZelStatus &status)
{
    bool ok = true;
    ZelMessage message;
    in >> ok >> message;
    if (in.status() != QDataStream::Ok)
        return in;
    // The outcome follows from the message; a flag that disagrees means the
    // bytes were not written by us.
    const ZelStatus result(message);
    if (result.isOk() != ok) {
        in.setStatus(QDataStream::ReadCorruptData);
        return in;
    }
    status = result;
    return in;
}

QDebug operator<<(QDebug debug, const ZelStatus &status)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "ZelStatus(" << (status.isOk() ? "ok" : "failed");
    if (status.message() != ZelMessage())
        debug << ", " << status.message();
    debug << ')';
    return debug;
}
