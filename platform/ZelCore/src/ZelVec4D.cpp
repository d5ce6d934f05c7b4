#include <ZelCore/ZelVec4D.h>

#include <QDataStream>
#include <QDebug>

bool operator==(const ZelVec4D &lhs, const ZelVec4D &rhs)
{
    return lhs.x == rhs.x && lhs.y == rhs.y && lhs.z == rhs.z && lhs.w == rhs.w;
}

QDataStream &operator<<(QDataStream &stream, const ZelVec4D &v)
{
    return stream << v.x << v.y << v.z << v.w;
}

QDataStream &operator>>(QDataStream &stream, ZelVec4D &v)
{
    ZelVec4D read;
    stream >> read.x >> read.y >> read.z >> read.w;
    if (stream.status() == QDataStream::Ok)
        v = read;
    return stream;
}

QDebug operator<<(QDebug debug, const ZelVec4D &v)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "ZelVec4D(" << v.x << ", " << v.y << ", " << v.z << ", " << v.w << ')';
    return debug;
}
