// Sliders and spin boxes mapping their integer position to another number: real, logarithmic, angle.

#include "zelrange_testhelpers.h"

#include <ZelGui/ZelAngleSpinBox.h>
#include <ZelGui/ZelDoubleSlider.h>
#include <ZelGui/ZelLogSlider.h>
#include <ZelGui/ZelSliderLog.h>
#include <ZelGui/ZelSpinBox.h>

#include <QRegularExpression>
#include <QStyleFactory>

#include <cmath>

using namespace ZelRangeTest;

namespace {

enum class Type { Double, Log, Decades };

template<class S>
QString state(S *s) // "[slider minimum..maximum at position = value]"
{
    double value = s->value();
    if constexpr (std::is_same_v<S, ZelLogSlider>)
        value = s->currentValue();
    return QStringLiteral("[%1..%2 at %3 = %4]")
        .arg(s->QSlider::minimum()).arg(s->QSlider::maximum()).arg(s->sliderPosition()).arg(argText(value));
}

// Runs "verb args; ..." (the verbs below; "position" sets the integer one); logs the state at the end.
template<class S>
void run(S *s, const QString &script, QStringList *log)
{
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList words = step.split(u' ', Qt::SkipEmptyParts);
        const QByteArray verb = words.at(0).toLatin1();
        const double a = words.value(1).toDouble(), b = words.value(2).toDouble();
        QList<int> path;
        for (const QString &position : words.mid(1))
            path << position.toInt();
        if (verb == "key")
            QTest::keyClick(s, QKeySequence(words.at(1))[0].key());
        else if (verb == "drag")
            QVERIFY(dragThrough(s, path));
        else if (verb == "note")
            *log << state(s);
        else if (verb == "position")
            s->QSlider::setValue(int(a));
        else if constexpr (std::is_same_v<S, ZelLogSlider>)
            verb == "range" ? s->setRange(ZelMinMaxRange<double>(a, b, 1.0)) : s->setCurrentValue(a);
        else if (verb == "range")
            s->setRange(a, b);
        else if (verb == "set")
            s->setValue(a);
        else if (verb == "step")
            s->setSingleStep(a);
        else if (verb == "min" || verb == "max")
            verb == "min" ? s->setMinimum(a) : s->setMaximum(a);
        else if constexpr (std::is_same_v<S, ZelSliderLog>)
            s->setBase(a);
    }
    *log << state(s);
}

} // namespace

Q_DECLARE_METATYPE(Type)

