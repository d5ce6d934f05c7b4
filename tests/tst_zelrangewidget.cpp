// The slider-plus-spin-box range editors: sync, snapping, range changes, user input, bad input.

#include "zelrange_testhelpers.h"

#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelRangeWidgetWithLabel.h>

#include <QDoubleSpinBox>
#include <QRegularExpression>
#include <QStyleFactory>

#include <climits>

using namespace ZelRangeTest;

namespace {

// "[stored: spin box,slider]"; integer spin boxes by value (Qt groups INT_MIN's digits).
template<class W>
QString state(W *w)
{
    QString shown = w->template findChild<QAbstractSpinBox *>()->text();
    if constexpr (std::is_same_v<decltype(w->value()), int>)
        shown = QString::number(w->template findChild<QSpinBox *>()->value());
    return QStringLiteral("[%1: %2,%3]").arg(argText(w->value()), shown).arg(w->template findChild<QSlider *>()->value());
}

// Runs "verb args; ..." (the verbs below); logs the end state and the spin box's own valueChanged as "spin(v)".
template<class W>
void run(W *w, const QString &script, QStringList *log)
{
    using T = decltype(w->value());
    using Spin = std::conditional_t<std::is_same_v<T, int>, QSpinBox, QDoubleSpinBox>;
    auto *spin = w->template findChild<Spin *>();
    auto *slider = w->template findChild<QSlider *>();
    logSignal(spin, &Spin::valueChanged, log, "spin");
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList words = step.split(u' ', Qt::SkipEmptyParts);
        const QByteArray verb = words.at(0).toLatin1();
        const T a = T(words.value(1).toDouble()), b = T(words.value(2).toDouble());
        if (verb == "set") {
            w->setValue(a);
        } else if (verb == "range") {
            w->setRange(ZelMinMaxRange<T>(a, b, T(words.at(3).toDouble())));
        } else if (verb == "min") {
            w->setMinimum(a);
        } else if (verb == "max") {
            w->setMaximum(a);
        } else if (verb == "step") {
            w->setSingleStep(a);
        } else if (verb == "type") {
            typeInto(spin, words.at(1), Qt::Key_unknown);
            *log << QStringLiteral("typed"); // nothing is committed before
            QTest::keyClick(spin, Qt::Key_Return);
        } else if (verb == "spin" || verb == "slider") {
            QTest::keyClick(verb == "spin" ? static_cast<QWidget *>(spin) : slider, QKeySequence(words.at(1))[0].key());
        } else if (verb == "drag") {
            QList<int> path;
            for (const QString &position : words.mid(1))
                path << position.toInt();
            QVERIFY(dragThrough(slider, path, [&] { *log << state(w); }));
        } else if (verb == "page") {
            const QRect groove = sliderRect(slider, QStyle::SC_SliderGroove);
            QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(groove.right() - 2, groove.center().y()));
        } else if (verb == "bounds") {
            *log << QStringLiteral("(%1..%2 step %3 slider %4..%5)")
                        .arg(argText(w->minimum()), argText(w->maximum()), argText(w->singleStep()))
                        .arg(slider->minimum()).arg(slider->maximum());
        } else if (verb == "note") {
            *log << state(w);
        } else if constexpr (std::is_same_v<W, ZelDoubleRangeWidget>) {
            w->setDecimals(int(a)); // "decimals"
        }
    }
    *log << state(w);
}

// A shown editor of type W runs the script; returns its log.
template<class W>
QString edit(const QString &script)
{
    W w;
    QStringList log;
    logEditor(&w, &log);
    if constexpr (std::is_same_v<W, ZelDoubleRangeWidget>)
        logSignal(&w, &ZelDoubleRangeWidget::valueChangedFinished, &log, "valueChangedFinished");
    w.resize(400, w.sizeHint().height());
    w.show();
    if (!QTest::qWaitForWindowActive(&w))
        return QStringLiteral("not shown");
    run(&w, script, &log);
    return log.join(u' ');
}

} // namespace

