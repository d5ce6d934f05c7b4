// ZelCore's value types: the names they are known by, equality, their
// stream layout and QVariant round trips, and the shared connection holder.

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

namespace {

const QUuid idA = QUuid::fromString(QLatin1String("{1a6a5e2c-8d1f-4f57-9a1e-2b3c4d5e6f70}"));
const QUuid idB = QUuid::fromString(QLatin1String("{2b7b6f3d-9e20-4068-ab2f-3c4d5e6f7081}"));
const QUuid idC = QUuid::fromString(QLatin1String("{3c8c7040-af31-4179-bc30-4d5e6f708192}"));

ZelEnumeration sampleEnumeration()
{
    return ZelEnumeration(QStringLiteral("Binning"), {ZelEnumerationItem(idA, QStringLiteral("1x1"), 1),
                                                      ZelEnumerationItem(idB, QStringLiteral("2x2"), 2)});
}

// base equals a copy of itself and differs from every variant, also when
// wrapped in QVariant.
template <typename T>
void checkVariantsDiffer(const T &base, const QList<T> &variants)
{
    const T copy = base;
    QVERIFY(copy == base && !(copy != base));
    QCOMPARE(QVariant::fromValue(copy), QVariant::fromValue(base));
    for (qsizetype i = 0; i < variants.size(); ++i) {
        QVERIFY2(variants.at(i) != base && !(variants.at(i) == base), qPrintable(QString::number(i)));
        QVERIFY2(QVariant::fromValue(variants.at(i)) != QVariant::fromValue(base), qPrintable(QString::number(i)));
    }
}

} // namespace

class tst_ZelCoreTypes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    // First: nothing in this program may have asked for the ids yet.
    void namesAreRegisteredAtLoad_data();
    void namesAreRegisteredAtLoad();

    void everyFieldTakesPartInEquality();
    void streams_data();
    void streams();
    void truncatedStreamLeavesTargetAlone();

    void enumerationKeepsOrderAndUniqueIds();

    void connectionHolder();
};

void tst_ZelCoreTypes::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
}

void tst_ZelCoreTypes::namesAreRegisteredAtLoad_data()
{
    QTest::addColumn<QMetaType>("type"); // the row's name is the registered name

    QTest::newRow("ZelMinMaxRange<int>") << QMetaType::fromType<ZelMinMaxRange<int>>();
    QTest::newRow("ZelMinMaxRange<double>") << QMetaType::fromType<ZelMinMaxRange<double>>();
    QTest::newRow("ZelCheckableIntValue") << QMetaType::fromType<ZelCheckableTValue<int>>();
    QTest::newRow("ZelCheckableDoubleValue") << QMetaType::fromType<ZelCheckableTValue<double>>();
    QTest::newRow("ZelCheckableTValue<int>") << QMetaType::fromType<ZelCheckableTValue<int>>();
    QTest::newRow("ZelScanAreaRange") << QMetaType::fromType<ZelScanAreaRange>();
    QTest::newRow("ZelEnumeration") << QMetaType::fromType<ZelEnumeration>();
    QTest::newRow("ZelEnumerationItem") << QMetaType::fromType<ZelEnumerationItem>();
    QTest::newRow("ZelApplicationSecurityPolicy") << QMetaType::fromType<ZelApplicationSecurityPolicy>();
    QTest::newRow("ZelCore::CaptureEngineData") << QMetaType::fromType<ZelCore::CaptureEngineData>();
    QTest::newRow("ZelVec4D") << QMetaType::fromType<ZelVec4D>();
    QTest::newRow("QList<ZelVec4D>") << QMetaType::fromType<QList<ZelVec4D>>();
}

void tst_ZelCoreTypes::namesAreRegisteredAtLoad()
{
    QFETCH(QMetaType, type);
    const QByteArray name = QTest::currentDataTag();

    const QMetaType byName = QMetaType::fromName(name);
    QVERIFY2(byName.isValid(), name.constData());
    QCOMPARE(byName, type);
    // Aliases resolve to the template's own name, which is what streams carry.
    if (!name.startsWith("ZelCheckable"))
        QCOMPARE(QByteArray(type.name()), name);
    QVERIFY(type.hasRegisteredDataStreamOperators());
    QVERIFY(type.hasRegisteredDebugStreamOperator());
}

