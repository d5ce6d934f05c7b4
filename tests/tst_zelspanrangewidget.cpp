// The span range widget: a span slider and two spin boxes kept in step,
// spin boxes toggled by double-clicks, value tips over the handles.

#include <ZelGui/ZelGuiResources.h>
#include <ZelGui/ZelSpanRangeWidget.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelTipLabel.h>

#include <QApplication>
#include <QBoxLayout>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTest>
#include <QTranslator>

#include <climits>
#include <memory>

class tst_ZelSpanRangeWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void startsWithHiddenSpinBoxes_data();
    void startsWithHiddenSpinBoxes();
    void settersKeepSliderAndSpinBoxesInStep_data();
    void settersKeepSliderAndSpinBoxesInStep();
    void typedValuesObeyTheSpinBoxRules_data();
    void typedValuesObeyTheSpinBoxRules();
    void sliderCommitsReachTheWidgetOnce_data();
    void sliderCommitsReachTheWidgetOnce();
    void spinBoxRangeBoundsTheSlider();
    void spinBoxStepsReachTheSlider();
    void draggingTheSliderMovesTheSpinBoxes();
    void rangeSetters();
    void propertiesReachTheSlider();

    void doubleClickTogglesSpinBoxes();
    void setSettingsVisibleEmitsOnChangeOnly();

    void hoverTipShowsHandleValue_data();
    void hoverTipShowsHandleValue();
    void hoverTipHides();
    void hoverTipIsTranslated();

    void badInputIsBounded();
};

namespace {

// The widget with its children and a log of what it and its slider emit.
struct Fixture
{
    std::unique_ptr<ZelSpanRangeWidget> widget;
    ZelSpanSlider *slider = nullptr;
    QSpinBox *low = nullptr;
    QSpinBox *high = nullptr;
    QStringList log;

    explicit Fixture(Qt::Orientation orientation = Qt::Horizontal)
        : widget(new ZelSpanRangeWidget(orientation))
    {
        slider = widget->findChild<ZelSpanSlider *>(QStringLiteral("slider"));
        low = widget->findChild<QSpinBox *>(QStringLiteral("lowSpin"));
        high = widget->findChild<QSpinBox *>(QStringLiteral("highSpin"));
        QObject::connect(widget.get(), &ZelSpanRangeWidget::spanChanged, widget.get(), [this](int l, int u) {
            log.append(QStringLiteral("span %1 %2").arg(l).arg(u));
        });
        QObject::connect(widget.get(), &ZelSpanRangeWidget::settingsVisibleChanged, widget.get(), [this](bool v) {
            log.append(v ? QStringLiteral("visible true") : QStringLiteral("visible false"));
        });
        QObject::connect(widget.get(), &ZelSpanRangeWidget::rangeChanged, widget.get(), [this](int, int) {
            log.append(QStringLiteral("range"));
        });
    }

    bool show()
    {
        if (slider->orientation() == Qt::Horizontal)
            widget->resize(300, widget->sizeHint().height());
        else
            widget->resize(widget->sizeHint().width(), 300);
        widget->show();
        return QTest::qWaitForWindowExposed(widget.get());
    }

    // Slider values and spin boxes agree on (lower, upper).
    bool holds(int lower, int upper) const
    {
        return widget->lowerValue() == lower && widget->upperValue() == upper && low->value() == lower
               && high->value() == upper;
    }

    QString state() const
    {
        return QStringLiteral("slider %1 %2, spins %3 %4")
            .arg(widget->lowerValue())
            .arg(widget->upperValue())
            .arg(low->value())
            .arg(high->value());
    }

