// The slider-plus-spin-box range editors: synchronisation of the two
// controls, snapping, range changes, user interaction and bad input.

#include "zelrange_testhelpers.h"

#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelRangeWidgetWithLabel.h>

#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>

using namespace ZelRangeTest;

namespace {

constexpr int intMin = std::numeric_limits<int>::min();
constexpr int intMax = std::numeric_limits<int>::max();
const double notANumber = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

enum class Kind { Range, Label };

// One of the two integer editors behind a common face.
struct IntEditor
{
    explicit IntEditor(Kind kind)
    {
        if (kind == Kind::Range)
            range = new ZelRangeWidget;
        else
            label = new ZelRangeWidgetWithLabel;
        widget()->resize(400, widget()->sizeHint().height());
    }
    ~IntEditor() { delete widget(); }
    IntEditor(const IntEditor &) = delete;
    IntEditor &operator=(const IntEditor &) = delete;

    QWidget *widget() const { return range ? static_cast<QWidget *>(range) : label; }
    QSpinBox *spinBox() const { return widget()->findChild<QSpinBox *>(); }
    QSlider *slider() const { return widget()->findChild<QSlider *>(); }
    int value() const { return range ? range->value() : label->value(); }
    void setRange(int min, int max, int step)
    {
        if (range)
            range->setRange(ZelMinMaxRange<int>(min, max, step));
        else
            label->setRange(ZelMinMaxRange<int>(min, max, step));
    }
    void setValue(int value) { range ? range->setValue(value) : label->setValue(value); }
    void setMinimum(int min) { range ? range->setMinimum(min) : label->setMinimum(min); }
    void setMaximum(int max) { range ? range->setMaximum(max) : label->setMaximum(max); }
    void setMinMax(int min, int max) { range ? range->setRange(min, max) : label->setRange(min, max); }
    void setSingleStep(int step) { range ? range->setSingleStep(step) : label->setSingleStep(step); }
    int singleStep() const { return range ? range->singleStep() : label->singleStep(); }
    std::unique_ptr<QSignalSpy> valueSpy() const
    {
        return range ? std::make_unique<QSignalSpy>(range, &ZelRangeWidget::valueChanged)
                     : std::make_unique<QSignalSpy>(label, &ZelRangeWidgetWithLabel::valueChanged);
    }
    // Records every signal of the editor, in order, as "name(argument)".
    void record(QStringList *log)
    {
        auto note = [log](const char *name) { return [log, name] { log->append(QLatin1String(name)); }; };
        auto noteInt = [log](const char *name) {
            return [log, name](int v) { log->append(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(v)); };
        };
        if (range) {
            QObject::connect(range, &ZelRangeWidget::valueChanged, noteInt("valueChanged"));
            QObject::connect(range, &ZelRangeWidget::moved, noteInt("moved"));
            QObject::connect(range, &ZelRangeWidget::pressed, note("pressed"));
            QObject::connect(range, &ZelRangeWidget::released, note("released"));
        } else {
            QObject::connect(label, &ZelRangeWidgetWithLabel::valueChanged, noteInt("valueChanged"));
            QObject::connect(label, &ZelRangeWidgetWithLabel::moved, noteInt("moved"));
            QObject::connect(label, &ZelRangeWidgetWithLabel::pressed, note("pressed"));
            QObject::connect(label, &ZelRangeWidgetWithLabel::released, note("released"));
        }
    }

