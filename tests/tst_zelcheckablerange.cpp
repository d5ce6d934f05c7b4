// The checkable range editors: a check box and a range editor edited as one
// value, the silent and the emitting setter, the connect/disconnect cycle
// and the coupling of the box to the real editor's enabled state.

#include "zelrange_testhelpers.h"

#include <ZelGui/ZelRangeDoubleCheckableWidget.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidgetWithLabel.h>

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>

#include <cmath>
#include <limits>

using namespace ZelRangeTest;

namespace {

QString checkedText(bool checked)
{
    return checked ? QStringLiteral("on") : QStringLiteral("off");
}

template<class W>
void recordAll(W *w, QStringList *log)
{
    using Value = decltype(w->value());
    using Number = decltype(Value().value);
    QObject::connect(w, &W::valueChanged, [log](Value v) {
        log->append(QStringLiteral("valueChanged(%1,%2)").arg(v.value).arg(checkedText(v.checked)));
    });
    QObject::connect(w, &W::moved, [log](Number v) { log->append(QStringLiteral("moved(%1)").arg(v)); });
    QObject::connect(w, &W::pressed, [log] { log->append(QStringLiteral("pressed")); });
    QObject::connect(w, &W::released, [log] { log->append(QStringLiteral("released")); });
    QObject::connect(w, &W::toggled, [log](bool c) { log->append(QStringLiteral("toggled(%1)").arg(checkedText(c))); });
    QObject::connect(w, &W::clicked, [log](bool c) { log->append(QStringLiteral("clicked(%1)").arg(checkedText(c))); });
}

QPoint clickPoint(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    return box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box).center();
}

// The integer widget with the enable policy a subclass may choose.
class PolicyWidget : public ZelRangeIntCheckableWidget
{
public:
    explicit PolicyWidget(qint32 policy) { m_enablePolicy = policy; }
};

} // namespace

class tst_ZelCheckableRange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void intForm();
    void doubleForm();
    void setValueIsSilentChangeValueEmitsOnce();
    void emittedValueIsTheEditorsStoredValue();
    void connectDisconnectCycle();
    void clickingTheBox_data();
    void clickingTheBox();
    void setCheckedEmitsWithoutClicked();
    void doubleEditorFollowsTheBoxExceptInSetValue();
    void intEditorIgnoresTheBox();
    void enablePolicies_data();
    void enablePolicies();
    void draggingTheIntEditor();
    void draggingTheDoubleEditor();
    void typingIntoTheEditor();
    void forwarding();
    void badInputLeavesWidgetsWorking();
    void formsTranslate();
};

void tst_ZelCheckableRange::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_ZelCheckableRange::init()
{
    // Any warning fails, except the offscreen platform's note on windows
    // with size constraints.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints).*")));
}