class tst_ZelMappedSliders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)"))); }

    void sliders_data()
    {
        QTest::addColumn<Type>("type");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expectedLog");
        const Type real = Type::Double, logScale = Type::Log, decades = Type::Decades;

        QTest::newRow("real: range and step") << real << "note; range 0 1; step 0.1; note; min -1; note; max 0"
            << "[0..100 at 0 = 0] [0..10 at 0 = 0] doubleValueChanged(0) [0..20 at 10 = 0] [0..10 at 10 = 0]";
        QTest::newRow("real: lands on the grid") << real << "step 0.5; range 0 10; set 1.2" << "doubleValueChanged(1) [0..20 at 2 = 1]";
        QTest::newRow("real: below the minimum") << real << "range 5 10; set -3" << "[0..5 at 0 = 5]";
        QTest::newRow("real: infinity") << real << "range 0 10; set inf" << "doubleValueChanged(10) [0..10 at 10 = 10]";
        // Steps without a grid are taken: a zero step puts every one of int's positions at the minimum.
        QTest::newRow("real: zero step") << real << "step 0; set 5" << "doubleValueChanged(0) [0..2147483647 at 2147483647 = 0]";
        QTest::newRow("real: negative, NaN, infinite steps") << real << "step -1; note; step nan; note; step inf"
                                                             << "[0..0 at 0 = 0] [0..0 at 0 = 0] [0..0 at 0 = 0]";
        QTest::newRow("real: keys and drag") << real << "step 0.25; range 1 3; key Right; key PgUp; drag 4 8"
            << "doubleValueChanged(1.25) doubleValueChanged(1.5) doubleValueChanged(2) doubleValueChanged(3) [0..8 at 8 = 3]";

        // Between decades the nearer exponent; a new base keeps the exponents.
        QTest::newRow("log: decades") << logScale << "base 10; range 1 1000; set 100; set 400; note; base 2"
                                      << "valueChangedLog(100) valueChangedLog(1000) [0..3 at 3 = 1000] [0..3 at 3 = 8]";
        QTest::newRow("log: drag") << logScale << "base 2; range 1 64; drag 3 5"
                                   << "sliderMovedLog(8) valueChangedLog(8) sliderMovedLog(32) valueChangedLog(32) [0..6 at 5 = 32]";
        // A value without logarithm goes to position 0 and takes its value; such a bound leaves one position.
        for (const char *bad : {"0", "-5", "nan", "-inf"})
            QTest::addRow("log: %s", bad) << logScale
                                          << QStringLiteral("base 10; range 1 1000; set 100; set %1; set %1; note; range %1 1000").arg(bad)
                                          << "valueChangedLog(100) valueChangedLog(1) [0..3 at 0 = nan] [0..0 at 0 = nan]";
        QTest::newRow("log: base 1") << logScale << "range 1 1000; set 100; note; base 10; range 1 1000; set 10"
                                     << "[0..0 at 0 = 1] valueChangedLog(10) [0..3 at 1 = 10]";

        QTest::newRow("decades: zero bound") << decades << "range 0 100" << "[0..2 at 0 = 0]";
        QTest::newRow("decades: negative bounds") << decades << "range -5 -1" << "[0..0 at 0 = 0]";
        QTest::newRow("decades: infinite bound") << decades << "range 1 inf" << "[0..0 at 0 = 0]";
        QTest::newRow("decades: whole double range") << decades << "range 1e-300 1e300" << "[-300..300 at 0 = 0]";
        // Position 0 stands for 1, brought up to the range's 2.
        QTest::newRow("decades: positions, keys and drag") << decades << "range 2 500; position 1; position 0; key Right; drag 2"
            << "currentValueChanged(10) currentValueChanged(2) currentValueChanged(10) currentValueChanged(100) [0..2 at 2 = 100]";
        // Only a change beyond qFuzzyCompare emits, so NaN and infinity do every time; the slider stays.
        QTest::newRow("decades: current value") << decades
            << "range 1 1000; current 5; current 5; current 5.00000000000005; current 5.0001; current nan; current nan; note; "
               "current inf; current inf"
            << "currentValueChanged(5) currentValueChanged(5.0001) currentValueChanged(nan) currentValueChanged(nan) "
               "[0..3 at 0 = nan] currentValueChanged(inf) currentValueChanged(inf) [0..3 at 0 = inf]";
    }

    void sliders()
    {
        QFETCH(Type, type);
        QFETCH(QString, script);
        QFETCH(QString, expectedLog);

        QStringList log;
        auto go = [&](auto *slider) {
            slider->setOrientation(Qt::Horizontal);
            slider->resize(300, 30);
            slider->show();
            QVERIFY(QTest::qWaitForWindowExposed(slider));
            run(slider, script, &log);
        };
        if (type == Type::Double) {
            ZelDoubleSlider slider;
            logSignal(&slider, &ZelDoubleSlider::doubleValueChanged, &log, "doubleValueChanged");
            go(&slider);
        } else if (type == Type::Log) {
            ZelSliderLog slider;
            logSignal(&slider, &ZelSliderLog::sliderMovedLog, &log, "sliderMovedLog");
            logSignal(&slider, &ZelSliderLog::valueChangedLog, &log, "valueChangedLog");
            go(&slider);
        } else {
            ZelLogSlider slider;
            logSignal(&slider, &ZelLogSlider::currentValueChanged, &log, "currentValueChanged");
            go(&slider);
        }
        QCOMPARE(log.join(u' '), expectedLog);
    }

    void logSliderMappingsAreInverse()
    {
        ZelLogSlider slider;
        slider.setRange(ZelMinMaxRange<double>(0.001, 1e6, 1.0));
        for (double value : {0.001, 0.02, 1.0, 3.5, 1234.0, 1e6})
            QVERIFY(qFuzzyCompare(slider.mapToValue(slider.mapFromValue(value)), value));
        QVERIFY(std::isinf(slider.mapFromValue(0.0)));
        QVERIFY(std::isnan(slider.mapFromValue(-1.0)));
        QCOMPARE(slider.mapToValue(-10.0), 0.001); // powers beyond the range are brought within it
        QCOMPARE(slider.mapToValue(9.0), 1e6);
    }

    void angleSpinBox()
    {
        ZelAngleSpinBox box;
        box.setLocale(QLocale::c());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        typeInto(&box, QStringLiteral("12.5\u00b0"));
        QCOMPARE(box.value(), 12.5);
        QCOMPARE(box.text(), QStringLiteral("12.50\u00b0"));
        QCOMPARE(box.valueFromText(QStringLiteral(" 7.5 \u00b0 ")), 7.5);
        QCOMPARE(box.valueFromText(QStringLiteral("\u00b0")), 12.5); // no number: the value stays
        box.setValue(360.0); // it wraps around the full circle
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(box.value(), 0.0);
        QTest::keyClick(&box, Qt::Key_Down);
        QCOMPARE(box.value(), 360.0);
    }

    void spinBoxBehavesLikeQSpinBox()
    {
        ZelSpinBox ours;
        QSpinBox plain;
        QStringList logs[2];
        for (QSpinBox *box : {static_cast<QSpinBox *>(&ours), &plain}) {
            QStringList *log = &logs[box == &plain];
            box->setRange(0, 100);
            box->show();
            QVERIFY(QTest::qWaitForWindowExposed(box));
            logSignal(box, &QSpinBox::valueChanged, log, "valueChanged");
            logSignal(box, &QSpinBox::textChanged, log, "textChanged");
            QTest::keyClick(box, Qt::Key_Up);
            typeInto(box, QStringLiteral("57"));
            box->setValue(200);
        }
        QCOMPARE(ours.value(), 100);
        QCOMPARE(logs[0], logs[1]);
        QVERIFY(logs[0].size() >= 6);
    }

    void badInputLeavesSlidersWorking()
    {
        ZelDoubleSlider slider;
        ZelSliderLog logSlider;
        ZelLogSlider decades;
        ZelAngleSpinBox angle;
        angle.setLocale(QLocale::c());
        QStringList log;
        const QStringList bad{"nan", "inf", "-inf", "0", "-1", "1.7976931348623157e308", "4.9406564584124654e-324"};
        for (const QString &x : bad) {
            for (const QString &y : bad) {
                run(&slider, QStringLiteral("range %1 %2; step %2; set %1; min %2; max %1").arg(x, y), &log);
                run(&logSlider, QStringLiteral("base %1; range %1 %2; set %2").arg(x, y), &log);
                run(&decades, QStringLiteral("range %1 %2; current %2").arg(x, y), &log);
                decades.setValue(decades.maximum());
            }
            angle.setValue(x.toDouble());
            angle.setDecimals(int(std::isfinite(x.toDouble()) ? x.toDouble() : 400));
        }

        log.clear(); // all still work normally
        run(&slider, QStringLiteral("range 0 10; step 1; set 3"), &log);
        run(&logSlider, QStringLiteral("base 10; range 1 100; set 10"), &log);
        run(&decades, QStringLiteral("range 1 100; position 2"), &log);
        QCOMPARE(log.join(u' '), QStringLiteral("[0..10 at 3 = 3] [0..2 at 1 = 10] [0..2 at 2 = 100]"));
        angle.setDecimals(1);
        angle.setValue(90.0);
        QCOMPARE(angle.text(), QStringLiteral("90.0\u00b0"));
    }
};

QTEST_MAIN(tst_ZelMappedSliders)
#include "tst_zelmappedsliders.moc"
