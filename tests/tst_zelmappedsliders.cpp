// Sliders and spin boxes mapping their integer position to another number: real, logarithmic, angle.

#include "zelrange_testhelpers.h"

#include <ZelGui/ZelAngleSpinBox.h>
#include <ZelGui/ZelDoubleSlider.h>
#include <ZelGui/ZelLogSlider.h>
#include <ZelGui/ZelSliderLog.h>

#include <QRegularExpression>
#include <QStyleFactory>

using namespace ZelRangeTest;

namespace {

template<class S>
QString state(S *s) // "[slider minimum..maximum at position = value]"
{
    double value = s->value();
    if constexpr (std::is_same_v<S, ZelLogSlider>)
        value = s->currentValue();
    return QStringLiteral("[%1..%2 at %3 = %4]")
        .arg(s->QSlider::minimum())
        .arg(s->QSlider::maximum())
        .arg(s->sliderPosition())
        .arg(argText(value));
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

class tst_ZelMappedSliders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)"))); }

    void sliders_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expectedLog");

        QTest::newRow("real: range and step")
            << "note; range 0 1; step 0.1; note; min -1; note; max 0"
            << "[0..100 at 0 = 0] [0..10 at 0 = 0] doubleValueChanged(0) [0..20 at 10 = 0] [0..10 at 10 = 0]";
        QTest::newRow("real: on the grid, infinity") << "step 0.5; range 0 10; set 1.2; note; set inf"
                                                     << "doubleValueChanged(1) [0..20 at 2 = 1] doubleValueChanged(10) [0..20 at 20 = 10]";
        // Steps without a grid are taken: a zero step puts every one of int's positions at the minimum.
        QTest::newRow("real: zero step") << "step 0; set 5"
                                         << "doubleValueChanged(0) [0..2147483647 at 2147483647 = 0]";
        QTest::newRow("real: negative, NaN, infinite steps") << "step -1; note; step nan; note; step inf"
                                                             << "[0..0 at 0 = 0] [0..0 at 0 = 0] [0..0 at 0 = 0]";
        QTest::newRow("real: keys and drag")
            << "step 0.25; range 1 3; key Right; key PgUp; drag 4 8"
            << "doubleValueChanged(1.25) doubleValueChanged(1.5) doubleValueChanged(2) doubleValueChanged(3) [0..8 at 8 = 3]";

        // Between decades the nearer exponent; a new base keeps the exponents.
        QTest::newRow("log: decades") << "base 10; range 1 1000; set 100; set 400; note; base 2"
                                      << "valueChangedLog(100) valueChangedLog(1000) [0..3 at 3 = 1000] [0..3 at 3 = 8]";
        QTest::newRow("log: drag") << "base 2; range 1 64; drag 3 5"
                                   << "sliderMovedLog(8) valueChangedLog(8) sliderMovedLog(32) valueChangedLog(32) [0..6 at 5 = 32]";
        // A value without logarithm goes to position 0 and takes its value; such a bound leaves one position.
        for (const char *bad : {"0", "-5", "nan", "-inf"})
            QTest::addRow("log: %s", bad) << QStringLiteral("base 10; range 1 1000; set 100; set %1; set %1; note; range %1 1000").arg(bad)
                                          << "valueChangedLog(100) valueChangedLog(1) [0..3 at 0 = nan] [0..0 at 0 = nan]";
        QTest::newRow("log: base 1") << "range 1 1000; set 100; note; base 10; range 1 1000; set 10"
                                     << "[0..0 at 0 = 1] valueChangedLog(10) [0..3 at 1 = 10]";

        QTest::newRow("decades: bounds without logarithm") << "range 0 100; note; range -5 -1; note; range 1 inf"
                                                           << "[0..2 at 0 = 0] [0..0 at 0 = 0] [0..0 at 0 = 0]";
        QTest::newRow("decades: whole double range") << "range 1e-300 1e300"
                                                     << "[-300..300 at 0 = 0]";
        // Position 0 stands for 1, brought up to the range's 2.
        QTest::newRow("decades: positions, keys and drag")
            << "range 2 500; position 1; position 0; key Right; drag 2"
            << "currentValueChanged(10) currentValueChanged(2) currentValueChanged(10) currentValueChanged(100) [0..2 at 2 = 100]";
        // Only a change beyond qFuzzyCompare emits, so NaN does every time; the slider stays.
        QTest::newRow("decades: current value")
            << "range 1 1000; current 5; current 5; current 5.00000000000005; current 5.0001; current nan; current nan"
            << "currentValueChanged(5) currentValueChanged(5.0001) currentValueChanged(nan) currentValueChanged(nan) [0..3 at 0 = nan]";
    }

    void sliders()
    {
        QFETCH(QString, script);
        QFETCH(QString, expectedLog);

        QStringList log;
        ZelDoubleSlider real;
        ZelSliderLog logScale;
        ZelLogSlider decades;
        logSignal(&real, &ZelDoubleSlider::doubleValueChanged, &log, "doubleValueChanged");
        logSignal(&logScale, &ZelSliderLog::sliderMovedLog, &log, "sliderMovedLog");
        logSignal(&logScale, &ZelSliderLog::valueChangedLog, &log, "valueChangedLog");
        logSignal(&decades, &ZelLogSlider::currentValueChanged, &log, "currentValueChanged");
        auto go = [&](auto *slider) {
            slider->setOrientation(Qt::Horizontal);
            slider->resize(300, 30);
            slider->show();
            QVERIFY(QTest::qWaitForWindowExposed(slider));
            run(slider, script, &log);
        };
        // The row's name says which slider.
        const QByteArray type = QByteArray(QTest::currentDataTag()).split(':').first();
        if (type == "real")
            go(&real);
        else if (type == "log")
            go(&logScale);
        else
            go(&decades);
        QCOMPARE(log.join(u' '), expectedLog);
    }

    void logSliderMappingsAreInverse()
    {
        ZelLogSlider slider;
        slider.setRange(ZelMinMaxRange<double>(0.001, 1e6, 1.0));
        for (double value : {0.001, 0.02, 1.0, 3.5, 1234.0, 1e6})
            QVERIFY(qFuzzyCompare(slider.mapToValue(slider.mapFromValue(value)), value));
    }

    void angleSpinBox()
    {
        ZelAngleSpinBox box;
        box.setLocale(QLocale::c());
        typeInto(&box, QStringLiteral("12.5\u00b0"));
        QCOMPARE(box.value(), 12.5);
        QCOMPARE(box.text(), QStringLiteral("12.50\u00b0"));
        QCOMPARE(box.valueFromText(QStringLiteral(" 7.5 \u00b0 ")), 7.5);
        QCOMPARE(box.valueFromText(QStringLiteral("\u00b0")), 12.5); // no number: the value stays
        box.setValue(360.0); // it wraps around the full circle
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(box.value(), 0.0);
    }
};

QTEST_MAIN(tst_ZelMappedSliders)
#include "tst_zelmappedsliders.moc"
