// Check box plus range editor as one value: setters, connect/disconnect cycle, enabled-state coupling.

#include "zelrange_testhelpers.h"

#include <ZelGui/ZelRangeDoubleCheckableWidget.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidgetWithLabel.h>

#include <QCheckBox>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTranslator>

#include <climits>
#include <cmath>

using namespace ZelRangeTest;

namespace {

// The integer widget with the enable policy a subclass may choose.
struct PolicyWidget : ZelRangeIntCheckableWidget
{
    void setPolicy(qint32 policy) { m_enablePolicy = policy; }
};

// "[value,checked spin shown]", plus " disabled" while the editor is.
template<class W>
QString state(W *w)
{
    const bool real = std::is_same_v<decltype(w->value().value), double>;
    const double shown = real ? w->template findChild<QDoubleSpinBox *>()->value() : w->template findChild<QSpinBox *>()->value();
    const bool enabled = w->template findChild<QSlider *>()->parentWidget()->isEnabled();
    return QStringLiteral("[%1 spin %2%3]").arg(argText(w->value()), argText(shown), QLatin1String(enabled ? "" : " disabled"));
}

// Runs "verb args; ..." (set: the silent setter, change: the emitting one; editor/disable act on it); logs the end.
template<class W>
void run(W *w, const QString &script, QStringList *log)
{
    using T = decltype(w->value().value);
    using Editor = std::conditional_t<std::is_same_v<T, int>, ZelRangeWidget, ZelDoubleRangeWidget>;
    auto *editor = w->template findChild<Editor *>();
    QCheckBox *box = w->template findChild<QCheckBox *>();
    QStyleOptionButton option;
    option.initFrom(box);
    const QPoint boxPoint = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box).center();
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList words = step.split(u' ', Qt::SkipEmptyParts);
        const QByteArray verb = words.at(0).toLatin1();
        const T a = T(words.value(1).toDouble()), b = T(words.value(2).toDouble());
        const bool on = words.last() == QLatin1String("on");
        QList<int> path;
        for (const QString &position : words.mid(1))
            path << position.toInt();
        if (verb == "set" || verb == "change")
            verb == "set" ? w->setValue(ZelCheckableTValue<T>(a, on)) : w->changeValue(ZelCheckableTValue<T>(a, on));
        else if (verb == "check")
            w->setChecked(on);
        else if (verb == "click")
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, boxPoint);
        else if (verb == "space")
            QTest::keyClick(box, Qt::Key_Space);
        else if (verb == "range")
            words.size() > 3 ? w->setRange(ZelMinMaxRange<T>(a, b, T(words.at(3).toDouble()))) : w->setRange(a, b);
        else if (verb == "editor")
            editor->setValue(a);
        else if (verb == "disable")
            editor->setEnabled(false);
        else if (verb == "drag")
            QVERIFY(dragThrough(editor->template findChild<QSlider *>(), path));
        else if (verb == "type")
            typeInto(editor->template findChild<QAbstractSpinBox *>(), words.at(1));
        else if (verb == "note")
            *log << state(w);
        else if constexpr (std::is_same_v<W, PolicyWidget>)
            w->setPolicy(qint32(a)); // "policy"
    }
    *log << state(w);
}

template<class W>
void logAll(W *w, QStringList *log)
{
    logEditor(w, log);
    logSignal(w, &W::toggled, log, "toggled");
    logSignal(w, &W::clicked, log, "clicked");
}

} // namespace