    ZelTipLabel *tip() const
    {
        for (QLabel *label : widget->findChildren<QLabel *>()) {
            if (auto *tip = dynamic_cast<ZelTipLabel *>(label))
                return tip;
        }
        return nullptr;
    }
};

void hover(QWidget *w, QPoint pos)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// The events a real double-click sends.
void doubleClick(QWidget *w, QPoint pos)
{
    QTest::mousePress(w, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
}

// A point on the groove at least a handle's length away from both handles.
QPoint freeGroovePoint(ZelSpanSlider *slider)
{
    const QRect lower = slider->lowerHandleRect();
    const QRect upper = slider->upperHandleRect();
    const int y = lower.center().y();
    for (int x = 0; x < slider->width(); ++x) {
        const QRect probe(x - lower.width(), y, 2 * lower.width(), 1);
        if (!probe.intersects(lower) && !probe.intersects(upper))
            return QPoint(x, y);
    }
    return QPoint();
}

void typeInto(QSpinBox *spin, const QString &text)
{
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, text);
}

} // namespace

void tst_ZelSpanRangeWidget::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_ZelSpanRangeWidget::init()
{
    // Any warning but the offscreen platform's notes on what it lacks.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
}

void tst_ZelSpanRangeWidget::startsWithHiddenSpinBoxes_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::newRow("horizontal") << Qt::Horizontal;
    QTest::newRow("vertical") << Qt::Vertical;
}

void tst_ZelSpanRangeWidget::startsWithHiddenSpinBoxes()
{
    QFETCH(Qt::Orientation, orientation);
    Fixture f(orientation);
    QVERIFY(f.slider && f.low && f.high);
    QVERIFY(f.show());

    QCOMPARE(f.slider->orientation(), orientation);
    QVERIFY(f.slider->hasMouseTracking());
    QVERIFY(!f.widget->settingsVisible());
    QVERIFY(!f.low->isVisible());
    QVERIFY(!f.high->isVisible());
    QVERIFY(!f.low->keyboardTracking());
    QVERIFY(!f.high->keyboardTracking());
    QVERIFY(f.tip() && !f.tip()->isVisible());
    QVERIFY(f.log.isEmpty());

    // Shown, the spin boxes sit below the slider, lower one on the left.
    f.widget->setSettingsVisible(true);
    QTRY_VERIFY(f.low->isVisible() && f.high->isVisible());
    QVERIFY(f.low->geometry().top() > f.slider->geometry().bottom());
    QVERIFY(f.high->geometry().left() > f.low->geometry().right());
    QCOMPARE(f.widget->layout()->contentsMargins(), QMargins());
}

void tst_ZelSpanRangeWidget::settersKeepSliderAndSpinBoxesInStep_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<QStringList>("emitted");

    // All from the span (10, 20) in the range 0..99.
    QTest::newRow("lower inside") << "lower" << 15 << 0 << 15 << 20 << QStringList{"span 15 20"};
    // The lower spin box stops at the upper value; the slider then orders
    // the pair as its own setLowerValue() does.
    QTest::newRow("lower above upper") << "lower" << 30 << 0 << 20 << 30 << QStringList{"span 20 20", "span 20 30"};
    QTest::newRow("lower below range") << "lower" << -5 << 0 << 0 << 20 << QStringList{"span 0 20"};
    QTest::newRow("upper inside") << "upper" << 60 << 0 << 10 << 60 << QStringList{"span 10 60"};
    QTest::newRow("upper below lower") << "upper" << 5 << 0 << 5 << 10 << QStringList{"span 10 10", "span 5 10"};
    QTest::newRow("upper above range") << "upper" << 500 << 0 << 10 << 99 << QStringList{"span 10 99"};
    QTest::newRow("span moved up") << "span" << 40 << 50 << 40 << 50 << QStringList{"span 10 50", "span 40 50"};
    QTest::newRow("span moved down") << "span" << 2 << 5 << 2 << 5 << QStringList{"span 2 20", "span 2 5"};
    QTest::newRow("span reversed") << "span" << 50 << 40 << 40 << 50 << QStringList{"span 10 50", "span 40 50"};
    QTest::newRow("span over both ends") << "span" << 5 << 30 << 5 << 30 << QStringList{"span 10 30", "span 5 30"};
    QTest::newRow("span unchanged") << "span" << 10 << 20 << 10 << 20 << QStringList{};
}