    ZelRangeWidget *range = nullptr;
    ZelRangeWidgetWithLabel *label = nullptr;
};

void recordDouble(ZelDoubleRangeWidget *w, QStringList *log)
{
    auto noteDouble = [log](const char *name) {
        return [log, name](double v) { log->append(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(v)); };
    };
    QObject::connect(w, &ZelDoubleRangeWidget::valueChangedFinished, noteDouble("valueChangedFinished"));
    QObject::connect(w, &ZelDoubleRangeWidget::valueChanged, noteDouble("valueChanged"));
    QObject::connect(w, &ZelDoubleRangeWidget::moved, noteDouble("moved"));
    QObject::connect(w, &ZelDoubleRangeWidget::pressed, [log] { log->append(QStringLiteral("pressed")); });
    QObject::connect(w, &ZelDoubleRangeWidget::released, [log] { log->append(QStringLiteral("released")); });
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class tst_ZelRangeWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void newWidgets();
    void withLabelForm();
    void snapping_data();
    void snapping();
    void outOfRangeValues_data();
    void outOfRangeValues();
    void typedValueSnapsAndKeepsItsText_data();
    void typedValueSnapsAndKeepsItsText();
    void leavingTheFieldCommits();
    void arrowKeys_data();
    void arrowKeys();
    void dragEmitsMovedAndSnapsTheSlider_data();
    void dragEmitsMovedAndSnapsTheSlider();
    void clickOnTheGroovePages();
    void storedValueEmitsNothing_data();
    void storedValueEmitsNothing();
    void rangeChangesClampWithoutEmitting_data();
    void rangeChangesClampWithoutEmitting();
    void singleStepReachesBothControls();
    void doubleWidget();
    void doubleWidgetDragFinishesOnRelease();
    void doubleWidgetStartsShowingOneAndSettlesOnFirstRange();
    void doubleWidgetStoresValuesItCannotShow();
    void badInputLeavesWidgetsWorking();

    void benchmarkSettingValues_data();
    void benchmarkSettingValues();
};

void tst_ZelRangeWidget::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_ZelRangeWidget::init()
{
    // Any warning fails, except the offscreen platform's note on windows
    // with size constraints.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints).*")));
}

void tst_ZelRangeWidget::newWidgets()
{
    ZelRangeWidget range;
    QCOMPARE(range.minimum(), 0);
    QCOMPARE(range.maximum(), 0);
    QCOMPARE(range.value(), 0);
    QCOMPARE(range.property("value").toInt(), 0);
    QCOMPARE(range.singleStep(), 1);
    auto *rangeSlider = range.findChild<QSlider *>();
    auto *rangeSpin = range.findChild<QSpinBox *>();
    QCOMPARE(rangeSlider->orientation(), Qt::Horizontal);
    QCOMPARE(rangeSlider->maximum(), 0);
    QCOMPARE(rangeSpin->height(), 20);
    QCOMPARE(rangeSpin->minimumHeight(), 20);
    QCOMPARE(rangeSpin->maximumHeight(), 20);
    QVERIFY(!rangeSpin->keyboardTracking());

    ZelDoubleRangeWidget real;
    auto *realSpin = real.findChild<QDoubleSpinBox *>();
    QCOMPARE(real.decimals(), 3);
    QCOMPARE(realSpin->minimum(), 1.0);
    QCOMPARE(realSpin->maximum(), 1.0);
    QCOMPARE(realSpin->text(), QStringLiteral("1.000"));
    QCOMPARE(real.singleStep(), 1.0);
    QVERIFY(!realSpin->keyboardTracking());

    ZelRangeWidgetWithLabel label;
    QCOMPARE(label.minimum(), 0);
    QCOMPARE(label.maximum(), 0);
    QCOMPARE(label.value(), 0);
    QVERIFY(label.text().isEmpty());
    QVERIFY(!label.findChild<QSpinBox *>()->keyboardTracking());
}

void tst_ZelRangeWidget::withLabelForm()
{
    ZelRangeWidgetWithLabel w;
    QCOMPARE(w.objectName(), QStringLiteral("ZelRangeWidgetWithLabelClass"));
    QCOMPARE(w.minimumSize(), QSize(150, 63));
    QCOMPARE(w.windowTitle(), QStringLiteral("RangeWidget"));
    auto *grid = qobject_cast<QGridLayout *>(w.layout());
    QVERIFY(grid);
    QCOMPARE(grid->objectName(), QStringLiteral("gridLayout"));
    QCOMPARE(grid->spacing(), 6);
    QCOMPARE(grid->contentsMargins(), QMargins(11, 11, 11, 11));
    auto *label = w.findChild<QLabel *>(QStringLiteral("label"));
    auto *spin = w.findChild<QSpinBox *>(QStringLiteral("spinBox"));
    auto *slider = w.findChild<QSlider *>(QStringLiteral("slider"));
    QVERIFY(label && spin && slider);
    QCOMPARE(grid->itemAtPosition(0, 0)->widget(), label);
    QCOMPARE(grid->itemAtPosition(0, 1)->widget(), spin);
    QCOMPARE(grid->itemAtPosition(1, 0)->widget(), slider);
    QCOMPARE(grid->itemAtPosition(1, 1)->widget(), slider);
    QCOMPARE(spin->minimumWidth(), 50);
    QCOMPARE(spin->maximumWidth(), 50);
    QCOMPARE(spin->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(slider->tickPosition(), QSlider::NoTicks);

    w.setText(QStringLiteral("Gain"));
    QCOMPARE(w.text(), QStringLiteral("Gain"));
    QCOMPARE(label->text(), QStringLiteral("Gain"));
}

void tst_ZelRangeWidget::snapping_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");

    QTest::newRow("range: grid starts at the minimum") << Kind::Range << 3 << 40 << 5 << 10 << 8 << 8;
    QTest::newRow("label: grid starts at zero") << Kind::Label << 3 << 40 << 5 << 10 << 10 << 10;
    QTest::newRow("range: step 1 keeps the value") << Kind::Range << 0 << 100 << 1 << 37 << 37 << 37;
    QTest::newRow("range: step 2 snaps") << Kind::Range << 1 << 100 << 2 << 4 << 5 << 5;
    QTest::newRow("label: step 2 keeps the value") << Kind::Label << 0 << 100 << 2 << 5 << 5 << 5;
    QTest::newRow("label: step 3 snaps") << Kind::Label << 0 << 100 << 3 << 5 << 6 << 6;
    QTest::newRow("range: below half goes down") << Kind::Range << 0 << 100 << 10 << 14 << 10 << 10;
    QTest::newRow("range: a tie goes up") << Kind::Range << 0 << 100 << 10 << 15 << 20 << 20;
    QTest::newRow("range: negative minimum") << Kind::Range << -7 << 50 << 5 << -4 << -2 << -2;
    QTest::newRow("label: negative tie goes away from zero") << Kind::Label << -50 << 50 << 10 << -15 << -20 << -20;
    QTest::newRow("label: negative below half goes to zero side") << Kind::Label << -50 << 50 << 10 << -14 << -10 << -10;
    // Out of range: stored and announced as snapped, shown clamped by the
    // controls.
    QTest::newRow("range: below the minimum") << Kind::Range << 10 << 50 << 10 << -100 << -100 << 10;
    QTest::newRow("range: snapped beyond the maximum") << Kind::Range << 0 << 98 << 10 << 97 << 100 << 98;
    QTest::newRow("label: below the minimum") << Kind::Label << 3 << 40 << 5 << 1 << 0 << 3;
    QTest::newRow("label: range narrower than a step") << Kind::Label << 3 << 4 << 5 << 4 << 5 << 4;
    QTest::newRow("label: INT_MAX") << Kind::Label << intMin << intMax << 10 << intMax << 2147483640 << 2147483640;
    QTest::newRow("label: INT_MIN") << Kind::Label << intMin << intMax << 10 << intMin << -2147483640 << -2147483640;
    QTest::newRow("range: offset beyond int") << Kind::Range << intMin << intMax << 10 << 1 << 2 << 2;
    QTest::newRow("range: INT_MIN over the full range") << Kind::Range << intMin << intMax << 10 << intMin << intMin
                                                        << intMin;
    // The grid point beyond int is saturated.
    QTest::newRow("range: INT_MAX over the full range") << Kind::Range << intMin << intMax << 10 << intMax << intMax
                                                        << intMax;
    QTest::newRow("range: INT_MIN below a minimum of INT_MAX") << Kind::Range << intMax << intMax << 10 << intMin
                                                               << intMin << intMax;
}

void tst_ZelRangeWidget::snapping()
{
    QFETCH(Kind, kind);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, step);
    QFETCH(int, input);
    QFETCH(int, stored);
    QFETCH(int, shown);

