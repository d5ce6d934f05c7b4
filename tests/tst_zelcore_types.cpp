#include <ZelCore/CaptureEngineData.h>
#include <ZelCore/ZelApplicationSecurityPolicy.h>
#include <ZelCore/ZelCheckableTValue.h>
#include <ZelCore/ZelConnection.h>
#include <ZelCore/ZelEnumeration.h>
#include <ZelCore/ZelMinMaxRange.h>
#include <ZelCore/ZelScanAreaRange.h>
#include <ZelCore/ZelVec4D.h>

#include "zelstream_testhelpers.h"

#include <QRegularExpression>
#include <QTest>

#include <climits>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QUuid idA = QUuid::fromString(QLatin1String("{1a6a5e2c-8d1f-4f57-9a1e-2b3c4d5e6f70}"));
const QUuid idB = QUuid::fromString(QLatin1String("{2b7b6f3d-9e20-4068-ab2f-3c4d5e6f7081}"));
const QUuid idC = QUuid::fromString(QLatin1String("{3c8c7040-af31-4179-bc30-4d5e6f708192}"));

ZelEnumeration sampleEnumeration()
{
    return ZelEnumeration(u"Binning"_s, {ZelEnumerationItem(idA, u"1x1"_s, 1), ZelEnumerationItem(idB, u"2x2"_s, 2)});
}

// base equals a copy of itself and differs from every variant, also inside a QVariant.
template <typename T> void checkVariantsDiffer(const T &base, const QList<T> &variants)
{
    const T copy = base;
    QVERIFY(copy == base && !(copy != base) && QVariant::fromValue(copy) == QVariant::fromValue(base));
    for (const T &variant : variants)
        QVERIFY(variant != base && !(variant == base) && QVariant::fromValue(variant) != QVariant::fromValue(base));
}

} // namespace