void tst_ZelSpanRangeWidget::settersKeepSliderAndSpinBoxesInStep()
{
    QFETCH(QString, call);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(QStringList, emitted);

    Fixture f;
    f.widget->setSpan(10, 20);
    QVERIFY2(f.holds(10, 20), qPrintable(f.state()));
    f.log.clear();

    if (call == QLatin1String("lower"))
        f.widget->setLowerValue(a);
    else if (call == QLatin1String("upper"))
        f.widget->setUpperValue(a);
    else
        f.widget->setSpan(a, b);
    QVERIFY2(f.holds(lower, upper), qPrintable(f.state()));
    QCOMPARE(f.log, emitted);
}

void tst_ZelSpanRangeWidget::typedValuesObeyTheSpinBoxRules_data()
{
    QTest::addColumn<bool>("intoLow");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<QStringList>("emitted");

    // From (10, 20).
    QTest::newRow("low inside") << true << "15" << 15 << 20 << QStringList{"span 15 20"};
    QTest::newRow("low above high") << true << "30" << 20 << 20 << QStringList{"span 20 20"};
    QTest::newRow("low equal to high") << true << "20" << 20 << 20 << QStringList{"span 20 20"};
    QTest::newRow("high inside") << false << "42" << 10 << 42 << QStringList{"span 10 42"};
    QTest::newRow("high below low") << false << "5" << 10 << 10 << QStringList{"span 10 10"};
}

void tst_ZelSpanRangeWidget::typedValuesObeyTheSpinBoxRules()
{
    QFETCH(bool, intoLow);
    QFETCH(QString, typed);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(QStringList, emitted);

    Fixture f;
    f.widget->setSpan(10, 20);
    f.widget->setSettingsVisible(true);
    QVERIFY(f.show());
    QApplication::setActiveWindow(f.widget.get());
    f.log.clear();

    QSpinBox *spin = intoLow ? f.low : f.high;
    typeInto(spin, typed);
    // Keyboard tracking is off: nothing happens before the entry is done.
    QVERIFY(f.log.isEmpty());
    QVERIFY2(f.holds(10, 20), qPrintable(f.state()));

    QTest::keyClick(spin, Qt::Key_Return);
    QVERIFY2(f.holds(lower, upper), qPrintable(f.state()));
    QCOMPARE(f.log, emitted);
    QCOMPARE(spin->text(), QString::number(spin->value()));
}

void tst_ZelSpanRangeWidget::sliderCommitsReachTheWidgetOnce_data()
{
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");

    // From (10, 20): both ends move in one commit of the slider.
    QTest::newRow("wholly above") << 40 << 50;
    QTest::newRow("wholly below") << 2 << 5;
    QTest::newRow("over both ends") << 5 << 30;
    QTest::newRow("inside") << 12 << 18;
}

void tst_ZelSpanRangeWidget::sliderCommitsReachTheWidgetOnce()
{
    QFETCH(int, lower);
    QFETCH(int, upper);

    Fixture f;
    f.widget->setSpan(10, 20);
    f.log.clear();
    f.slider->setSpan(lower, upper);
    QVERIFY2(f.holds(lower, upper), qPrintable(f.state()));
    QCOMPARE(f.log, QStringList{QStringLiteral("span %1 %2").arg(lower).arg(upper)});

    // A range change on the slider that moves both ends.
    f.log.clear();
    f.slider->setRange(upper + 5, upper + 9);
    QVERIFY2(f.holds(upper + 5, upper + 5), qPrintable(f.state()));
    QCOMPARE(f.log, QStringList{QStringLiteral("span %1 %1").arg(upper + 5)});
}

