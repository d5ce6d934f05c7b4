#include <ZelCore/CaptureEngineData.h>

#include <QDataStream>
#include <QDebug>

namespace ZelCore {

bool operator==(const CaptureEngineData &lhs, const CaptureEngineData &rhs)
{
    return lhs.cameraId == rhs.cameraId && lhs.exposureMs == rhs.exposureMs && lhs.gain == rhs.gain
        && lhs.frameCount == rhs.frameCount && lhs.engineState == rhs.engineState;
}

QDataStream &operator<<(QDataStream &stream, const CaptureEngineData &data)
{
    return stream << data.cameraId << data.exposureMs << data.gain << qint32(data.frameCount) << data.engineState;
}

QDataStream &operator>>(QDataStream &stream, CaptureEngineData &data)
{
    CaptureEngineData read;
    qint32 frameCount = 0;
    stream >> read.cameraId >> read.exposureMs >> read.gain >> frameCount >> read.engineState;
    if (stream.status() == QDataStream::Ok) {
        read.frameCount = frameCount;
        data = read;
    }
    return stream;
}

QDebug operator<<(QDebug debug, const CaptureEngineData &data)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "CaptureEngineData(" << data.cameraId << ", exposure " << data.exposureMs << " ms, gain "
                    << data.gain << ", frames " << data.frameCount << ", state " << data.engineState.size()
                    << " bytes)";
    return debug;
}

} // namespace ZelCore
