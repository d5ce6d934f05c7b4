#pragma once

#include <ZelCore/zelcore_export.h>

#include <QList>
#include <QMetaType>

class QDataStream;
class QDebug;

// Four doubles, e.g. a homogeneous point or an RGBA colour in floating
// point. Unlike QVector4D it keeps double precision.
struct ZELCORE_EXPORT ZelVec4D
{
    ZelVec4D() = default;
    ZelVec4D(double x, double y, double z, double w)
        : x(x)
        , y(y)
        , z(z)
        , w(w)
    {
    }

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 0.0;
};

ZELCORE_EXPORT bool operator==(const ZelVec4D &lhs, const ZelVec4D &rhs);
inline bool operator!=(const ZelVec4D &lhs, const ZelVec4D &rhs)
{
    return !(lhs == rhs);
}

// x, y, z, w as doubles.
ZELCORE_EXPORT QDataStream &operator<<(QDataStream &stream, const ZelVec4D &v);
ZELCORE_EXPORT QDataStream &operator>>(QDataStream &stream, ZelVec4D &v);
ZELCORE_EXPORT QDebug operator<<(QDebug debug, const ZelVec4D &v);

Q_DECLARE_METATYPE(ZelVec4D)
// QList<ZelVec4D> needs no declaration of its own in Qt 6; ZelCore registers
// it at load so that a stored list can be read back by name.