    IntEditor editor(kind);
    editor.setRange(min, max, step);
    QStringList log;
    editor.record(&log);
    QSignalSpy spinBoxEcho(editor.spinBox(), &QSpinBox::valueChanged);

    editor.setValue(input);

    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(%1)").arg(stored)});
    QCOMPARE(editor.value(), stored);
    QCOMPARE(editor.spinBox()->value(), shown);
    QCOMPARE(editor.slider()->value(), shown);
    if (kind == Kind::Range)
        QCOMPARE(editor.widget()->property("value").toInt(), stored);
    else
        QVERIFY(!editor.widget()->property("value").isValid());
    QCOMPARE(spinBoxEcho.count(), 0);

    // The same input again is the stored value: silence.
    log.clear();
    editor.setValue(input);
    QVERIFY(log.isEmpty());
}

void tst_ZelRangeWidget::outOfRangeValues_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("range") << Kind::Range;
    QTest::newRow("label") << Kind::Label;
}

void tst_ZelRangeWidget::outOfRangeValues()
{
    QFETCH(Kind, kind);
    IntEditor editor(kind);
    editor.setRange(0, 100, 1);
    editor.setValue(50);
    QStringList log;
    editor.record(&log);

    editor.setValue(1000);
    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(1000)")});
    QCOMPARE(editor.value(), 1000);
    QCOMPARE(editor.spinBox()->value(), 100);
    QCOMPARE(editor.slider()->value(), 100);

    // Both controls already show 100: nothing is stored or announced.
    log.clear();
    editor.setValue(100);
    QVERIFY(log.isEmpty());
    QCOMPARE(editor.value(), 1000);

    editor.setValue(99);
    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(99)")});
    QCOMPARE(editor.spinBox()->value(), 99);
    QCOMPARE(editor.slider()->value(), 99);

    // A range change takes the shown value over, silently.
    log.clear();
    editor.setValue(-5);
    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(-5)")});
    QCOMPARE(editor.spinBox()->value(), 0);
    log.clear();
    editor.setMaximum(80);
    QVERIFY(log.isEmpty());
    QCOMPARE(editor.value(), 0);
    QCOMPARE(editor.spinBox()->value(), 0);
    QCOMPARE(editor.slider()->value(), 0);
}