void tst_ZelCoreTypes::everyFieldTakesPartInEquality()
{
    QCOMPARE(ZelMinMaxRange<int>(), ZelMinMaxRange<int>(0, 99, 1)); // like a fresh QSlider
    checkVariantsDiffer(ZelMinMaxRange<int>(1, 2, 3), {{0, 2, 3}, {1, 0, 3}, {1, 2, 0}, {3, 2, 1}});
    // Exact for doubles: a range nudged by one ulp is another range.
    checkVariantsDiffer(ZelMinMaxRange<double>(1.0, 2.0, 0.5),
                        {{std::nextafter(1.0, 2.0), 2.0, 0.5}, {1.0, 2.5, 0.5}, {1.0, 2.0, 0.25}});
    checkVariantsDiffer(ZelCheckableIntValue(4, true), {{4, false}, {5, true}});

    const QRect r(QPoint(1, 2), QPoint(3, 4));
    checkVariantsDiffer(ZelScanAreaRange{r, 5, 6, 7, 8, 9},
                        {{r.adjusted(-1, 0, 0, 0), 5, 6, 7, 8, 9}, {r.adjusted(0, -1, 0, 0), 5, 6, 7, 8, 9},
                         {r.adjusted(0, 0, 1, 0), 5, 6, 7, 8, 9}, {r.adjusted(0, 0, 0, 1), 5, 6, 7, 8, 9},
                         {r, 0, 6, 7, 8, 9}, {r, 5, 0, 7, 8, 9}, {r, 5, 6, 0, 8, 9}, {r, 5, 6, 7, 0, 9}, {r, 5, 6, 7, 8, 0}});
    checkVariantsDiffer(ZelApplicationSecurityPolicy{true, false, 15},
                        {{false, false, 15}, {true, true, 15}, {true, false, 0}});
    const QByteArray st("\x01\x02", 2);
    checkVariantsDiffer(ZelCore::CaptureEngineData{"cam0", 12.5, 2.0, 3, st},
                        {{"cam1", 12.5, 2.0, 3, st}, {"cam0", 12.0, 2.0, 3, st}, {"cam0", 12.5, 1.0, 3, st},
                         {"cam0", 12.5, 2.0, 4, st}, {"cam0", 12.5, 2.0, 3, st.left(1)}});
    checkVariantsDiffer(ZelVec4D(1, 2, 3, 4), {{0, 2, 3, 4}, {1, 0, 3, 4}, {1, 2, 0, 4}, {1, 2, 3, 0}});

    checkVariantsDiffer(ZelEnumerationItem(idA, QStringLiteral("One"), 1),
                        {ZelEnumerationItem(idB, QStringLiteral("One"), 1),
                         ZelEnumerationItem(idA, QStringLiteral("one"), 1),
                         ZelEnumerationItem(idA, QStringLiteral("One"), 2)});
    const ZelEnumeration enumeration = sampleEnumeration();
    ZelEnumeration renamed = enumeration;
    renamed.setName(QStringLiteral("Other"));
    const ZelEnumeration reordered(enumeration.name(), {enumeration.items().at(1), enumeration.items().at(0)});
    checkVariantsDiffer(enumeration, {renamed, reordered});
}

