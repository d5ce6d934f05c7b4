#include <ZelCore/ZelApplicationSecurityPolicy.h>

#include <QDataStream>
#include <QDebug>

bool operator==(const ZelApplicationSecurityPolicy &lhs, const ZelApplicationSecurityPolicy &rhs)
{
    return lhs.allowExport == rhs.allowExport && lhs.allowSettingsChange == rhs.allowSettingsChange
        && lhs.sessionTimeoutMinutes == rhs.sessionTimeoutMinutes;
}

QDataStream &operator<<(QDataStream &stream, const ZelApplicationSecurityPolicy &policy)
{
    return stream << policy.allowExport << policy.allowSettingsChange << qint32(policy.sessionTimeoutMinutes);
}

QDataStream &operator>>(QDataStream &stream, ZelApplicationSecurityPolicy &policy)
{
    bool allowExport = true;
    bool allowSettingsChange = true;
    qint32 timeout = 0;
    stream >> allowExport >> allowSettingsChange >> timeout;
    if (stream.status() == QDataStream::Ok)
        policy = ZelApplicationSecurityPolicy{allowExport, allowSettingsChange, timeout};
    return stream;
}

QDebug operator<<(QDebug debug, const ZelApplicationSecurityPolicy &policy)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "ZelApplicationSecurityPolicy(export " << policy.allowExport << ", settings change "
                    << policy.allowSettingsChange << ", session timeout " << policy.sessionTimeoutMinutes << " min)";
    return debug;
}