void tst_ZelRangeWidget::typedValueSnapsAndKeepsItsText_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected");

    QTest::newRow("range widget, step 5") << Kind::Range << 5 << 8;
    QTest::newRow("with label, step 5") << Kind::Label << 5 << 10;
    QTest::newRow("with label, step 2") << Kind::Label << 2 << 10;
}

void tst_ZelRangeWidget::typedValueSnapsAndKeepsItsText()
{
    QFETCH(Kind, kind);
    QFETCH(int, step);
    QFETCH(int, expected);

    IntEditor editor(kind);
    editor.widget()->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.widget()));
    editor.setRange(3, 40, step);
    QStringList log;
    editor.record(&log);

    typeInto(editor.spinBox(), QStringLiteral("10"), Qt::Key_unknown);
    QVERIFY2(log.isEmpty(), "typing alone commits nothing");
    QTest::keyClick(editor.spinBox(), Qt::Key_Return);

    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(%1)").arg(expected)});
    QCOMPARE(editor.value(), expected);
    QCOMPARE(editor.spinBox()->text(), QStringLiteral("10"));
    QCOMPARE(editor.slider()->value(), expected);
}

void tst_ZelRangeWidget::leavingTheFieldCommits()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *w = new ZelRangeWidget(&window);
    auto *other = new QSpinBox(&window);
    layout->addWidget(w);
    layout->addWidget(other);
    w->setRange(ZelMinMaxRange<int>(0, 100, 1));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy spy(w, &ZelRangeWidget::valueChanged);

    auto *spin = w->findChild<QSpinBox *>();
    spin->setFocus();
    QTRY_VERIFY(spin->hasFocus());
    typeInto(spin, QStringLiteral("42"), Qt::Key_unknown);
    QCOMPARE(spy.count(), 0);
    QTest::mouseClick(other, Qt::LeftButton, Qt::NoModifier, other->rect().center());
    QTRY_VERIFY(!spin->hasFocus());

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 42);
    QCOMPARE(w->findChild<QSlider *>()->value(), 42);
}

void tst_ZelRangeWidget::arrowKeys_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("onSlider");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("expected");

    // Range 3 to 40, step 5, set to 13: the minimum-based grid keeps 13, the
    // zero-based grid of the captioned widget makes it 15.
    QTest::newRow("range: spin box up") << Kind::Range << false << Qt::Key_Up << 18;
    QTest::newRow("range: spin box down") << Kind::Range << false << Qt::Key_Down << 8;
    QTest::newRow("range: slider right") << Kind::Range << true << Qt::Key_Right << 18;
    QTest::newRow("range: slider left") << Kind::Range << true << Qt::Key_Left << 8;
    QTest::newRow("range: slider end snaps to the grid") << Kind::Range << true << Qt::Key_End << 38;
    QTest::newRow("label: spin box up") << Kind::Label << false << Qt::Key_Up << 20;
    QTest::newRow("label: slider left") << Kind::Label << true << Qt::Key_Left << 10;
    QTest::newRow("label: slider end") << Kind::Label << true << Qt::Key_End << 40;
}

void tst_ZelRangeWidget::arrowKeys()
{
    QFETCH(Kind, kind);
    QFETCH(bool, onSlider);
    QFETCH(Qt::Key, key);
    QFETCH(int, expected);

    IntEditor editor(kind);
    editor.widget()->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.widget()));
    editor.setRange(3, 40, 5);
    editor.setValue(13);
    QCOMPARE(editor.value(), kind == Kind::Range ? 13 : 15);
    QStringList log;
    editor.record(&log);
    QSignalSpy spinBoxEcho(editor.spinBox(), &QSpinBox::valueChanged);

    QWidget *target = onSlider ? static_cast<QWidget *>(editor.slider()) : editor.spinBox();
    QTest::keyClick(target, key);

    QCOMPARE(log, QStringList{QStringLiteral("valueChanged(%1)").arg(expected)});
    QCOMPARE(editor.value(), expected);
    QCOMPARE(editor.slider()->value(), expected);
    if (onSlider) {
        QCOMPARE(editor.spinBox()->value(), expected);
        QCOMPARE(spinBoxEcho.count(), 0);
    }
}