void tst_ZelSpanRangeWidget::spinBoxRangeBoundsTheSlider()
{
    // The slider reaches further than the spin boxes: what they cannot show
    // is taken back, as an edit of theirs would be.
    Fixture f;
    f.widget->setRange(0, 100);
    f.widget->setMaximum(200);
    f.widget->setSpan(10, 20);
    QVERIFY(f.show());
    f.log.clear();

    f.slider->setFocus();
    QTest::keyClick(f.slider, Qt::Key_End);
    QVERIFY2(f.holds(10, 100), qPrintable(f.state()));
    QCOMPARE(f.log, (QStringList{"span 10 200", "span 10 100"}));
}

void tst_ZelSpanRangeWidget::spinBoxStepsReachTheSlider()
{
    Fixture f;
    f.widget->setSpan(10, 11);
    f.widget->setSettingsVisible(true);
    QVERIFY(f.show());
    f.log.clear();

    f.low->setFocus();
    QTest::keyClick(f.low, Qt::Key_Up);
    QVERIFY2(f.holds(11, 11), qPrintable(f.state()));
    // One more step would pass the upper value: taken back to it.
    QTest::keyClick(f.low, Qt::Key_Up);
    QVERIFY2(f.holds(11, 11), qPrintable(f.state()));
    f.high->setFocus();
    QTest::keyClick(f.high, Qt::Key_PageUp);
    QVERIFY2(f.holds(11, 21), qPrintable(f.state()));
    QCOMPARE(f.log, (QStringList{"span 11 11", "span 11 21"}));
}

void tst_ZelSpanRangeWidget::draggingTheSliderMovesTheSpinBoxes()
{
    Fixture f;
    f.widget->setSpan(10, 20);
    f.widget->setSettingsVisible(true);
    QVERIFY(f.show());
    QStringList sliderLog;
    connect(f.slider, &ZelSpanSlider::spanChanged, f.slider,
            [&](int l, int u) { sliderLog.append(QStringLiteral("span %1 %2").arg(l).arg(u)); });
    f.log.clear();

    // Drag the upper handle to the right end of the groove.
    const QPoint start = f.slider->upperHandleRect().center();
    QTest::mousePress(f.slider, Qt::LeftButton, {}, start);
    for (int x = start.x() + 10; x < f.slider->width() + 20; x += 10)
        QTest::mouseMove(f.slider, QPoint(x, start.y()));
    QTest::mouseRelease(f.slider, Qt::LeftButton, {}, QPoint(f.slider->width() + 20, start.y()));

    QVERIFY2(f.holds(10, f.slider->maximum()), qPrintable(f.state()));
    // Each commit of the slider reaches the widget's users once, in order.
    QVERIFY(sliderLog.size() > 2);
    QCOMPARE(f.log, sliderLog);

    // And the lower one to the left end, past nothing.
    f.log.clear();
    sliderLog.clear();
    const QPoint lowerStart = f.slider->lowerHandleRect().center();
    QTest::mousePress(f.slider, Qt::LeftButton, {}, lowerStart);
    QTest::mouseMove(f.slider, QPoint(-30, lowerStart.y()));
    QTest::mouseRelease(f.slider, Qt::LeftButton, {}, QPoint(-30, lowerStart.y()));
    QVERIFY2(f.holds(f.slider->minimum(), f.slider->maximum()), qPrintable(f.state()));
    QCOMPARE(f.log, (QStringList{QStringLiteral("span 0 99")}));
    QCOMPARE(f.log, sliderLog);
}

