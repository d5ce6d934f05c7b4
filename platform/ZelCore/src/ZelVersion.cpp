#include <ZelCore/ZelVersion.h>

#include <optional>

// Set by the build from the checkout it configured.
#ifndef ZELCORE_REVISION
#define ZELCORE_REVISION ""
#endif

namespace {

std::optional<QString> &testRevision()
{
    static std::optional<QString> revision;
    return revision;
}

} // namespace

namespace ZelVersion {

QString revision()
{
    if (testRevision())
        return *testRevision();
    return QStringLiteral(ZELCORE_REVISION);
}

QString version()
{
    return QStringLiteral("1.0.0");
}

void setTestRevision(const QString &revision)
{
    testRevision() = revision;
}

void clearTestRevision()
{
    testRevision().reset();
}

} // namespace ZelVersion
