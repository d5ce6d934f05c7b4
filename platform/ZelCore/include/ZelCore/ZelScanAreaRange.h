#pragma once

#include <ZelCore/zelcore_export.h>

#include <QMetaType>
#include <QRect>

class QDataStream;
class QDebug;

// The area a scanner may cover and the steps it moves by, as nine 32-bit
// integers: area left, top, right, bottom, then x, y, h and v step and a
// reserved word that devices report but no widget uses. The default is an
// empty (null) area with unit steps.
struct ZELCORE_EXPORT ZelScanAreaRange
{
    QRect area;
    int xStep = 1;
    int yStep = 1;
    int hStep = 1;
    int vStep = 1;
    int reserved = 0;
};

ZELCORE_EXPORT bool operator==(const ZelScanAreaRange &lhs, const ZelScanAreaRange &rhs);
inline bool operator!=(const ZelScanAreaRange &lhs, const ZelScanAreaRange &rhs)
{
    return !(lhs == rhs);
}

// Nine qint32 in field order; the area as left, top, right, bottom.
ZELCORE_EXPORT QDataStream &operator<<(QDataStream &stream, const ZelScanAreaRange &range);
ZELCORE_EXPORT QDataStream &operator>>(QDataStream &stream, ZelScanAreaRange &range);
ZELCORE_EXPORT QDebug operator<<(QDebug debug, const ZelScanAreaRange &range);

Q_DECLARE_METATYPE(ZelScanAreaRange)
