#pragma once

#include <ZelCore/zelcore_export.h>

#include <QMetaType>

class QDataStream;
class QDebug;

// What the operator of an application may do. The default allows
// everything and never ends a session; an administrator tightens it.
struct ZELCORE_EXPORT ZelApplicationSecurityPolicy
{
    bool allowExport = true;
    bool allowSettingsChange = true;
    // Minutes of inactivity before the session locks; 0 means never.
    int sessionTimeoutMinutes = 0;
};

ZELCORE_EXPORT bool operator==(const ZelApplicationSecurityPolicy &lhs, const ZelApplicationSecurityPolicy &rhs);
inline bool operator!=(const ZelApplicationSecurityPolicy &lhs, const ZelApplicationSecurityPolicy &rhs)
{
    return !(lhs == rhs);
}

// allowExport, allowSettingsChange, sessionTimeoutMinutes (qint32).
ZELCORE_EXPORT QDataStream &operator<<(QDataStream &stream, const ZelApplicationSecurityPolicy &policy);
ZELCORE_EXPORT QDataStream &operator>>(QDataStream &stream, ZelApplicationSecurityPolicy &policy);
ZELCORE_EXPORT QDebug operator<<(QDebug debug, const ZelApplicationSecurityPolicy &policy);

Q_DECLARE_METATYPE(ZelApplicationSecurityPolicy)
