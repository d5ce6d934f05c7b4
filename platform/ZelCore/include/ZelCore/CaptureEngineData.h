#pragma once

#include <ZelCore/zelcore_export.h>

#include <QByteArray>
#include <QMetaType>
#include <QString>

class QDataStream;
class QDebug;

namespace ZelCore {

// The last configuration of a camera capture engine, kept so that the next
// session starts where the previous one ended. engineState is the engine's
// own opaque blob; this library never looks inside it.
struct ZELCORE_EXPORT CaptureEngineData
{
    QString cameraId;
    double exposureMs = 10.0;
    double gain = 1.0;
    int frameCount = 1;
    QByteArray engineState;
};

ZELCORE_EXPORT bool operator==(const CaptureEngineData &lhs, const CaptureEngineData &rhs);
inline bool operator!=(const CaptureEngineData &lhs, const CaptureEngineData &rhs)
{
    return !(lhs == rhs);
}

// cameraId, exposureMs, gain, frameCount (qint32), engineState.
ZELCORE_EXPORT QDataStream &operator<<(QDataStream &stream, const CaptureEngineData &data);
ZELCORE_EXPORT QDataStream &operator>>(QDataStream &stream, CaptureEngineData &data);
ZELCORE_EXPORT QDebug operator<<(QDebug debug, const CaptureEngineData &data);

} // namespace ZelCore

Q_DECLARE_METATYPE(ZelCore::CaptureEngineData)