void tst_ZelRangeWidget::dragEmitsMovedAndSnapsTheSlider_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QList<int>>("path");
    QTest::addColumn<QStringList>("expectedLog");
    QTest::addColumn<int>("expectedValue");
    QTest::addColumn<int>("expectedSlider");

    QTest::newRow("range widget") << Kind::Range << QList<int>{23, 27, 40}
                                  << QStringList{QStringLiteral("pressed"),          QStringLiteral("moved(23)"),
                                                 QStringLiteral("valueChanged(20)"), QStringLiteral("moved(27)"),
                                                 QStringLiteral("valueChanged(30)"), QStringLiteral("moved(40)"),
                                                 QStringLiteral("valueChanged(40)"), QStringLiteral("released")}
                                  << 40 << 40;
    QTest::newRow("with label") << Kind::Label << QList<int>{23, 27}
                                << QStringList{QStringLiteral("pressed"),          QStringLiteral("moved(23)"),
                                               QStringLiteral("valueChanged(20)"), QStringLiteral("moved(27)"),
                                               QStringLiteral("valueChanged(30)"), QStringLiteral("released")}
                                << 30 << 30;
    // A position that snaps to the stored value changes nothing: the handle
    // stays where it was dragged.
    QTest::newRow("range widget, back within the stored step")
        << Kind::Range << QList<int>{23, 22}
        << QStringList{QStringLiteral("pressed"), QStringLiteral("moved(23)"), QStringLiteral("valueChanged(20)"),
                       QStringLiteral("moved(22)"), QStringLiteral("released")}
        << 20 << 22;
    QTest::newRow("with label, back within the stored step")
        << Kind::Label << QList<int>{23, 18}
        << QStringList{QStringLiteral("pressed"), QStringLiteral("moved(23)"), QStringLiteral("valueChanged(20)"),
                       QStringLiteral("moved(18)"), QStringLiteral("released")}
        << 20 << 18;
}

void tst_ZelRangeWidget::dragEmitsMovedAndSnapsTheSlider()
{
    QFETCH(Kind, kind);
    QFETCH(QList<int>, path);
    QFETCH(QStringList, expectedLog);
    QFETCH(int, expectedValue);
    QFETCH(int, expectedSlider);

    IntEditor editor(kind);
    editor.widget()->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.widget()));
    editor.setRange(0, 100, 10);
    QStringList log;
    editor.record(&log);
    QSignalSpy spinBoxEcho(editor.spinBox(), &QSpinBox::valueChanged);

    SliderDrag drag(editor.slider());
    QVERIFY(drag.press());
    drag.moveTo(path.first());
    // Snapped back while still held, the spin box following.
    QVERIFY(editor.slider()->isSliderDown());
    QCOMPARE(editor.slider()->value(), 20);
    QCOMPARE(editor.spinBox()->value(), 20);
    for (int position : path.mid(1))
        drag.moveTo(position);
    drag.release();

    QCOMPARE(log, expectedLog);
    QCOMPARE(editor.value(), expectedValue);
    QCOMPARE(editor.slider()->value(), expectedSlider);
    QCOMPARE(editor.spinBox()->value(), expectedValue);
    QCOMPARE(spinBoxEcho.count(), 0);
}

void tst_ZelRangeWidget::clickOnTheGroovePages()
{
    ZelRangeWidget w;
    w.resize(400, w.sizeHint().height());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setRange(ZelMinMaxRange<int>(0, 100, 1));
    auto *slider = w.findChild<QSlider *>();
    QSignalSpy spy(&w, &ZelRangeWidget::valueChanged);
    QSignalSpy pressed(&w, &ZelRangeWidget::pressed);

    const QRect groove = grooveRect(slider);
    const QPoint right(groove.right() - 2, handleRect(slider).center().y());
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, right);

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), slider->pageStep());
    QCOMPARE(w.value(), slider->pageStep());
    QCOMPARE(w.findChild<QSpinBox *>()->value(), slider->pageStep());
    QCOMPARE(pressed.count(), 0);
}

void tst_ZelRangeWidget::storedValueEmitsNothing_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("range") << Kind::Range;
    QTest::newRow("label") << Kind::Label;
}

void tst_ZelRangeWidget::storedValueEmitsNothing()
{
    QFETCH(Kind, kind);
    IntEditor editor(kind);
    editor.setRange(0, 100, 1);
    const auto spy = editor.valueSpy();

    editor.setValue(30);
    editor.setValue(30);
    QCOMPARE(spy->count(), 1);
    // The controls report the stored value back: still nothing.
    editor.spinBox()->setValue(30);
    editor.slider()->setValue(30);
    QCOMPARE(spy->count(), 1);
    editor.setValue(31);
    QCOMPARE(spy->count(), 2);

    // A slider position that snaps to the stored value stays as it is.
    editor.setSingleStep(10);
    editor.setValue(30);
    QCOMPARE(spy->count(), 3);
    editor.slider()->setValue(32);
    QCOMPARE(spy->count(), 3);
    QCOMPARE(editor.slider()->value(), 32);
    QCOMPARE(editor.spinBox()->value(), 30);
    QCOMPARE(editor.value(), 30);
}