void tst_ZelSpanRangeWidget::rangeSetters()
{
    Fixture f;
    f.widget->setRange(0, 100);
    f.widget->setSpan(10, 80);
    f.log.clear();

    // The maximum reaches the slider only; it bounds the span and the spin
    // boxes follow it.
    f.widget->setMaximum(50);
    QCOMPARE(f.widget->maximum(), 50);
    QCOMPARE(f.low->maximum(), 100);
    QCOMPARE(f.high->maximum(), 100);
    QVERIFY2(f.holds(10, 50), qPrintable(f.state()));
    QCOMPARE(f.log, QStringList{"span 10 50"});

    // The spin box would take 100, the slider does not: the spin box shows
    // what the slider kept.
    f.log.clear();
    f.high->setValue(100);
    QVERIFY2(f.holds(10, 50), qPrintable(f.state()));
    QVERIFY(f.log.isEmpty());

    // The minimum reaches the lower spin box and the slider only.
    f.widget->setMinimum(30);
    QCOMPARE(f.widget->minimum(), 30);
    QCOMPARE(f.low->minimum(), 30);
    QCOMPARE(f.high->minimum(), 0);
    QVERIFY2(f.holds(30, 50), qPrintable(f.state()));
    QCOMPARE(f.log, QStringList{"span 30 50"});

    f.log.clear();
    f.widget->setRange(-20, 10);
    QCOMPARE(f.widget->minimum(), -20);
    QCOMPARE(f.widget->maximum(), 10);
    QCOMPARE(f.low->minimum(), -20);
    QCOMPARE(f.high->minimum(), -20);
    QCOMPARE(f.high->maximum(), 10);
    QVERIFY2(f.holds(10, 10), qPrintable(f.state()));
    QVERIFY(!f.log.isEmpty());
    QCOMPARE(f.log.last(), QStringLiteral("span 10 10"));

    // A maximum below the minimum is taken as the minimum.
    f.widget->setRange(60, 40);
    QCOMPARE(f.widget->minimum(), 60);
    QCOMPARE(f.widget->maximum(), 60);
    QVERIFY2(f.holds(60, 60), qPrintable(f.state()));
    QVERIFY(!f.log.contains(QStringLiteral("range")));
}

void tst_ZelSpanRangeWidget::propertiesReachTheSlider()
{
    Fixture f;
    QVERIFY(f.widget->setProperty("handleMovementMode", QVariant::fromValue(ZelSpanSlider::NoOverlapping)));
    QCOMPARE(f.slider->handleMovementMode(), ZelSpanSlider::NoOverlapping);
    QCOMPARE(f.widget->property("handleMovementMode").value<ZelSpanSlider::HandleMovementMode>(),
             ZelSpanSlider::NoOverlapping);

    QVERIFY(f.widget->setProperty("tickPosition", QVariant::fromValue(QSlider::TicksBelow)));
    QCOMPARE(f.slider->tickPosition(), QSlider::TicksBelow);
    QCOMPARE(f.widget->tickPosition(), QSlider::TicksBelow);

    QVERIFY(f.widget->setProperty("upperValue", 70));
    QVERIFY(f.widget->setProperty("lowerValue", 30));
    QVERIFY2(f.holds(30, 70), qPrintable(f.state()));
    QCOMPARE(f.widget->property("lowerValue").toInt(), 30);

    QSignalSpy visible(f.widget.get(), &ZelSpanRangeWidget::settingsVisibleChanged);
    QVERIFY(f.widget->setProperty("settingsVisible", true));
    QCOMPARE(visible.count(), 1);
    QCOMPARE(f.widget->property("settingsVisible").toBool(), true);

    // The mode now stops the lower handle one step short of the upper one.
    f.slider->setFocus();
    f.widget->setSpan(69, 70);
    QTest::keyClick(f.slider, Qt::Key_Right);
    QVERIFY2(f.holds(69, 70), qPrintable(f.state()));
}

void tst_ZelSpanRangeWidget::doubleClickTogglesSpinBoxes()
{
    Fixture f;
    f.widget->setSpan(10, 20);
    QVERIFY(f.show());
    f.log.clear();

    const QPoint groove = freeGroovePoint(f.slider);
    QVERIFY(!groove.isNull());
    doubleClick(f.slider, groove);
    QVERIFY(f.widget->settingsVisible());
    QTRY_VERIFY(f.low->isVisible() && f.high->isVisible());
    QCOMPARE(f.log, QStringList{"visible true"});

    // On a handle too; the span stays.
    doubleClick(f.slider, f.slider->lowerHandleRect().center());
    QVERIFY(!f.widget->settingsVisible());
    QVERIFY(!f.low->isVisible() && !f.high->isVisible());
    QCOMPARE(f.log, (QStringList{"visible true", "visible false"}));
    QVERIFY2(f.holds(10, 20), qPrintable(f.state()));

    // A double-click in a spin box is the spin box's own.
    f.widget->setSettingsVisible(true);
    f.log.clear();
    doubleClick(f.low, f.low->rect().center());
    QVERIFY(f.widget->settingsVisible());
    QVERIFY(f.log.isEmpty());
}