void tst_ZelCheckableRange::intForm()
{
    ZelRangeIntCheckableWidget w;
    QCOMPARE(w.objectName(), QStringLiteral("ZelRangeCheckableWidgetClass"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Form"));
    auto *grid = qobject_cast<QGridLayout *>(w.layout());
    QVERIFY(grid);
    QCOMPARE(grid->objectName(), QStringLiteral("gridLayout"));
    QCOMPARE(grid->spacing(), 4);
    QCOMPARE(grid->contentsMargins(), QMargins(6, 6, 6, 6));
    auto *row = qobject_cast<QHBoxLayout *>(grid->itemAtPosition(0, 0)->layout());
    QVERIFY(row);
    QCOMPARE(row->objectName(), QStringLiteral("horizontalLayout"));
    QCOMPARE(row->spacing(), 3);
    auto *box = w.findChild<QCheckBox *>(QStringLiteral("checkBox"));
    auto *editor = w.findChild<ZelRangeWidget *>(QStringLiteral("rangeWidget"));
    QCOMPARE(row->itemAt(0)->widget(), box);
    QCOMPARE(row->itemAt(1)->widget(), editor);
    QVERIFY(box->text().isEmpty());
    // The default range of the value type.
    QCOMPARE(editor->range(), ZelMinMaxRange<int>());
    QCOMPARE(w.value(), ZelCheckableIntValue(0, false));
}

void tst_ZelCheckableRange::doubleForm()
{
    ZelRangeDoubleCheckableWidget w;
    QCOMPARE(w.objectName(), QStringLiteral("ZelRangeDoubleCheckableWidget"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Form"));
    auto *outer = qobject_cast<QGridLayout *>(w.layout());
    QVERIFY(outer);
    QCOMPARE(outer->objectName(), QStringLiteral("gridLayout_2"));
    auto *inner = qobject_cast<QGridLayout *>(outer->itemAtPosition(0, 0)->layout());
    QVERIFY(inner);
    QCOMPARE(inner->objectName(), QStringLiteral("gridLayout"));
    auto *box = w.findChild<QCheckBox *>(QStringLiteral("checkBox"));
    auto *editor = w.findChild<ZelDoubleRangeWidget *>(QStringLiteral("rangeDoubleWidget"));
    QCOMPARE(inner->itemAtPosition(0, 0)->widget(), box);
    QCOMPARE(inner->itemAtPosition(0, 2)->widget(), editor);
    QVERIFY(!inner->itemAtPosition(0, 1));
    QCOMPARE(editor->range(), ZelMinMaxRange<double>());
    QCOMPARE(w.decimals(), 3);
    // The editor starts storing 0.0 while showing 1.0; the range given by
    // the constructor makes it take the shown value over.
    QCOMPARE(w.value(), ZelCheckableDoubleValue(1.0, false));
}

void tst_ZelCheckableRange::setValueIsSilentChangeValueEmitsOnce()
{
    ZelRangeIntCheckableWidget w;
    QStringList log;
    recordAll(&w, &log);

    w.setValue(ZelCheckableIntValue(5, true));
    QVERIFY2(log.isEmpty(), qPrintable(log.join(QLatin1Char(' '))));
    QCOMPARE(w.value(), ZelCheckableIntValue(5, true));
    QVERIFY(w.findChild<QCheckBox *>()->isChecked());

    w.changeValue(ZelCheckableIntValue(7, false));
    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(7,off)")});

    // The same value again still announces itself once: changeValue always
    // emits.
    log.clear();
    w.changeValue(ZelCheckableIntValue(7, false));
    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(7,off)")});

    ZelRangeDoubleCheckableWidget real;
    QStringList realLog;
    recordAll(&real, &realLog);
    real.setValue(ZelCheckableDoubleValue(2.5, true));
    QVERIFY(realLog.isEmpty());
    real.changeValue(ZelCheckableDoubleValue(3.25, false));
    QCOMPARE(realLog, QStringList{QStringLiteral("valueChanged(3.25,off)")});
}

void tst_ZelCheckableRange::emittedValueIsTheEditorsStoredValue()
{
    ZelRangeIntCheckableWidget w;
    w.setRange(ZelMinMaxRange<int>(0, 50, 5));
    QStringList log;
    recordAll(&w, &log);
    auto *spin = w.findChild<QSpinBox *>();

    w.changeValue(ZelCheckableIntValue(52, true));
    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(50,on)")});
    QCOMPARE(spin->value(), 50);

    // Beyond the range: snapped and announced as stored, shown clamped.
    log.clear();
    w.changeValue(ZelCheckableIntValue(73, false));
    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(75,off)")});
    QCOMPARE(w.value(), ZelCheckableIntValue(75, false));
    QCOMPARE(spin->value(), 50);
}

void tst_ZelCheckableRange::connectDisconnectCycle()
{
    ZelRangeIntCheckableWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int i = 0; i < 5; ++i)
        w.setValue(ZelCheckableIntValue(i, false));
    w.changeValue(ZelCheckableIntValue(9, false));
    QStringList log;
    recordAll(&w, &log);
    auto *box = w.findChild<QCheckBox *>();

    // Each connection exists exactly once after the cycles.
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, clickPoint(box));
    QCOMPARE(log, (QStringList{QStringLiteral("toggled(on)"), QStringLiteral("valueChanged(9,on)"),
                               QStringLiteral("clicked(on)")}));
    log.clear();
    w.findChild<ZelRangeWidget *>()->setValue(11);
    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(11,on)")});
}

void tst_ZelCheckableRange::clickingTheBox_data()
{
    QTest::addColumn<bool>("real");
    QTest::addColumn<bool>("useKey");
    QTest::newRow("int, mouse") << false << false;
    QTest::newRow("int, space key") << false << true;
    QTest::newRow("double, mouse") << true << false;
    QTest::newRow("double, space key") << true << true;
}

void tst_ZelCheckableRange::clickingTheBox()
{
    QFETCH(bool, real);
    QFETCH(bool, useKey);

    std::unique_ptr<QWidget> w;
    QStringList log;
    if (real) {
        auto *widget = new ZelRangeDoubleCheckableWidget;
        widget->setValue(ZelCheckableDoubleValue(4.0, false));
        recordAll(widget, &log);
        w.reset(widget);
    } else {
        auto *widget = new ZelRangeIntCheckableWidget;
        widget->setValue(ZelCheckableIntValue(4, false));
        recordAll(widget, &log);
        w.reset(widget);
    }
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    auto *box = w->findChild<QCheckBox *>();

    auto click = [&] {
        if (useKey)
            QTest::keyClick(box, Qt::Key_Space);
        else
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, clickPoint(box));
    };
    click();
    QCOMPARE(log, (QStringList{QStringLiteral("toggled(on)"), QStringLiteral("valueChanged(4,on)"),
                               QStringLiteral("clicked(on)")}));
    log.clear();
    click();
    QCOMPARE(log, (QStringList{QStringLiteral("toggled(off)"), QStringLiteral("valueChanged(4,off)"),
                               QStringLiteral("clicked(off)")}));
}

void tst_ZelCheckableRange::setCheckedEmitsWithoutClicked()
{
    ZelRangeIntCheckableWidget w;
    w.setValue(ZelCheckableIntValue(3, false));
    QStringList log;
    recordAll(&w, &log);
    w.setChecked(true);
    QCOMPARE(log, (QStringList{QStringLiteral("toggled(on)"), QStringLiteral("valueChanged(3,on)")}));
    log.clear();
    w.setChecked(true);
    QVERIFY(log.isEmpty());
}

void tst_ZelCheckableRange::doubleEditorFollowsTheBoxExceptInSetValue()
{
    ZelRangeDoubleCheckableWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *editor = w.findChild<ZelDoubleRangeWidget *>();
    auto *box = w.findChild<QCheckBox *>();
    QVERIFY(editor->isEnabled());

    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, clickPoint(box));
    QVERIFY(!editor->isEnabled());
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, clickPoint(box));
    QVERIFY(editor->isEnabled());

    w.setChecked(true);
    QVERIFY(!editor->isEnabled());
    w.setChecked(false);
    QVERIFY(editor->isEnabled());

    // The coupling is down during setValue.
    w.setValue(ZelCheckableDoubleValue(2.0, true));
    QVERIFY(box->isChecked());
    QVERIFY(editor->isEnabled());
    // ...and back up afterwards.
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, clickPoint(box));
    QVERIFY(!box->isChecked());
    QVERIFY(editor->isEnabled());
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, clickPoint(box));
    QVERIFY(box->isChecked());
    QVERIFY(!editor->isEnabled());
}