class tst_ZelCoreTypes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(u"."_s)); }

    void namesAreRegisteredAtLoad() // first: nothing here may have asked for the ids yet
    {
#define NAMED(T) std::pair(#T, QMetaType::fromType<T>())
        for (const auto &[name, type] : {NAMED(ZelMinMaxRange<int>), NAMED(ZelCheckableIntValue), NAMED(ZelCheckableTValue<int>),
                 NAMED(ZelScanAreaRange), NAMED(ZelEnumeration), NAMED(ZelEnumerationItem), NAMED(ZelApplicationSecurityPolicy),
                 NAMED(ZelCore::CaptureEngineData), NAMED(ZelVec4D), NAMED(QList<ZelVec4D>)}) {
            QVERIFY2(QMetaType::fromName(name) == type, name); // aliases: the template's own name, which streams carry
            QVERIFY2(qstrcmp(type.name(), name) == 0 || QByteArray(name).startsWith("ZelCheckable"), name);
            QVERIFY2(type.hasRegisteredDataStreamOperators() && type.hasRegisteredDebugStreamOperator(), name);
        }
    }

    void everyFieldTakesPartInEquality()
    {
        QCOMPARE(ZelMinMaxRange<int>(), ZelMinMaxRange<int>(0, 99, 1)); // like a fresh QSlider
        checkVariantsDiffer(ZelMinMaxRange<int>(1, 2, 3), {{0, 2, 3}, {1, 0, 3}, {1, 2, 0}, {3, 2, 1}});
        // Exact for doubles: a range nudged by one ulp is another range.
        checkVariantsDiffer(ZelMinMaxRange<double>(1.0, 2.0, 0.5), {{std::nextafter(1.0, 2.0), 2.0, 0.5}});
        checkVariantsDiffer(ZelCheckableIntValue(4, true), {{4, false}, {5, true}});
        const QRect r(QPoint(1, 2), QPoint(3, 4));
        checkVariantsDiffer(ZelScanAreaRange{r, 5, 6, 7, 8, 9},
                            {{r.adjusted(0, 0, 0, 1), 5, 6, 7, 8, 9}, {r, 0, 6, 7, 8, 9}, {r, 5, 6, 7, 8, 0}});
        checkVariantsDiffer(ZelApplicationSecurityPolicy{true, false, 15}, {{false, false, 15}, {true, false, 0}});
        const QByteArray st("\x01\x02", 2);
        checkVariantsDiffer(ZelCore::CaptureEngineData{"cam0", 12.5, 2.0, 3, st},
                            {{"cam1", 12.5, 2.0, 3, st}, {"cam0", 12.5, 1.0, 3, st}, {"cam0", 12.5, 2.0, 3, st.left(1)}});
        checkVariantsDiffer(ZelVec4D(1, 2, 3, 4), {{0, 2, 3, 4}, {1, 2, 3, 0}});
        checkVariantsDiffer(ZelEnumerationItem(idA, u"One"_s, 1), {{idB, u"One"_s, 1}, {idA, u"one"_s, 1}, {idA, u"One"_s, 2}});
        const QList<ZelEnumerationItem> items = sampleEnumeration().items();
        checkVariantsDiffer(sampleEnumeration(), {ZelEnumeration(u"Other"_s, items),
                                                  ZelEnumeration(u"Binning"_s, {items.at(1), items.at(0)})});
    }

    void streams_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("layout");

        QTest::newRow("int range") << QVariant::fromValue(ZelMinMaxRange<int>(-5, 70, 3)) << streamed(-5, 70, 3);
        QTest::newRow("checkable int") << QVariant::fromValue(ZelCheckableIntValue(-7, true)) << streamed(-7, true);
        QTest::newRow("scan area") << QVariant::fromValue(ZelScanAreaRange{QRect(QPoint(-10, 20), QPoint(300, 400)), 1, 2, 3, 4, INT_MAX})
                                   << streamed(-10, 20, 300, 400, 1, 2, 3, 4, INT_MAX);
        QTest::newRow("policy") << QVariant::fromValue(ZelApplicationSecurityPolicy{false, true, 45}) << streamed(false, true, 45);
        QTest::newRow("capture") << QVariant::fromValue(ZelCore::CaptureEngineData{u"cam"_s, 33.5, 4.0, 7, "blob"})
                                 << streamed(u"cam"_s, 33.5, 4.0, 7, QByteArray("blob"));
        QTest::newRow("vec4d list") << QVariant::fromValue(QList<ZelVec4D>{{1.5, -2.5, qInf(), -0.0}})
                                    << streamed(quint32(1), 1.5, -2.5, qInf(), -0.0);
        QTest::newRow("item") << QVariant::fromValue(ZelEnumerationItem(idC, u"Fast"_s, u"f"_s))
                              << streamed(idC, u"Fast"_s, QVariant(u"f"_s));
        QTest::newRow("enumeration") << QVariant::fromValue(sampleEnumeration())
                                     << streamed(u"Binning"_s, quint32(2), idA, u"1x1"_s, QVariant(1), idB, u"2x2"_s, QVariant(2));
    }

    void streams()
    {
        QFETCH(QVariant, value);
        QFETCH(QByteArray, layout);

        QByteArray bytes; // the type's own operators: fields in order, and back
        QDataStream out(&bytes, QIODevice::WriteOnly);
        QVERIFY(value.metaType().save(out, value.constData()) && bytes == layout);
        QVariant loaded(value.metaType());
        QDataStream in(layout);
        QVERIFY(value.metaType().load(in, loaded.data()) && in.status() == QDataStream::Ok && in.atEnd());
        QCOMPARE(loaded, value);
        QByteArray wrapped; // wrapped in a QVariant it travels by name, in the old stream version QSettings writes
        QDataStream wrappedOut(&wrapped, QIODevice::WriteOnly), wrappedIn(&wrapped, QIODevice::ReadOnly);
        wrappedOut.setVersion(QDataStream::Qt_4_0);
        wrappedIn.setVersion(QDataStream::Qt_4_0);
        QVariant back;
        wrappedOut << value;
        wrappedIn >> back;
        QVERIFY(wrappedIn.status() == QDataStream::Ok && back == value);
    }

    void truncatedStreamLeavesTargetAlone()
    {
        const ZelScanAreaRange before{QRect(10, 10, 10, 10), 2, 2, 2, 2, 2};
        ZelScanAreaRange target = before;
        QCOMPARE(readInto(streamed(ZelScanAreaRange{}).left(30), target), QDataStream::ReadPastEnd);
        QCOMPARE(target, before);
    }

    void enumerationKeepsOrderAndUniqueIds()
    {
        ZelEnumeration enumeration(u"Mode"_s);
        for (const QUuid &id : {idC, idA, idB})
            QVERIFY(enumeration.addItem(ZelEnumerationItem(id, id.toString(), 0)));
        // The same id replaces the item where it stands; a null id would read as "not found".
        QVERIFY(enumeration.addItem(ZelEnumerationItem(idA, u"A2"_s, 10)));
        QVERIFY(!enumeration.addItem(ZelEnumerationItem(QUuid(), u"none"_s, 0)));
        QCOMPARE(QList<qsizetype>({enumeration.items().size(), enumeration.indexOf(idC), enumeration.indexOf(idA),
                                   enumeration.indexOf(idB)}), QList<qsizetype>({3, 0, 1, 2}));
        QCOMPARE(enumeration.getItem(idA), ZelEnumerationItem(idA, u"A2"_s, 10));
        QVERIFY(enumeration.removeItem(idC) && !enumeration.removeItem(idC));
        QVERIFY(enumeration.indexOf(idC) == -1 && enumeration.getItem(idC).isNull() && enumeration.indexOf(idB) == 1);

        // Streaming goes through the same rules: a hand-made stream with a null and a repeated id.
        const QByteArray handMade = streamed(u"Hand made"_s, quint32(3), idA, u"a"_s, QVariant(1), QUuid(), u"null"_s,
                                             QVariant(2), idA, u"a again"_s, QVariant(3));
        QCOMPARE(readBack<ZelEnumeration>(handMade), ZelEnumeration(u"Hand made"_s, {ZelEnumerationItem(idA, u"a again"_s, 3)}));
    }

    void connectionHolder()
    {
        QObject sender;
        int calls = 0;
        const auto ping = [&sender] { sender.setObjectName(sender.objectName() + QLatin1Char('x')); };
        const auto connectAdding = [&](int by) {
            return QObject::connect(&sender, &QObject::objectNameChanged, [&calls, by] { calls += by; });
        };
        {
            ZelConnection<> first = connectAdding(1);
            QVERIFY(!ZelConnection<>().isConnected() && ZelConnection<>(first).isConnected());
            ping(); // the connection outlives a copy
            first = connectAdding(10); // replacing the last owner's connection ends the old one
            ping();
            QCOMPARE(calls, 11);
        }
        ZelConnection<> a = connectAdding(100), b = a; // disconnect() acts on every copy
        QVERIFY(a.disconnect() && !b.isConnected() && !a.disconnect() && !ZelConnection<>().disconnect());
        ping(); // nothing: the first ended with its last copy, a and b are disconnected
        QCOMPARE(calls, 11);

        auto *shortLived = new QObject; // the sender may go first; the holder notices and lets go quietly
        ZelConnection<> orphan = QObject::connect(shortLived, &QObject::destroyed, [] {});
        QVERIFY(orphan.isConnected());
        delete shortLived;
        QVERIFY(!orphan.isConnected() && !orphan.disconnect());
    }
};

QTEST_GUILESS_MAIN(tst_ZelCoreTypes)
#include "tst_zelcore_types.moc"