void tst_ZelCoreTypes::streams_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("layout");

    QTest::newRow("int range") << QVariant::fromValue(ZelMinMaxRange<int>(-5, 70, 3))
                               << streamed(qint32(-5), qint32(70), qint32(3));
    QTest::newRow("double range") << QVariant::fromValue(ZelMinMaxRange<double>(0.25, 8.5, 0.125))
                                  << streamed(0.25, 8.5, 0.125);
    QTest::newRow("checkable int") << QVariant::fromValue(ZelCheckableIntValue(-7, true)) << streamed(qint32(-7), true);
    QTest::newRow("checkable double") << QVariant::fromValue(ZelCheckableDoubleValue(2.5, false)) << streamed(2.5, false);
    QTest::newRow("scan area") << QVariant::fromValue(
        ZelScanAreaRange{QRect(QPoint(-10, 20), QPoint(300, 400)), 1, 2, 3, 4, INT_MAX})
                               << streamed(qint32(-10), qint32(20), qint32(300), qint32(400), qint32(1), qint32(2),
                                         qint32(3), qint32(4), qint32(INT_MAX));
    QTest::newRow("policy") << QVariant::fromValue(ZelApplicationSecurityPolicy{false, true, 45})
                            << streamed(false, true, qint32(45));
    QTest::newRow("capture")
        << QVariant::fromValue(ZelCore::CaptureEngineData{QStringLiteral("cam"), 33.5, 4.0, 7, QByteArray("blob")})
        << streamed(QStringLiteral("cam"), 33.5, 4.0, qint32(7), QByteArray("blob"));
    QTest::newRow("vec4d") << QVariant::fromValue(ZelVec4D(1.5, -2.5, qInf(), -0.0)) << streamed(1.5, -2.5, qInf(), -0.0);
    QTest::newRow("vec4d list") << QVariant::fromValue(QList<ZelVec4D>{{1, 2, 3, 4}, {-1, -2, -3, -4}})
                                << streamed(quint32(2), 1.0, 2.0, 3.0, 4.0, -1.0, -2.0, -3.0, -4.0);
    QTest::newRow("item") << QVariant::fromValue(ZelEnumerationItem(idC, QStringLiteral("Fast"), QStringLiteral("f")))
                          << streamed(idC, QStringLiteral("Fast"), QVariant(QStringLiteral("f")));
    QTest::newRow("enumeration") << QVariant::fromValue(sampleEnumeration())
                                 << streamed(QStringLiteral("Binning"), quint32(2), idA, QStringLiteral("1x1"),
                                           QVariant(1), idB, QStringLiteral("2x2"), QVariant(2));
}

void tst_ZelCoreTypes::streams()
{
    QFETCH(QVariant, value);
    QFETCH(QByteArray, layout);

    // The type's own operators: fields in order, and back.
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    QVERIFY(value.metaType().save(out, value.constData()));
    QCOMPARE(bytes, layout);
    QVariant loaded(value.metaType());
    QDataStream in(layout);
    QVERIFY(value.metaType().load(in, loaded.data()));
    QVERIFY(in.status() == QDataStream::Ok && in.atEnd());
    QCOMPARE(loaded, value);

    // Wrapped in a QVariant the type travels by name, also in the old stream
    // version QSettings writes.
    for (const int version : {int(QDataStream::Qt_DefaultCompiledVersion), int(QDataStream::Qt_4_0)}) {
        QByteArray wrapped;
        QDataStream out(&wrapped, QIODevice::WriteOnly);
        out.setVersion(version);
        out << value;
        QDataStream in(wrapped);
        in.setVersion(version);
        QVariant back;
        in >> back;
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(back.metaType(), value.metaType());
        QCOMPARE(back, value);
    }
}

void tst_ZelCoreTypes::truncatedStreamLeavesTargetAlone()
{
    const ZelScanAreaRange before{QRect(10, 10, 10, 10), 2, 2, 2, 2, 2};
    ZelScanAreaRange target = before;
    QCOMPARE(readInto(streamed(ZelScanAreaRange{QRect(1, 2, 3, 4), 5, 6, 7, 8, 9}).left(30), target),
             QDataStream::ReadPastEnd);
    QCOMPARE(target, before);
    ZelCore::CaptureEngineData capture;
    QVERIFY(readInto(streamed(ZelCore::CaptureEngineData{QStringLiteral("c"), 1.0, 2.0, 3, "state"}).chopped(2),
                     capture) != QDataStream::Ok);
    QCOMPARE(capture, ZelCore::CaptureEngineData());
}

