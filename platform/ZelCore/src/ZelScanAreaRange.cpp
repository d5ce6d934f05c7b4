#include <ZelCore/ZelScanAreaRange.h>

#include <QDataStream>
#include <QDebug>

bool operator==(const ZelScanAreaRange &lhs, const ZelScanAreaRange &rhs)
{
    return lhs.area == rhs.area && lhs.xStep == rhs.xStep && lhs.yStep == rhs.yStep && lhs.hStep == rhs.hStep
        && lhs.vStep == rhs.vStep && lhs.reserved == rhs.reserved;
}

QDataStream &operator<<(QDataStream &stream, const ZelScanAreaRange &range)
{
    // Written field by field rather than with QRect's operator so that the
    // layout does not depend on the stream version.
    stream << qint32(range.area.left()) << qint32(range.area.top()) << qint32(range.area.right())
           << qint32(range.area.bottom());
    stream << qint32(range.xStep) << qint32(range.yStep) << qint32(range.hStep) << qint32(range.vStep)
           << qint32(range.reserved);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, ZelScanAreaRange &range)
{
    qint32 left = 0, top = 0, right = 0, bottom = 0;
    qint32 xStep = 0, yStep = 0, hStep = 0, vStep = 0, reserved = 0;
    stream >> left >> top >> right >> bottom >> xStep >> yStep >> hStep >> vStep >> reserved;
    if (stream.status() != QDataStream::Ok)
        return stream;
    range.area = QRect(QPoint(left, top), QPoint(right, bottom));
    range.xStep = xStep;
    range.yStep = yStep;
    range.hStep = hStep;
    range.vStep = vStep;
    range.reserved = reserved;
    return stream;
}

QDebug operator<<(QDebug debug, const ZelScanAreaRange &range)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "ZelScanAreaRange(" << range.area << ", steps " << range.xStep << ' ' << range.yStep << ' '
                    << range.hStep << ' ' << range.vStep << ", reserved " << range.reserved << ')';
    return debug;
}