class tst_ZelCheckableRange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)"))); }

    void editing_data()
    {
        QTest::addColumn<bool>("real");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expectedLog");

        QTest::newRow("int: setValue is silent, changeValue always emits once") << false << "set 5 on; note; change 7 off; change 7 off"
            << "[5,on spin 5] valueChanged(7,off) valueChanged(7,off) [7,off spin 7]";
        // The editor's stored value: snapped, and beyond the range shown clamped.
        QTest::newRow("int: emits the stored value") << false << "range 0 50 5; change 52 on; change 73 off"
                                                     << "valueChanged(50,on) valueChanged(75,off) [75,off spin 50]";
        // Each connection exists exactly once after many cycles.
        QTest::newRow("int: connect/disconnect cycle")
            << false << "set 0 off; set 1 off; set 2 off; set 3 off; change 9 off; click; editor 11"
            << "valueChanged(9,off) toggled(on) valueChanged(9,on) clicked(on) valueChanged(11,on) [11,on spin 11]";
        // The box (here by keyboard) never changes the integer editor's enabled state.
        QTest::newRow("int: space on the box") << false << "set 4 off; space; note; space"
            << "toggled(on) valueChanged(4,on) clicked(on) [4,on spin 4] toggled(off) valueChanged(4,off) clicked(off) [4,off spin 4]";
        QTest::newRow("int: setValue leaves the enabled state") << false << "click; set 1 off; note; disable; set 1 on"
            << "toggled(on) valueChanged(0,on) clicked(on) [1,off spin 1] [1,on spin 1 disabled]";
        // A checked box disables the real editor, except through setValue, which holds the coupling down.
        QTest::newRow("real: setChecked and setValue") << true << "check on; note; check off; note; set 2 on; note; click; note; click"
            << "toggled(on) valueChanged(1,on) [1,on spin 1 disabled] toggled(off) valueChanged(1,off) [1,off spin 1] [2,on spin 2] "
               "toggled(off) valueChanged(2,off) clicked(off) [2,off spin 2] "
               "toggled(on) valueChanged(2,on) clicked(on) [2,on spin 2 disabled]";
        QTest::newRow("int: drag") << false << "range 0 50 5; set 0 on; drag 12 20"
            << "pressed moved(12) valueChanged(10,on) moved(20) valueChanged(20,on) released [20,on spin 20]";
        QTest::newRow("int: typing") << false << "range 10 90; type 42" << "valueChanged(42,off) [42,off spin 42]";
        // A subclass's enable policy: setValue enables the editor as the box (1), opposite (0), or leaves it.
        QTest::newRow("int: policy 1") << false << "policy 1; set 2 on; note; set 2 off" << "[2,on spin 2] [2,off spin 2 disabled]";
        QTest::newRow("int: policy 0") << false << "policy 0; set 2 on; note; set 2 off" << "[2,on spin 2 disabled] [2,off spin 2]";
        QTest::newRow("int: other policies") << false << "policy 7; set 2 on; note; disable; set 2 off; note; policy -1; set 3 on"
                                             << "[2,on spin 2] [2,off spin 2 disabled] [3,on spin 3 disabled]";
    }

    void editing()
    {
        QFETCH(bool, real);
        QFETCH(QString, script);
        QFETCH(QString, expectedLog);
        QStringList log;
        auto go = [&](auto *w) {
            logAll(w, &log);
            w->resize(400, w->sizeHint().height());
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            run(w, script, &log);
        };
        if (real) {
            ZelRangeDoubleCheckableWidget w;
            go(&w);
        } else {
            PolicyWidget w;
            go(&w);
        }
        QCOMPARE(log.join(u' '), expectedLog);
    }

    void forwarding()
    {
        ZelRangeDoubleCheckableWidget w;
        auto *editor = w.findChild<ZelDoubleRangeWidget *>();
        QCOMPARE(editor->range(), ZelMinMaxRange<double>()); // the value type's default range
        QCOMPARE(w.decimals(), 3);
        w.setSingleStep(0.5);
        w.setRange(1.0, 2.0);
        QCOMPARE(editor->range(), ZelMinMaxRange<double>(1.0, 2.0, 0.5)); // the editor's step stays
        w.setMinimum(1.5);
        w.setMaximum(3.0);
        w.setDecimals(1);
        QCOMPARE(editor->range(), ZelMinMaxRange<double>(1.5, 3.0, 0.5));
        QCOMPARE(editor->decimals(), 1);
    }

    void badInputLeavesWidgetsWorking()
    {
        QStringList log;
        auto sweep = [&](auto *w, const auto &values) {
            for (auto a : values) {
                for (auto b : values) {
                    run(w, QStringLiteral("range %1 %2; range %1 %2 %2; set %1 on; change %2 off").arg(a).arg(b), &log);
                    QVERIFY(!std::isnan(double(w->value().value)));
                }
                w->setSingleStep(a);
                w->setMinimum(a);
                w->setMaximum(a);
            }
        };
        ZelRangeIntCheckableWidget w;
        ZelRangeDoubleCheckableWidget real;
        sweep(&w, QList<int>{INT_MIN, INT_MAX, -1, 0});
        sweep(&real, QList<double>{qQNaN(), qInf(), -qInf(), 0.0});
        for (int decimals : {INT_MIN, -1, INT_MAX})
            real.setDecimals(decimals);
        real.setDecimals(2);

        log.clear(); // both still work normally
        logAll(&w, &log);
        logAll(&real, &log);
        run(&w, QStringLiteral("range 0 10 1; change 6 on"), &log);
        run(&real, QStringLiteral("range 0 10 1; change 2.5 on"), &log);
        QCOMPARE(log.join(u' '), QStringLiteral("valueChanged(6,on) [6,on spin 6] valueChanged(2.5,on) [2.5,on spin 2.5]"));
    }

    void formsTranslate()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")) && QCoreApplication::installTranslator(&translator));
        ZelRangeIntCheckableWidget integer;
        ZelRangeWidgetWithLabel labelled;
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(integer.windowTitle(), QStringLiteral("Форма"));
        QCOMPARE(labelled.windowTitle(), QStringLiteral("Диапазон"));
    }
};

QTEST_MAIN(tst_ZelCheckableRange)
#include "tst_zelcheckablerange.moc"
