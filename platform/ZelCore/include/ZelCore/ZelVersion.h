#pragma once

#include <ZelCore/zelcore_export.h>

#include <QString>

namespace ZelVersion {

// The source revision ZelCore was built from (a short git hash), or an
// empty string when it was built outside a git checkout.
ZELCORE_EXPORT QString revision();
// The library version, "major.minor.patch".
ZELCORE_EXPORT QString version();

} // namespace ZelVersion