void tst_ZelCheckableRange::intEditorIgnoresTheBox()
{
    ZelRangeIntCheckableWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *editor = w.findChild<ZelRangeWidget *>();
    auto *box = w.findChild<QCheckBox *>();
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, clickPoint(box));
    QVERIFY(box->isChecked());
    QVERIFY(editor->isEnabled());
    w.setValue(ZelCheckableIntValue(1, false));
    QVERIFY(editor->isEnabled());
    editor->setEnabled(false);
    w.setValue(ZelCheckableIntValue(1, true));
    QVERIFY(!editor->isEnabled());
}

void tst_ZelCheckableRange::enablePolicies_data()
{
    QTest::addColumn<qint32>("policy");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("expectedEnabled");

    QTest::newRow("enabled when checked, checked") << qint32(1) << true << true;
    QTest::newRow("enabled when checked, unchecked") << qint32(1) << false << false;
    QTest::newRow("disabled when checked, checked") << qint32(0) << true << false;
    QTest::newRow("disabled when checked, unchecked") << qint32(0) << false << true;
    QTest::newRow("other value leaves it, checked") << qint32(7) << true << true;
    QTest::newRow("other value leaves it, unchecked") << qint32(-1) << false << true;
}

void tst_ZelCheckableRange::enablePolicies()
{
    QFETCH(qint32, policy);
    QFETCH(bool, checked);
    QFETCH(bool, expectedEnabled);

    PolicyWidget w(policy);
    QSignalSpy spy(&w, &ZelRangeIntCheckableWidget::valueChanged);
    w.setValue(ZelCheckableIntValue(2, checked));
    QCOMPARE(w.findChild<ZelRangeWidget *>()->isEnabled(), expectedEnabled);
    QCOMPARE(spy.count(), 0);
}

void tst_ZelCheckableRange::draggingTheIntEditor()
{
    ZelRangeIntCheckableWidget w;
    w.resize(400, w.sizeHint().height());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setRange(ZelMinMaxRange<int>(0, 50, 5));
    w.setValue(ZelCheckableIntValue(0, true));
    QStringList log;
    recordAll(&w, &log);

    QVERIFY(dragThrough(w.findChild<QSlider *>(), {12, 20}));
    QCOMPARE(log, (QStringList{QStringLiteral("pressed"), QStringLiteral("moved(12)"),
                               QStringLiteral("valueChanged(10,on)"), QStringLiteral("moved(20)"),
                               QStringLiteral("valueChanged(20,on)"), QStringLiteral("released")}));
    QCOMPARE(w.value(), ZelCheckableIntValue(20, true));
}