void tst_ZelRangeWidget::rangeChangesClampWithoutEmitting_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("expectedMin");
    QTest::addColumn<int>("expectedMax");
    QTest::addColumn<int>("expectedValue");

    // From range 0 to 100 at 50.
    QTest::newRow("range: lower maximum") << Kind::Range << "setMaximum" << 40 << 0 << 40 << 40;
    QTest::newRow("range: higher minimum") << Kind::Range << "setMinimum" << 60 << 60 << 100 << 60;
    QTest::newRow("range: maximum below minimum") << Kind::Range << "setMaximum" << -5 << 0 << 0 << 0;
    QTest::newRow("range: minimum above maximum") << Kind::Range << "setMinimum" << 200 << 200 << 200 << 200;
    QTest::newRow("range: range around the value") << Kind::Range << "setRange" << 10 << 10 << 20 << 20;
    QTest::newRow("label: lower maximum") << Kind::Label << "setMaximum" << 40 << 0 << 40 << 40;
    QTest::newRow("label: higher minimum") << Kind::Label << "setMinimum" << 60 << 60 << 100 << 60;
}

void tst_ZelRangeWidget::rangeChangesClampWithoutEmitting()
{
    QFETCH(Kind, kind);
    QFETCH(QString, operation);
    QFETCH(int, argument);
    QFETCH(int, expectedMin);
    QFETCH(int, expectedMax);
    QFETCH(int, expectedValue);

    IntEditor editor(kind);
    editor.setRange(0, 100, 1);
    editor.setValue(50);
    editor.setSingleStep(1);
    const auto spy = editor.valueSpy();

    if (operation == QLatin1String("setMinimum"))
        editor.setMinimum(argument);
    else if (operation == QLatin1String("setMaximum"))
        editor.setMaximum(argument);
    else
        editor.setMinMax(argument, 2 * argument);

    QCOMPARE(spy->count(), 0);
    QCOMPARE(editor.spinBox()->minimum(), expectedMin);
    QCOMPARE(editor.spinBox()->maximum(), expectedMax);
    QCOMPARE(editor.slider()->minimum(), expectedMin);
    QCOMPARE(editor.slider()->maximum(), expectedMax);
    QCOMPARE(editor.value(), expectedValue);
    QCOMPARE(editor.slider()->value(), expectedValue);
    QCOMPARE(editor.spinBox()->value(), expectedValue);
    // The step set before survives setMinimum and setMaximum.
    QCOMPARE(editor.spinBox()->singleStep(), 1);
}

void tst_ZelRangeWidget::singleStepReachesBothControls()
{
    ZelRangeWidget range;
    range.setRange(ZelMinMaxRange<int>(0, 100, 7));
    QCOMPARE(range.findChild<QSpinBox *>()->singleStep(), 7);
    QCOMPARE(range.findChild<QSlider *>()->singleStep(), 7);
    range.setSingleStep(3);
    QCOMPARE(range.singleStep(), 3);
    QCOMPARE(range.findChild<QSpinBox *>()->singleStep(), 3);
    QCOMPARE(range.findChild<QSlider *>()->singleStep(), 3);
    // setRange(min, max) keeps the step.
    range.setRange(0, 50);
    QCOMPARE(range.range(), ZelMinMaxRange<int>(0, 50, 3));

    ZelDoubleRangeWidget real;
    real.setRange(ZelMinMaxRange<double>(0.0, 10.0, 0.25));
    QCOMPARE(real.findChild<QDoubleSpinBox *>()->singleStep(), 0.25);
    // The slider works on whole numbers: a quarter is no slider step.
    QCOMPARE(real.findChild<QSlider *>()->singleStep(), 0);
    real.setSingleStep(2.0);
    QCOMPARE(real.findChild<QSlider *>()->singleStep(), 2);
}

void tst_ZelRangeWidget::doubleWidget()
{
    ZelDoubleRangeWidget w;
    w.resize(400, w.sizeHint().height());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setRange(ZelMinMaxRange<double>(0.0, 1.0, 0.05));
    auto *slider = w.findChild<QSlider *>();
    auto *spin = w.findChild<QDoubleSpinBox *>();
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 1);
    QStringList log;
    recordDouble(&w, &log);

    typeInto(spin, QStringLiteral("0.25"));
    QCOMPARE(log, (QStringList{QStringLiteral("valueChanged(0.25)"), QStringLiteral("valueChangedFinished(0.25)")}));
    QCOMPARE(w.value(), 0.25);
    QCOMPARE(slider->value(), 0);

    log.clear();
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(log, (QStringList{QStringLiteral("valueChanged(0.3)"), QStringLiteral("valueChangedFinished(0.3)")}));

    log.clear();
    w.setDecimals(1);
    QCOMPARE(w.decimals(), 1);
    QCOMPARE(spin->text(), QStringLiteral("0.3"));
    QVERIFY(log.isEmpty());

    // Values in the spin box's precision but beyond the slider's whole
    // numbers still count as shown by the spin box only.
    log.clear();
    w.setValue(0.7);
    QCOMPARE(log, (QStringList{QStringLiteral("valueChanged(0.7)"), QStringLiteral("valueChangedFinished(0.7)")}));
    QCOMPARE(slider->value(), 0);
}

