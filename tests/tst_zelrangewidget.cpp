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

// A shown editor of type W runs "verb args; ..." (the verbs below); returns the log of its signals, the spin box's
// own valueChanged as "spin(v)", and the end state.
template<class W>
QString edit(const QString &script)
{
    using T = decltype(W().value());
    using Spin = std::conditional_t<std::is_same_v<T, int>, QSpinBox, QDoubleSpinBox>;
    W w;
    auto *spin = w.template findChild<Spin *>();
    auto *slider = w.template findChild<QSlider *>();
    // "[stored: spin box,slider]"; integer spin boxes by value (Qt groups INT_MIN's digits).
    const auto state = [&] {
        const QString shown = std::is_same_v<T, int> ? QString::number(spin->value()) : spin->text();
        return QStringLiteral("[%1: %2,%3]").arg(argText(w.value()), shown).arg(slider->value());
    };
    QStringList log;
    logEditor(&w, &log);
    if constexpr (std::is_same_v<W, ZelDoubleRangeWidget>)
        logSignal(&w, &ZelDoubleRangeWidget::valueChangedFinished, &log, "valueChangedFinished");
    logSignal(spin, &Spin::valueChanged, &log, "spin");
    w.resize(400, w.sizeHint().height());
    w.show();
    if (!QTest::qWaitForWindowActive(&w))
        return QStringLiteral("not shown");
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList words = step.split(u' ', Qt::SkipEmptyParts);
        const QByteArray verb = words.at(0).toLatin1();
        const T a = T(words.value(1).toDouble());
        if (verb == "set") {
            w.setValue(a);
        } else if (verb == "range") {
            w.setRange(ZelMinMaxRange<T>(a, T(words.at(2).toDouble()), T(words.at(3).toDouble())));
        } else if (verb == "min" || verb == "max") {
            verb == "min" ? w.setMinimum(a) : w.setMaximum(a);
        } else if (verb == "step") {
            w.setSingleStep(a);
        } else if (verb == "type") {
            typeInto(spin, words.at(1), Qt::Key_unknown);
            log << QStringLiteral("typed"); // nothing is committed before
            QTest::keyClick(spin, Qt::Key_Return);
        } else if (verb == "spin" || verb == "slider") {
            QTest::keyClick(verb == "spin" ? static_cast<QWidget *>(spin) : slider, QKeySequence(words.at(1))[0].key());
        } else if (verb == "drag") {
            QList<int> path;
            for (const QString &position : words.mid(1))
                path << position.toInt();
            if (!dragThrough(slider, path, [&] { log << state(); }))
                return QStringLiteral("handle missed");
        } else if (verb == "note") {
            log << state();
        } else if constexpr (std::is_same_v<W, ZelDoubleRangeWidget>) {
            w.setDecimals(int(a)); // "decimals"
        }
    }
    log << state();
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
        // The row's name says which editor: "range", "label" (with a caption) or "real".
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expectedLog");
        const QString fullRange = QStringLiteral("range -2147483648 2147483647 10; ");
        const auto to = [](int v) { return QStringLiteral("valueChanged(%1) [%1: %1,%1]").arg(v); }; // settles at v

        // Snapping from step 2 to a grid from the minimum, the captioned one from 3 from 0; a repeat changes nothing.
        QTest::newRow("range: grid from the minimum") << "range 3 40 5; set 10; set 10" << to(8);
        QTest::newRow("label: grid from zero") << "range 3 40 5; set 10; set 10" << to(10);
        QTest::newRow("range: step 2 snaps, tie up") << "range 1 100 2; set 4" << to(5);
        QTest::newRow("label: negative tie") << "range -50 50 10; set -15" << to(-20);
        // Out of range it is stored and announced, the controls clamp; a later range change takes the shown value over.
        QTest::newRow("range: below the minimum") << "range 10 50 10; set -100; set 10; note; max 80"
                                                  << "valueChanged(-100) [-100: 10,10] [10: 10,10]";
        QTest::newRow("range: INT_MIN") << fullRange + "set -2147483648" << to(INT_MIN);
        QTest::newRow("range: INT_MAX, saturated") << fullRange + "set 2147483647" << to(INT_MAX);

        // Range changes clamp the value without emitting; the step stays.
        QTest::newRow("range: minimum above maximum") << "range 0 100 2; set 50; min 200; note; max 300; slider Right"
                                                      << "valueChanged(50) [200: 200,200] valueChanged(202) [202: 202,202]";

        // A typed value snaps; the spin box keeps the typed text, the slider moves.
        QTest::newRow("range: type, step 5") << "range 3 40 5; type 10"
                                             << "typed valueChanged(8) spin(10) [8: 10,8]";
        // Held positions snap; one snapping to the stored value changes nothing, the handle stays.
        QTest::newRow("range: drag") << "range 0 100 10; drag 23 22"
                                     << "pressed moved(23) valueChanged(20) [20: 20,20] moved(22) [20: 20,22] released [20: 20,22]";

        // The real widget compares what its controls show, fuzzily; NaN never gets in, inf is stored.
        QTest::newRow("real: stored and shown")
            << "set 1; set 0; note; range 0 10 0.5; note; set 12.75; set 10.0000000000001; set nan; note; set inf; set 2.5"
            << "[0: 1.000,1] [1: 1.000,1] valueChanged(12.75) valueChangedFinished(12.75) [12.75: 10.000,10] "
               "valueChanged(inf) valueChangedFinished(inf) valueChanged(2.5) valueChangedFinished(2.5) [2.5: 2.500,2]";
        QTest::newRow("real: typing, keys, decimals")
            << "range 0 1 0.05; type 0.25; spin Up; decimals 1; set 0.7"
            << "typed valueChanged(0.25) valueChangedFinished(0.25) spin(0.25) "
               "valueChanged(0.3) valueChangedFinished(0.3) spin(0.3) valueChanged(0.7) valueChangedFinished(0.7) [0.7: 0.7,0]";
        // A drag reports its final value once, after the release.
        QTest::newRow("real: drag") << "range 0 10 1; drag 3 7; drag"
                                    << "pressed moved(3) valueChanged(3) [3: 3.000,3] moved(7) valueChanged(7) [7: 7.000,7] released "
                                       "valueChangedFinished(7) pressed released [7: 7.000,7]";
        // A quarter is no slider step; 2 is.
        QTest::newRow("real: slider step") << "range 0 10 0.25; slider Right; step 2; slider Right"
                                           << "valueChanged(3) valueChangedFinished(3) [3: 3.000,3]";
    }

    void editing()
    {
        QFETCH(QString, script);
        QFETCH(QString, expectedLog);
        const QByteArray kind = QByteArray(QTest::currentDataTag()).split(':').first();
        if (kind == "range")
            QCOMPARE(edit<ZelRangeWidget>(script), expectedLog);
        else if (kind == "label")
            QCOMPARE(edit<ZelRangeWidgetWithLabel>(script), expectedLog);
        else
            QCOMPARE(edit<ZelDoubleRangeWidget>(script), expectedLog);
    }

    void logarithmicSliderScales()
    {
        using Real = ZelDoubleRangeWidget;
        // Positions of 1000 and 100: the logarithm times 10^6, truncated.
        for (const auto &[scale, positions] :
             QList<std::pair<Real::SliderScale, QList<int>>>{{Real::Log10, {3000000, 2000000}}, {Real::NaturalLog, {6907755, 4605170}}}) {
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
        // NaN bounds and steps are ignored.
        real.setRange(ZelMinMaxRange<double>(qQNaN(), 5.0, 0.5));
        real.setSingleStep(qQNaN());
        QCOMPARE(QList<double>({real.minimum(), real.maximum(), real.singleStep(), real.value()}), QList<double>({0.0, 10.0, 0.5, 4.0}));
        // Positions beyond int take its limits.
        real.setRange(ZelMinMaxRange<double>(-1e300, 1e300, 1.0));
        QCOMPARE(QList<int>({slider->minimum(), slider->maximum()}), QList<int>({INT_MIN, INT_MAX}));
        // A step at INT_MIN positions goes to the slider as INT_MAX (QSlider takes its size).
        real.setSingleStep(-1e300);
        QCOMPARE(slider->singleStep(), INT_MAX);
    }
};

QTEST_MAIN(tst_ZelRangeWidget)
#include "tst_zelrangewidget.moc"