void tst_ZelCheckableRange::draggingTheDoubleEditor()
{
    ZelRangeDoubleCheckableWidget w;
    w.resize(400, w.sizeHint().height());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setRange(ZelMinMaxRange<double>(0.0, 10.0, 0.5));
    w.setValue(ZelCheckableDoubleValue(0.0, false));
    QStringList log;
    recordAll(&w, &log);

    QVERIFY(dragThrough(w.findChild<QSlider *>(), {6}));
    QCOMPARE(log, (QStringList{QStringLiteral("pressed"), QStringLiteral("moved(6)"),
                               QStringLiteral("valueChanged(6,off)"), QStringLiteral("released")}));
}

void tst_ZelCheckableRange::typingIntoTheEditor()
{
    ZelRangeIntCheckableWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setRange(10, 90);
    QStringList log;
    recordAll(&w, &log);

    typeInto(w.findChild<QSpinBox *>(), QStringLiteral("42"));
    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(42,off)")});
}

void tst_ZelCheckableRange::forwarding()
{
    ZelRangeIntCheckableWidget w;
    auto *editor = w.findChild<ZelRangeWidget *>();
    w.setSingleStep(4);
    w.setRange(10, 30);
    QCOMPARE(editor->range(), ZelMinMaxRange<int>(10, 30, 4));
    w.setMinimum(12);
    w.setMaximum(28);
    QCOMPARE(editor->range(), ZelMinMaxRange<int>(12, 28, 4));
    w.setRange(ZelMinMaxRange<int>(0, 5, 1));
    QCOMPARE(editor->range(), ZelMinMaxRange<int>(0, 5, 1));

    ZelRangeDoubleCheckableWidget real;
    auto *realEditor = real.findChild<ZelDoubleRangeWidget *>();
    real.setSingleStep(0.5);
    real.setRange(1.0, 2.0);
    QCOMPARE(realEditor->range(), ZelMinMaxRange<double>(1.0, 2.0, 0.5));
    real.setMinimum(1.5);
    real.setMaximum(3.0);
    QCOMPARE(realEditor->range(), ZelMinMaxRange<double>(1.5, 3.0, 0.5));
    real.setDecimals(1);
    QCOMPARE(real.decimals(), 1);
    QCOMPARE(realEditor->decimals(), 1);
}

void tst_ZelCheckableRange::badInputLeavesWidgetsWorking()
{
    constexpr int intMin = std::numeric_limits<int>::min();
    constexpr int intMax = std::numeric_limits<int>::max();
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    ZelRangeIntCheckableWidget w;
    for (int a : {intMin, intMax, -1, 0}) {
        for (int b : {intMin, intMax, -1, 0}) {
            w.setRange(a, b);
            w.setRange(ZelMinMaxRange<int>(a, b, b));
            w.setSingleStep(a);
            w.setValue(ZelCheckableIntValue(a, true));
            w.changeValue(ZelCheckableIntValue(b, false));
        }
        w.setMinimum(a);
        w.setMaximum(a);
    }
    w.setRange(ZelMinMaxRange<int>(0, 10, 1));
    QSignalSpy spy(&w, &ZelRangeIntCheckableWidget::valueChanged);
    w.changeValue(ZelCheckableIntValue(6, true));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(w.value(), ZelCheckableIntValue(6, true));

    ZelRangeDoubleCheckableWidget real;
    for (double a : {notANumber, inf, -inf, 0.0}) {
        for (double b : {notANumber, inf, -inf, 0.0}) {
            real.setRange(a, b);
            real.setRange(ZelMinMaxRange<double>(a, b, b));
            real.setSingleStep(a);
            real.setValue(ZelCheckableDoubleValue(a, true));
            real.changeValue(ZelCheckableDoubleValue(b, false));
            QVERIFY(!std::isnan(real.value().value));
        }
        real.setMinimum(a);
        real.setMaximum(a);
    }
    for (int decimals : {intMin, -1, intMax})
        real.setDecimals(decimals);
    real.setDecimals(2);
    real.setRange(ZelMinMaxRange<double>(0.0, 10.0, 1.0));
    QSignalSpy realSpy(&real, &ZelRangeDoubleCheckableWidget::valueChanged);
    real.changeValue(ZelCheckableDoubleValue(2.5, true));
    QCOMPARE(realSpy.count(), 1);
    QCOMPARE(real.value(), ZelCheckableDoubleValue(2.5, true));
}

void tst_ZelCheckableRange::formsTranslate()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    ZelRangeIntCheckableWidget integer;
    ZelRangeDoubleCheckableWidget real;
    ZelRangeWidgetWithLabel labelled;
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(integer.windowTitle(), QStringLiteral("Форма"));
    QCOMPARE(real.windowTitle(), QStringLiteral("Форма"));
    QCOMPARE(labelled.windowTitle(), QStringLiteral("Диапазон"));
}

QTEST_MAIN(tst_ZelCheckableRange)
#include "tst_zelcheckablerange.moc"