void tst_ZelSpanRangeWidget::setSettingsVisibleEmitsOnChangeOnly()
{
    Fixture f;
    QVERIFY(f.show());
    f.widget->setSettingsVisible(false);
    QVERIFY(f.log.isEmpty());
    f.widget->setSettingsVisible(true);
    f.widget->setSettingsVisible(true);
    QVERIFY(f.low->isVisible() && f.high->isVisible());
    f.widget->setSettingsVisible(false);
    QVERIFY(!f.low->isVisible() && !f.high->isVisible());
    QCOMPARE(f.log, (QStringList{"visible true", "visible false"}));
}

void tst_ZelSpanRangeWidget::hoverTipShowsHandleValue_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<bool>("overLower");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");

    QTest::newRow("lower") << Qt::Horizontal << true << 7 << 60;
    QTest::newRow("upper") << Qt::Horizontal << false << 7 << 60;
    QTest::newRow("stacked") << Qt::Horizontal << true << 50 << 50;
    QTest::newRow("range ends") << Qt::Horizontal << false << 0 << 99;
    QTest::newRow("vertical lower") << Qt::Vertical << true << 7 << 60;
    QTest::newRow("vertical upper") << Qt::Vertical << false << 7 << 60;
}

void tst_ZelSpanRangeWidget::hoverTipShowsHandleValue()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(bool, overLower);
    QFETCH(int, lower);
    QFETCH(int, upper);

    Fixture f(orientation);
    f.widget->setSpan(lower, upper);
    QVERIFY(f.show());
    ZelTipLabel *tip = f.tip();
    QVERIFY(tip);

    const QRect handle = overLower ? f.slider->lowerHandleRect() : f.slider->upperHandleRect();
    const QPoint at = handle.center() + QPoint(1, 0);
    hover(f.slider, at);
    QVERIFY(tip->isVisible());
    const QString text = QStringLiteral("Value: %1 ").arg(overLower ? lower : upper);
    QCOMPARE(tip->tipText(), text);
    QCOMPARE(tip->pos(), f.slider->mapToGlobal(QPoint(at.x(), handle.top() - 20)));
    QCOMPARE(tip->width(), tip->fontMetrics().boundingRect(text).width() + 7);

    // Following the mouse over the handle.
    const QPoint next = at - QPoint(2, 1);
    QVERIFY(handle.contains(next));
    hover(f.slider, next);
    QCOMPARE(tip->pos(), f.slider->mapToGlobal(QPoint(next.x(), handle.top() - 20)));
    QCOMPARE(tip->tipText(), text);
}