class tst_ZelRangeWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)"))); }

    void editing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expectedLog");
        const QString range = QStringLiteral("range");
        const QString label = QStringLiteral("label");
        const QString real = QStringLiteral("real");
        const QString fullRange = QStringLiteral("range -2147483648 2147483647 10; ");
        const auto to = [](int v) { return QStringLiteral("valueChanged(%1) [%1: %1,%1]").arg(v); }; // settles at v

        QTest::newRow("real: new, shows 1 and stores 0") << real << "bounds" << "(1..1 step 1 slider 1..1) [0: 1.000,1]";

        // Snapping from step 2 to a grid from the minimum, the captioned one from 3 from 0; a repeat changes nothing.
        QTest::newRow("range: grid from the minimum") << range << "range 3 40 5; set 10; set 10" << to(8);
        QTest::newRow("label: grid from zero") << label << "range 3 40 5; set 10; set 10" << to(10);
        QTest::newRow("range: step 2 snaps, tie up") << range << "range 1 100 2; set 4" << to(5);
        QTest::newRow("label: step 2 keeps the value") << label << "range 0 100 2; set 5" << to(5);
        QTest::newRow("label: step 3 snaps") << label << "range 0 100 3; set 5" << to(6);
        QTest::newRow("label: negative tie") << label << "range -50 50 10; set -15" << to(-20);
        // Out of range it is stored and announced, the controls clamp; a later range change takes the shown value over.
        QTest::newRow("range: below the minimum") << range << "range 10 50 10; set -100; set 10; note; max 80"
                                                  << "valueChanged(-100) [-100: 10,10] [10: 10,10]";
        QTest::newRow("range: INT_MIN") << range << fullRange + "set -2147483648" << to(INT_MIN);
        QTest::newRow("range: INT_MAX, saturated") << range << fullRange + "set 2147483647" << to(INT_MAX);

        // Range changes clamp the value without emitting; the step stays.
        QTest::newRow("range: minimum above maximum") << range << "range 0 100 2; set 50; min 200; bounds"
                                                      << "valueChanged(50) (200..200 step 2 slider 200..200) [200: 200,200]";

        // A typed value snaps; the spin box keeps the typed text, the slider moves.
        QTest::newRow("range: type, step 5") << range << "range 3 40 5; type 10" << "typed valueChanged(8) spin(10) [8: 10,8]";
        QTest::newRow("range: a new step reaches both") << range << "range 0 100 7; step 3; spin Up; slider Right"
                                                        << "valueChanged(3) spin(3) valueChanged(6) [6: 6,6]";
        // A negative step snaps nothing; the spin box keeps its step, the slider steps by the size.
        QTest::newRow("range: negative step") << range << "range 0 100 10; step -5; set 23; slider Right; spin Up"
                                              << "valueChanged(23) valueChanged(28) valueChanged(38) spin(38) [38: 38,38]";
        QTest::newRow("range: click on the groove pages") << range << "range 0 100 1; page" << to(10);
        // Held positions snap back; one snapping to the stored value changes nothing, the handle stays.
        QTest::newRow("range: drag") << range << "range 0 100 10; drag 23 27 40"
                                     << "pressed moved(23) valueChanged(20) [20: 20,20] moved(27) valueChanged(30) [30: 30,30] "
                                        "moved(40) valueChanged(40) [40: 40,40] released [40: 40,40]";
        QTest::newRow("range: drag back within the step") << range << "range 0 100 10; drag 23 22"
            << "pressed moved(23) valueChanged(20) [20: 20,20] moved(22) [20: 20,22] released [20: 20,22]";

        // The real widget compares what its controls show, fuzzily; NaN never gets in, ±inf is stored.
        QTest::newRow("real: stored and shown")
            << real << "set 1; set 0; note; range 0 10 0.5; note; set 12.75; set 10.0000000000001; set nan; note; set inf; set inf; note; "
                       "set -inf; note; set 2.5"
            << "[0: 1.000,1] [1: 1.000,1] valueChanged(12.75) valueChangedFinished(12.75) [12.75: 10.000,10] "
               "valueChanged(inf) valueChangedFinished(inf) [inf: 10.000,0] valueChanged(-inf) valueChangedFinished(-inf) "
               "[-inf: 0.000,0] valueChanged(2.5) valueChangedFinished(2.5) [2.5: 2.500,2]";
        QTest::newRow("real: typing, keys, decimals") << real << "range 0 1 0.05; bounds; type 0.25; spin Up; decimals 1; set 0.7"
            << "(0..1 step 0.05 slider 0..1) typed valueChanged(0.25) valueChangedFinished(0.25) spin(0.25) "
               "valueChanged(0.3) valueChangedFinished(0.3) spin(0.3) valueChanged(0.7) valueChangedFinished(0.7) [0.7: 0.7,0]";
        // A drag reports its final value once, after the release.
        QTest::newRow("real: drag") << real << "range 0 10 1; drag 3 7; drag"
            << "pressed moved(3) valueChanged(3) [3: 3.000,3] moved(7) valueChanged(7) [7: 7.000,7] released "
               "valueChangedFinished(7) pressed released [7: 7.000,7]";
        // A quarter is no slider step; 2 is.
        QTest::newRow("real: slider step") << real << "range 0 10 0.25; slider Right; step 2; slider Right"
                                           << "valueChanged(3) valueChangedFinished(3) [3: 3.000,3]";
    }

    void editing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, script);
        QFETCH(QString, expectedLog);
        if (kind == QLatin1String("range"))
            QCOMPARE(edit<ZelRangeWidget>(script), expectedLog);
        else if (kind == QLatin1String("label"))
            QCOMPARE(edit<ZelRangeWidgetWithLabel>(script), expectedLog);
        else
            QCOMPARE(edit<ZelDoubleRangeWidget>(script), expectedLog);
    }

    void logarithmicSliderScales()
    {
        using Real = ZelDoubleRangeWidget;
        // Positions of 1000 and 100: the logarithm times 10^6, truncated.
        for (const auto &[scale, positions] : QList<std::pair<Real::SliderScale, QList<int>>>{
                 {Real::Log10, {3000000, 2000000}}, {Real::NaturalLog, {6907755, 4605170}}}) {
            struct Scaled : Real
            {
                explicit Scaled(SliderScale s) { setSliderScale(s); }
            } w{scale};
            w.setRange(1.0, 1000.0);
            auto *slider = w.findChild<QSlider *>();
            QCOMPARE(QList<int>({slider->minimum(), slider->maximum(), slider->singleStep()}),
                     QList<int>({0, positions[0], 0})); // a step of 1 is no position at all
            w.setValue(100.0);
            QCOMPARE(slider->value(), positions[1]);
            // The value of the last position is the maximum again, to six digits (the natural one gives 999.99972).
            QTest::keyClick(slider, Qt::Key_End);
            QCOMPARE(QString::number(w.value()), QStringLiteral("1000"));
            // 0 has no logarithm: its position is 0.
            w.setValue(0.0);
            QCOMPARE(slider->value(), 0);
        }
    }

    void badInputLeavesWidgetsWorking()
    {
        ZelDoubleRangeWidget real;
        auto *slider = real.findChild<QSlider *>();
        real.setRange(ZelMinMaxRange<double>(0.0, 10.0, 0.5));
        real.setValue(4.0);
        QStringList log;
        logEditor(&real, &log);
        // NaN bounds, steps and values are ignored.
        real.setRange(ZelMinMaxRange<double>(qQNaN(), 5.0, 0.5));
        real.setRange(ZelMinMaxRange<double>(0.0, 10.0, qQNaN()));
        real.setSingleStep(qQNaN());
        QCOMPARE(QList<double>({real.minimum(), real.maximum(), real.singleStep(), real.value()}),
                 QList<double>({0.0, 10.0, 0.5, 4.0}));
        QCOMPARE(log, QStringList());
        // Positions beyond int take its limits.
        real.setRange(ZelMinMaxRange<double>(-1e300, 1e300, 1.0));
        QCOMPARE(QList<int>({slider->minimum(), slider->maximum()}), QList<int>({INT_MIN, INT_MAX}));
        real.setValue(1e300);
        QCOMPARE(slider->value(), INT_MAX);
        // A step at INT_MIN positions goes to the slider as INT_MAX (QSlider takes its size).
        real.setSingleStep(-1e300);
        QCOMPARE(slider->singleStep(), INT_MAX);
    }
};

QTEST_MAIN(tst_ZelRangeWidget)
#include "tst_zelrangewidget.moc"