void tst_ZelRangeWidget::doubleWidgetDragFinishesOnRelease()
{
    ZelDoubleRangeWidget w;
    w.resize(400, w.sizeHint().height());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setRange(ZelMinMaxRange<double>(0.0, 10.0, 1.0));
    auto *slider = w.findChild<QSlider *>();
    QStringList log;
    recordDouble(&w, &log);
    QSignalSpy spinBoxEcho(w.findChild<QDoubleSpinBox *>(), &QDoubleSpinBox::valueChanged);

    QVERIFY(dragThrough(slider, {3, 7}));

    QCOMPARE(log, (QStringList{QStringLiteral("pressed"), QStringLiteral("moved(3)"), QStringLiteral("valueChanged(3)"),
                               QStringLiteral("moved(7)"), QStringLiteral("valueChanged(7)"), QStringLiteral("released"),
                               QStringLiteral("valueChangedFinished(7)")}));
    QCOMPARE(w.value(), 7.0);
    QCOMPARE(w.findChild<QDoubleSpinBox *>()->value(), 7.0);
    QCOMPARE(spinBoxEcho.count(), 0);

    // A press and release without a move finishes nothing.
    log.clear();
    QVERIFY(dragThrough(slider, {}));
    QCOMPARE(log, (QStringList{QStringLiteral("pressed"), QStringLiteral("released")}));
}

void tst_ZelRangeWidget::doubleWidgetStartsShowingOneAndSettlesOnFirstRange()
{
    ZelDoubleRangeWidget w;
    auto *spin = w.findChild<QDoubleSpinBox *>();
    auto *slider = w.findChild<QSlider *>();
    QStringList log;
    recordDouble(&w, &log);
    // Stores 0.0 while its controls can only show 1.0.
    QCOMPARE(w.value(), 0.0);
    QCOMPARE(spin->text(), QStringLiteral("1.000"));
    QCOMPARE(slider->value(), 1);

    // Both controls already show 1.0: nothing is stored or announced.
    w.setValue(1.0);
    QVERIFY2(log.isEmpty(), qPrintable(log.join(QLatin1Char(' '))));
    QCOMPARE(w.value(), 0.0);
    // The stored value itself: nothing either.
    w.setValue(0.0);
    QVERIFY(log.isEmpty());

    // The first range takes the shown value over, silently.
    w.setRange(ZelMinMaxRange<double>(0.0, 5.0, 0.5));
    QVERIFY(log.isEmpty());
    QCOMPARE(w.value(), 1.0);
    w.setValue(2.5);
    QCOMPARE(log, (QStringList{QStringLiteral("valueChanged(2.5)"), QStringLiteral("valueChangedFinished(2.5)")}));
    QCOMPARE(slider->value(), 2);
    QCOMPARE(spin->value(), 2.5);
}

void tst_ZelRangeWidget::doubleWidgetStoresValuesItCannotShow()
{
    ZelDoubleRangeWidget w;
    auto *spin = w.findChild<QDoubleSpinBox *>();
    auto *slider = w.findChild<QSlider *>();
    // Before any range: 0.5 is neither shown nor stored.
    QStringList log;
    recordDouble(&w, &log);
    w.setValue(0.5);
    QCOMPARE(log, (QStringList{QStringLiteral("valueChanged(0.5)"), QStringLiteral("valueChangedFinished(0.5)")}));
    QCOMPARE(w.value(), 0.5);
    QCOMPARE(spin->value(), 1.0);

    w.setRange(ZelMinMaxRange<double>(0.0, 10.0, 1.0));
    w.setValue(4.0);
    log.clear();
    w.setValue(12.75);
    QCOMPARE(log, (QStringList{QStringLiteral("valueChanged(12.75)"), QStringLiteral("valueChangedFinished(12.75)")}));
    QCOMPARE(w.value(), 12.75);
    QCOMPARE(spin->value(), 10.0);
    QCOMPARE(slider->value(), 10);
    // Within the fuzzy comparison of what the controls show.
    log.clear();
    w.setValue(10.0 + 1e-13);
    QVERIFY(log.isEmpty());
    QCOMPARE(w.value(), 12.75);
    w.setMaximum(20.0);
    QVERIFY(log.isEmpty());
    QCOMPARE(w.value(), 10.0);
}