void tst_ZelCoreTypes::enumerationKeepsOrderAndUniqueIds()
{
    ZelEnumeration enumeration(QStringLiteral("Mode"));
    const auto ids = [&enumeration] {
        QList<QUuid> result;
        for (const ZelEnumerationItem &item : enumeration.items())
            result.append(item.id());
        return result;
    };
    for (const QUuid &id : {idC, idA, idB})
        QVERIFY(enumeration.addItem(ZelEnumerationItem(id, id.toString(), 0)));
    // The same id replaces the item where it stands.
    QVERIFY(enumeration.addItem(ZelEnumerationItem(idA, QStringLiteral("A2"), 10)));
    QCOMPARE(ids(), QList<QUuid>({idC, idA, idB}));
    QCOMPARE(enumeration.indexOf(idB), 2);
    QCOMPARE(enumeration.getItem(idA), ZelEnumerationItem(idA, QStringLiteral("A2"), 10));

    // A null id would be indistinguishable from "not found".
    QVERIFY(!enumeration.addItem(ZelEnumerationItem(QUuid(), QStringLiteral("none"), 0)));
    QCOMPARE(enumeration.indexOf(QUuid()), -1);

    QVERIFY(enumeration.removeItem(idC));
    QVERIFY(!enumeration.removeItem(idC));
    QCOMPARE(enumeration.indexOf(idC), -1);
    QVERIFY(enumeration.getItem(idC).isNull());
    QCOMPARE(ids(), QList<QUuid>({idA, idB}));

    // Streaming goes through the same rules: a stream written by hand with a
    // null and a repeated id.
    QCOMPARE(readBack<ZelEnumeration>(streamed(QStringLiteral("Hand made"), quint32(3), idA, QStringLiteral("a"),
                                               QVariant(1), QUuid(), QStringLiteral("null"), QVariant(2), idA,
                                               QStringLiteral("a again"), QVariant(3))),
             ZelEnumeration(QStringLiteral("Hand made"), {ZelEnumerationItem(idA, QStringLiteral("a again"), 3)}));
}

void tst_ZelCoreTypes::connectionHolder()
{
    QObject sender;
    int calls = 0;
    const auto ping = [&sender] { sender.setObjectName(sender.objectName() + QLatin1Char('x')); };
    const auto count = [&calls](int by) { return [&calls, by] { calls += by; }; };
    {
        ZelConnection<> first = QObject::connect(&sender, &QObject::objectNameChanged, count(1));
        {
            ZelConnection<> second;
            QVERIFY(!second.isConnected());
            second = first;
            QVERIFY(second.isConnected());
        }
        ping(); // the connection outlives a copy
        // Replacing the last owner's connection ends the old one.
        first = QObject::connect(&sender, &QObject::objectNameChanged, count(10));
        ping();
        QCOMPARE(calls, 11);
    }
    ping(); // and ends with the last copy
    QCOMPARE(calls, 11);

    // disconnect() and release() act on every copy; a released one survives them.
    ZelConnection<> a = QObject::connect(&sender, &QObject::objectNameChanged, count(100));
    const ZelConnection<> b = a;
    QVERIFY(a.disconnect());
    QVERIFY(!b.isConnected() && !a.disconnect());
    QMetaObject::Connection released;
    {
        ZelConnection<> c = QObject::connect(&sender, &QObject::objectNameChanged, count(1000));
        const ZelConnection<> d = c;
        released = c.release();
        QVERIFY(released && !d.isConnected() && !d.connection());
    }
    ping();
    QCOMPARE(calls, 1011);
    QVERIFY(QObject::disconnect(released));
    QVERIFY(!ZelConnection<>().disconnect() && !ZelConnection<>().release());

    // The sender may go first; the holder notices and lets go quietly.
    auto *shortLived = new QObject;
    ZelConnection<> orphan = QObject::connect(shortLived, &QObject::destroyed, [] {});
    QVERIFY(orphan.isConnected());
    delete shortLived;
    QVERIFY(!orphan.isConnected() && !orphan.disconnect());
}

QTEST_GUILESS_MAIN(tst_ZelCoreTypes)
#include "tst_zelcore_types.moc"
