#include <ZelCore/ZelVersion.h>

// Set by the build from the checkout it configured.
#ifndef ZELCORE_REVISION
#define ZELCORE_REVISION ""
#endif

namespace ZelVersion {

QString revision()
{
    return QStringLiteral(ZELCORE_REVISION);
}

QString version()
{
    return QStringLiteral("1.0.0");
}

} // namespace ZelVersion
