// Check box plus range editor as one value: setters, connect/disconnect cycle, enabled-state coupling.

#include "zelrange_testhelpers.h"

#include <ZelGui/ZelRangeDoubleCheckableWidget.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidgetWithLabel.h>

#include <QCheckBox>
#include <QRegularExpression>
#include <QStyleFactory>

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
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList words = step.split(u' ', Qt::SkipEmptyParts);
        const QByteArray verb = words.at(0).toLatin1();
        const T a = T(words.value(1).toDouble()), b = T(words.value(2).toDouble());
        const bool on = words.last() == QLatin1String("on");
        QList<int> path;
        for (const QString &position : words.mid(1))
            path << position.toInt();
        if (verb == "set")
            w->setValue(ZelCheckableTValue<T>(a, on));
        else if (verb == "change")
            w->changeValue(ZelCheckableTValue<T>(a, on));
        else if (verb == "check")
            w->setChecked(on);
        else if (verb == "click")
            QTest::mouseClick(box, Qt::LeftButton); // the text-less box is all indicator
        else if (verb == "range")
            w->setRange(ZelMinMaxRange<T>(a, b, T(words.at(3).toDouble())));
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

// A shown widget of type W runs the script; returns its log.
template<class W>
QString edit(const QString &script)
{
    W w;
    QStringList log;
    logEditor(&w, &log);
    logSignal(&w, &W::toggled, &log, "toggled");
    logSignal(&w, &W::clicked, &log, "clicked");
    w.resize(400, w.sizeHint().height());
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return QStringLiteral("not shown");
    run(&w, script, &log);
    return log.join(u' ');
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

        QTest::newRow("int: setValue is silent, changeValue always emits once")
            << false << "set 5 on; note; change 7 off; change 7 off"
            << "[5,on spin 5] valueChanged(7,off) valueChanged(7,off) [7,off spin 7]";
        // The editor's stored value: snapped, and beyond the range shown clamped.
        QTest::newRow("int: emits the stored value") << false << "range 0 50 5; change 52 on; change 73 off"
                                                     << "valueChanged(50,on) valueChanged(75,off) [75,off spin 50]";
        // Each connection exists exactly once after many cycles; the box never changes the integer editor's enabled state.
        QTest::newRow("int: connect/disconnect cycle")
            << false << "set 0 off; set 1 off; set 2 off; set 3 off; change 9 off; click; type 11"
            << "valueChanged(9,off) toggled(on) valueChanged(9,on) clicked(on) valueChanged(11,on) [11,on spin 11]";
        QTest::newRow("int: setValue leaves the enabled state")
            << false << "click; set 1 off; note; disable; set 1 on"
            << "toggled(on) valueChanged(0,on) clicked(on) [1,off spin 1] [1,on spin 1 disabled]";
        // A checked box disables the real editor, except through setValue, which holds the coupling down.
        QTest::newRow("real: setChecked and setValue")
            << true << "check on; note; check off; note; set 2 on; note; click; note; click"
            << "toggled(on) valueChanged(1,on) [1,on spin 1 disabled] toggled(off) valueChanged(1,off) [1,off spin 1] [2,on spin 2] "
               "toggled(off) valueChanged(2,off) clicked(off) [2,off spin 2] "
               "toggled(on) valueChanged(2,on) clicked(on) [2,on spin 2 disabled]";
        QTest::newRow("int: drag") << false << "range 0 50 5; set 0 on; drag 12 20"
                                   << "pressed moved(12) valueChanged(10,on) moved(20) valueChanged(20,on) released [20,on spin 20]";
        // A subclass's enable policy: setValue enables the editor as the box (1), opposite (0), or leaves it.
        QTest::newRow("int: policy 1") << false << "policy 1; set 2 on; note; set 2 off"
                                       << "[2,on spin 2] [2,off spin 2 disabled]";
        QTest::newRow("int: policy 0") << false << "policy 0; set 2 on; note; set 2 off"
                                       << "[2,on spin 2 disabled] [2,off spin 2]";
    }

    void editing()
    {
        QFETCH(bool, real);
        QFETCH(QString, script);
        QFETCH(QString, expectedLog);
        if (real)
            QCOMPARE(edit<ZelRangeDoubleCheckableWidget>(script), expectedLog);
        else
            QCOMPARE(edit<PolicyWidget>(script), expectedLog);
    }

    void forwarding()
    {
        ZelRangeDoubleCheckableWidget w;
        auto *editor = w.findChild<ZelDoubleRangeWidget *>();
        QCOMPARE(editor->range(), ZelMinMaxRange<double>()); // the value type's default range
        w.setSingleStep(0.5);
        w.setRange(1.0, 2.0);
        w.setMaximum(3.0);
        w.setDecimals(1);
        // The editor's step stays through range changes.
        QCOMPARE(editor->range(), ZelMinMaxRange<double>(1.0, 3.0, 0.5));
        QCOMPARE(editor->decimals(), 1);
    }
};

QTEST_MAIN(tst_ZelCheckableRange)
#include "tst_zelcheckablerange.moc"
