#pragma once

#include <ZelCore/zelcore_export.h>

#include <QString>

namespace ZelVersion {

// The source revision ZelCore was built from (a short git hash), or an
// empty string when it was built outside a git checkout.
ZELCORE_EXPORT QString revision();
// The library version, "major.minor.patch".
ZELCORE_EXPORT QString version();

// For tests: revision() reports the given text (empty: a build without a
// revision) until clearTestRevision(). GUI thread only.
ZELCORE_EXPORT void setTestRevision(const QString &revision);
ZELCORE_EXPORT void clearTestRevision();

} // namespace ZelVersion