void tst_ZelRangeWidget::badInputLeavesWidgetsWorking()
{
    const QList<int> ints{intMin, intMax, -1, 0};
    const QList<double> reals{notANumber, inf, -inf, std::numeric_limits<double>::max(), -0.0, 1e-300};

    for (Kind kind : {Kind::Range, Kind::Label}) {
        IntEditor editor(kind);
        for (int a : ints) {
            for (int b : ints) {
                editor.setMinMax(a, b);
                editor.setRange(a, b, a);
                editor.setSingleStep(b);
                editor.setValue(a);
                editor.setValue(b);
                QVERIFY(editor.spinBox()->minimum() <= editor.spinBox()->maximum());
                QVERIFY(editor.singleStep() >= 0);
            }
            editor.setMinimum(a);
            editor.setMaximum(a);
        }
        // Still answers normally.
        editor.setRange(0, 10, 1);
        editor.setValue(0);
        const auto spy = editor.valueSpy();
        editor.setValue(4);
        QCOMPARE(editor.value(), 4);
        QCOMPARE(spy->count(), 1);
        QCOMPARE(editor.slider()->value(), 4);
        QCOMPARE(editor.spinBox()->value(), 4);
    }

    ZelDoubleRangeWidget real;
    QSignalSpy realSpy(&real, &ZelDoubleRangeWidget::valueChanged);
    for (double a : reals) {
        for (double b : reals) {
            real.setRange(a, b);
            real.setRange(ZelMinMaxRange<double>(a, b, b));
            real.setSingleStep(a);
            real.setValue(a);
            real.setValue(b);
            QVERIFY(!std::isnan(real.value()));
            QVERIFY(real.minimum() <= real.maximum());
        }
        real.setMinimum(a);
        real.setMaximum(a);
    }
    for (int decimals : {intMin, -1, 0, 400, intMax})
        real.setDecimals(decimals);
    // NaN never gets in: the same value twice emits once at most.
    real.setRange(ZelMinMaxRange<double>(0.0, 10.0, 1.0));
    real.setDecimals(3);
    real.setValue(5.0);
    realSpy.clear();
    real.setValue(notANumber);
    QCOMPARE(realSpy.count(), 0);
    // Infinities are values like any other out of range: stored and
    // announced, the spin box shows the end, the slider (no position for
    // an infinite value) goes to 0.
    real.setValue(inf);
    real.setValue(inf);
    QCOMPARE(realSpy.count(), 1);
    QCOMPARE(real.value(), inf);
    QCOMPARE(real.findChild<QDoubleSpinBox *>()->value(), 10.0);
    QCOMPARE(real.findChild<QSlider *>()->value(), 0);
    real.setValue(-inf);
    QCOMPARE(realSpy.count(), 2);
    QCOMPARE(real.value(), -inf);
    QCOMPARE(real.findChild<QDoubleSpinBox *>()->value(), 0.0);
    real.setValue(4.5);
    QCOMPARE(real.value(), 4.5);
    QCOMPARE(real.findChild<QSlider *>()->value(), 4);
    QCOMPARE(real.findChild<QDoubleSpinBox *>()->value(), 4.5);
}

void tst_ZelRangeWidget::benchmarkSettingValues_data()
{
    QTest::addColumn<bool>("bare");
    QTest::newRow("ZelRangeWidget") << false;
    QTest::newRow("QSlider+QSpinBox") << true;
}

void tst_ZelRangeWidget::benchmarkSettingValues()
{
    QFETCH(bool, bare);
    constexpr int count = 10000;

    if (!bare) {
        ZelRangeWidget w;
        w.setRange(ZelMinMaxRange<int>(0, count, 1));
        QBENCHMARK {
            for (int i = 1; i <= count; ++i)
                w.setValue(i);
            w.setValue(0);
        }
        QCOMPARE(w.value(), 0);
    } else {
        QWidget w;
        auto *slider = new QSlider(Qt::Horizontal, &w);
        auto *spin = new QSpinBox(&w);
        slider->setRange(0, count);
        spin->setRange(0, count);
        QObject::connect(slider, &QSlider::valueChanged, spin, [spin](int v) {
            const QSignalBlocker blocker(spin);
            spin->setValue(v);
        });
        QObject::connect(spin, &QSpinBox::valueChanged, slider, [slider](int v) {
            const QSignalBlocker blocker(slider);
            slider->setValue(v);
        });
        QBENCHMARK {
            for (int i = 1; i <= count; ++i)
                spin->setValue(i);
            spin->setValue(0);
        }
        QCOMPARE(slider->value(), 0);
    }
}

QTEST_MAIN(tst_ZelRangeWidget)
#include "tst_zelrangewidget.moc"
