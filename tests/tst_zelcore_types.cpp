#include <ZelCore/CaptureEngineData.h>
#include <ZelCore/ZelApplicationSecurityPolicy.h>
#include <ZelCore/ZelCheckableTValue.h>
#include <ZelCore/ZelConnection.h>
#include <ZelCore/ZelEnumeration.h>
#include <ZelCore/ZelMinMaxRange.h>
#include <ZelCore/ZelScanAreaRange.h>
#include <ZelCore/ZelVec4D.h>

#include <QRegularExpression>
#include <QTest>

#include <climits>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QUuid idA = QUuid::fromString(QLatin1String("{1a6a5e2c-8d1f-4f57-9a1e-2b3c4d5e6f70}"));
const QUuid idB = QUuid::fromString(QLatin1String("{2b7b6f3d-9e20-4068-ab2f-3c4d5e6f7081}"));
const QUuid idC = QUuid::fromString(QLatin1String("{3c8c7040-af31-4179-bc30-4d5e6f708192}"));
const ZelEnumerationItem one(idA, u"One"_s, 1), two(idB, u"Two"_s, 2);

// base equals a copy of itself and differs from every variant, also inside a QVariant.
template<typename T>
void checkVariantsDiffer(const T &base, const QList<T> &variants)
{
    QVERIFY(T(base) == base && !(T(base) != base) && QVariant::fromValue(T(base)) == QVariant::fromValue(base));
    for (const T &variant : variants)
        QVERIFY(variant != base && !(variant == base) && QVariant::fromValue(variant) != QVariant::fromValue(base));
}

} // namespace

class tst_ZelCoreTypes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(u"."_s)); }

    void streamRoundTrips() // first: the names must be the library's own registration, before any use here
    {
        // the names streams carry (for the checkable value, the template's)
        for (const char *name : {"ZelMinMaxRange<int>", "ZelCheckableTValue<int>", "ZelScanAreaRange", "ZelEnumeration",
                                 "ZelApplicationSecurityPolicy", "ZelCore::CaptureEngineData", "QList<ZelVec4D>"})
            QVERIFY2(QMetaType::fromName(name).hasRegisteredDataStreamOperators(), name);
        // no field left at its default, so a field the stream drops shows
        const QVariantList values{QVariant::fromValue(ZelMinMaxRange<int>(-5, 70, 3)),
                                  QVariant::fromValue(ZelCheckableIntValue(-7, true)),
                                  QVariant::fromValue(ZelScanAreaRange{QRect(QPoint(-10, 20), QPoint(300, 400)), 1, 2, 3, 4, INT_MAX}),
                                  QVariant::fromValue(ZelApplicationSecurityPolicy{false, true, 45}),
                                  QVariant::fromValue(ZelCore::CaptureEngineData{u"cam"_s, 33.5, 4.0, 7, "blob"}),
                                  QVariant::fromValue(QList<ZelVec4D>{{1.5, -2.5, qInf(), -0.0}}),
                                  QVariant::fromValue(ZelEnumeration(u"E"_s, {one, two}))};
        for (const QVariant &value : values) {
            QByteArray bytes; // wrapped in a QVariant it travels by name, in the old stream version QSettings writes
            QDataStream out(&bytes, QIODevice::WriteOnly), in(&bytes, QIODevice::ReadOnly);
            out.setVersion(QDataStream::Qt_4_0);
            in.setVersion(QDataStream::Qt_4_0);
            QVariant back;
            out << value;
            in >> back;
            QVERIFY2(in.status() == QDataStream::Ok && in.atEnd() && back == value, value.typeName());
        }
    }

    // Equality of the range types is also what the widgets' change signals rest on (their own tests).
    void everyFieldTakesPartInEquality()
    {
        QCOMPARE(ZelMinMaxRange<int>(), ZelMinMaxRange<int>(0, 99, 1)); // like a fresh QSlider
        // Exact for doubles: a range nudged by one ulp is another range.
        checkVariantsDiffer(ZelMinMaxRange<double>(1.0, 2.0, 0.5), {{std::nextafter(1.0, 2.0), 2.0, 0.5}});
        checkVariantsDiffer(one, {{idB, u"One"_s, 1}, {idA, u"one"_s, 1}, {idA, u"One"_s, 2}});
        checkVariantsDiffer(ZelEnumeration(u"E"_s, {one, two}), {ZelEnumeration(u"E"_s, {two, one})}); // order counts
    }

    void enumerationKeepsOrderAndUniqueIds()
    {
        ZelEnumeration enumeration(
            u"Mode"_s, {ZelEnumerationItem(idC, u"c"_s, 0), ZelEnumerationItem(idA, u"a"_s, 0), ZelEnumerationItem(idB, u"b"_s, 0)});
        // The same id replaces the item where it stands; a null id would read as "not found".
        QVERIFY(enumeration.addItem(ZelEnumerationItem(idA, u"A2"_s, 10)));
        QVERIFY(!enumeration.addItem(ZelEnumerationItem(QUuid(), u"none"_s, 0)));
        QVERIFY(enumeration.removeItem(idC) && !enumeration.removeItem(idC));
        QCOMPARE(enumeration.items(),
                 QList<ZelEnumerationItem>({ZelEnumerationItem(idA, u"A2"_s, 10), ZelEnumerationItem(idB, u"b"_s, 0)}));
        QVERIFY(enumeration.indexOf(idC) == -1 && enumeration.getItem(idC).isNull());
    }

    // That a holder keeps its connection while copies live, and ends it with the last one, is checked
    // through the actions (tst_zelgui_actions).
    void connectionHolder()
    {
        QObject sender;
        int calls = 0;
        ZelConnection<> a = QObject::connect(&sender, &QObject::objectNameChanged, [&calls] { calls += 1; });
        // replacing the last owner's connection ends the old one
        a = QObject::connect(&sender, &QObject::objectNameChanged, [&calls] { calls += 10; });
        ZelConnection<> b = a;
        sender.setObjectName(u"x"_s);
        QVERIFY(a.disconnect() && !b.isConnected() && !a.disconnect()); // disconnect() acts on every copy
        sender.setObjectName(u"y"_s);
        QCOMPARE(calls, 10);

        auto *shortLived = new QObject; // the sender may go first; the holder notices and lets go quietly
        ZelConnection<> orphan = QObject::connect(shortLived, &QObject::destroyed, [] {});
        delete shortLived;
        QVERIFY(!orphan.isConnected() && !orphan.disconnect());
    }
};

QTEST_GUILESS_MAIN(tst_ZelCoreTypes)
#include "tst_zelcore_types.moc"
