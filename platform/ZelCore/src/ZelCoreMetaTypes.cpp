// Registers ZelCore's value types by name when the library is loaded.
// Reading a QVariant back (QDataStream, QSettings "@Variant") looks its type
// up by name, which only works for types registered by then; and the
// short names declared for template instances (ZelCheckableIntValue)
// become known only once their metatype id is requested.

#include <ZelCore/CaptureEngineData.h>
#include <ZelCore/ContextedDirectory.h>
#include <ZelCore/ZelApplicationSecurityPolicy.h>
#include <ZelCore/ZelCheckableTValue.h>
#include <ZelCore/ZelEnumeration.h>
#include <ZelCore/ZelMinMaxRange.h>
#include <ZelCore/ZelScanAreaRange.h>
#include <ZelCore/ZelVec4D.h>

#include <QList>
#include <QMap>

namespace {

bool registerZelCoreMetaTypes()
{
    qMetaTypeId<ZelMinMaxRange<int>>();
    qMetaTypeId<ZelMinMaxRange<double>>();
    qMetaTypeId<ZelCheckableIntValue>();
    qMetaTypeId<ZelCheckableDoubleValue>();
    qMetaTypeId<ZelScanAreaRange>();
    qMetaTypeId<ZelEnumerationItem>();
    qMetaTypeId<ZelEnumeration>();
    qMetaTypeId<ZelApplicationSecurityPolicy>();
    qMetaTypeId<ZelCore::CaptureEngineData>();
    qMetaTypeId<ZelVec4D>();
    qRegisterMetaType<QList<ZelVec4D>>();
    // Containers stored by the family's settings keys.
    qRegisterMetaType<ContextedDirectory>("ContextedDirectory");
    qRegisterMetaType<QMap<QByteArray, QList<QString>>>();
    return true;
}

// Runs while the library loads.
[[maybe_unused]] const bool metaTypesRegistered = registerZelCoreMetaTypes();

} // namespace