void tst_ZelSpanRangeWidget::hoverTipHides()
{
    Fixture f;
    f.widget->setSpan(10, 80);
    QVERIFY(f.show());
    ZelTipLabel *tip = f.tip();
    const QPoint onLower = f.slider->lowerHandleRect().center();

    // Off the handles.
    hover(f.slider, onLower);
    QVERIFY(tip->isVisible());
    hover(f.slider, freeGroovePoint(f.slider));
    QVERIFY(!tip->isVisible());

    // Entering and leaving the slider.
    hover(f.slider, onLower);
    QVERIFY(tip->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(f.slider, &leave);
    QVERIFY(!tip->isVisible());
    hover(f.slider, onLower);
    const QPointF local(onLower);
    QEnterEvent enter(local, local, f.slider->mapToGlobal(local));
    QApplication::sendEvent(f.slider, &enter);
    QVERIFY(!tip->isVisible());

    // With the spin boxes shown there is no tip; a double-click takes it away.
    hover(f.slider, onLower);
    QVERIFY(tip->isVisible());
    doubleClick(f.slider, onLower);
    QVERIFY(!tip->isVisible());
    hover(f.slider, onLower);
    QVERIFY(!tip->isVisible());
    f.widget->setSettingsVisible(false);

    // Hidden with the widget, although it is a window of its own.
    hover(f.slider, onLower);
    QVERIFY(tip->isVisible());
    f.widget->hide();
    QVERIFY(!tip->isVisible());
    f.widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.widget.get()));

    // And of itself a second after the mouse came to rest.
    QElapsedTimer rest;
    hover(f.slider, onLower);
    rest.start();
    QVERIFY(tip->isVisible());
    QTRY_VERIFY(!tip->isVisible());
    QVERIFY(rest.elapsed() >= 900);
}

void tst_ZelSpanRangeWidget::hoverTipIsTranslated()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")));
    QCoreApplication::installTranslator(&translator);
    Fixture f;
    f.widget->setSpan(7, 60);
    QVERIFY(f.show());
    hover(f.slider, f.slider->lowerHandleRect().center());
    const QString shown = f.tip()->tipText();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(shown, QStringLiteral("Значение: 7 "));
}

void tst_ZelSpanRangeWidget::badInputIsBounded()
{
    const QList<int> ints{INT_MIN, INT_MIN + 1, -100, -1, 0, 1, 50, INT_MAX - 1, INT_MAX};
    Fixture f;
    f.widget->resize(0, 0);
    f.widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.widget.get()));

    const auto checkBounded = [&](const char *what, int a, int b) {
        const QString where = QStringLiteral("%1(%2, %3): %4").arg(QLatin1String(what)).arg(a).arg(b).arg(f.state());
        QVERIFY2(f.widget->minimum() <= f.widget->lowerValue(), qPrintable(where));
        QVERIFY2(f.widget->lowerValue() <= f.widget->upperValue(), qPrintable(where));
        QVERIFY2(f.widget->upperValue() <= f.widget->maximum(), qPrintable(where));
        QVERIFY2(f.low->value() <= f.high->value(), qPrintable(where));
        // Wherever the spin boxes can hold the span, they show it.
        const bool fits = f.low->minimum() <= f.widget->lowerValue() && f.widget->lowerValue() <= f.low->maximum()
                          && f.high->minimum() <= f.widget->upperValue()
                          && f.widget->upperValue() <= f.high->maximum();
        if (fits)
            QVERIFY2(f.holds(f.widget->lowerValue(), f.widget->upperValue()), qPrintable(where));
    };

    for (int a : ints) {
        for (int b : ints) {
            f.widget->setRange(a, b);
            checkBounded("setRange", a, b);
            for (int v : ints) {
                f.widget->setLowerValue(v);
                checkBounded("setLowerValue", v, 0);
                f.widget->setUpperValue(v);
                checkBounded("setUpperValue", v, 0);
                f.widget->setSpan(v, a);
                checkBounded("setSpan", v, a);
                hover(f.slider, QPoint(v % 1000, a % 1000));
            }
            f.widget->setMinimum(a);
            checkBounded("setMinimum", a, 0);
            f.widget->setMaximum(b);
            checkBounded("setMaximum", b, 0);
            f.widget->setSpan(b, a);
            checkBounded("setSpan", b, a);
        }
        f.widget->setHandleMovementMode(ZelSpanSlider::HandleMovementMode(a));
        f.widget->setTickPosition(QSlider::TickPosition(a));
        f.widget->setSettingsVisible(a > 0);
        hover(f.slider, f.slider->lowerHandleRect().center());
        doubleClick(f.slider, QPoint());
    }
}

QTEST_MAIN(tst_ZelSpanRangeWidget)
#include "tst_zelspanrangewidget.moc"
