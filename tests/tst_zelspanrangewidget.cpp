// The span range widget: a span slider and two spin boxes kept in step,
// spin boxes toggled by double-clicks, value tips over the handles.

#include "zelspan_testhelpers.h"

#include <ZelGui/ZelSpanRangeWidget.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelTipLabel.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTest>
#include <QTranslator>

#include <climits>
#include <memory>

using namespace ZelSpanTest;

namespace {

// The widget with its children; "span", "visible" and "range" are logged.
struct Fixture
{
    std::unique_ptr<ZelSpanRangeWidget> widget;
    ZelSpanSlider *slider;
    QSpinBox *low;
    QSpinBox *high;
    SignalLog log;

    explicit Fixture(Qt::Orientation orientation = Qt::Horizontal, int lower = 10, int upper = 20)
        : widget(new ZelSpanRangeWidget(orientation))
        , slider(widget->findChild<ZelSpanSlider *>(QStringLiteral("slider")))
        , low(widget->findChild<QSpinBox *>(QStringLiteral("lowSpin")))
        , high(widget->findChild<QSpinBox *>(QStringLiteral("highSpin")))
    {
        widget->setSpan(lower, upper);
        log.watch(widget.get(), &ZelSpanRangeWidget::spanChanged, "span");
        log.watch(widget.get(), &ZelSpanRangeWidget::settingsVisibleChanged, "visible");
        log.watch(widget.get(), &ZelSpanRangeWidget::rangeChanged, "range");
    }
    bool show(bool settings = false)
    {
        widget->setSettingsVisible(settings);
        log.take();
        widget->resize(slider->orientation() == Qt::Horizontal ? QSize(300, widget->sizeHint().height())
                                                               : QSize(widget->sizeHint().width(), 300));
        widget->show();
        return QTest::qWaitForWindowExposed(widget.get());
    }
    // Slider and spin boxes as "lower upper / low high".
    QString state() const
    {
        return QStringLiteral("%1 %2 / %3 %4").arg(widget->lowerValue()).arg(widget->upperValue()).arg(low->value())
            .arg(high->value());
    }
    static QString both(int lower, int upper) { return QStringLiteral("%1 %2 / %1 %2").arg(lower).arg(upper); }
    ZelTipLabel *tip() const
    {
        for (QLabel *label : widget->findChildren<QLabel *>())
            if (auto *tip = dynamic_cast<ZelTipLabel *>(label))
                return tip;
        return nullptr;
    }
};

void hover(QWidget *w, QPoint pos)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// The events a real double-click sends.
void doubleClick(QWidget *w, QPoint pos)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
}

// A point on the groove at least a handle's length away from both handles.
QPoint freeGroovePoint(ZelSpanSlider *slider)
{
    const QRect lower = slider->lowerHandleRect(), upper = slider->upperHandleRect();
    for (int x = 0; x < slider->width(); ++x) {
        const QRect probe(x - lower.width(), lower.center().y(), 2 * lower.width(), 1);
        if (!probe.intersects(lower) && !probe.intersects(upper))
            return probe.center();
    }
    return QPoint();
}

} // namespace

class tst_ZelSpanRangeWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init()
    {
        // Any warning but the offscreen platform's notes on what it lacks.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
    }

    void settersKeepSliderAndSpinBoxesInStep_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QStringList>("emitted"); // the last is where both end

        // From the span (10, 20) in the range 0..99.
        QTest::newRow("lower inside") << "lower" << 15 << 0 << QStringList{"span(15,20)"};
        // The lower spin box stops at the upper value; the slider then orders
        // the pair as its own setLowerValue() does.
        QTest::newRow("lower above upper") << "lower" << 30 << 0 << QStringList{"span(20,20)", "span(20,30)"};
        QTest::newRow("lower below range") << "lower" << -5 << 0 << QStringList{"span(0,20)"};
        QTest::newRow("upper below lower") << "upper" << 5 << 0 << QStringList{"span(10,10)", "span(5,10)"};
        QTest::newRow("upper above range") << "upper" << 500 << 0 << QStringList{"span(10,99)"};
        QTest::newRow("span moved up") << "span" << 40 << 50 << QStringList{"span(10,50)", "span(40,50)"};
        QTest::newRow("span moved down") << "span" << 2 << 5 << QStringList{"span(2,20)", "span(2,5)"};
        QTest::newRow("span reversed") << "span" << 50 << 40 << QStringList{"span(10,50)", "span(40,50)"};
        QTest::newRow("span unchanged") << "span" << 10 << 20 << QStringList{};
        // A commit of the slider reaches the widget once, both ends at once.
        QTest::newRow("slider span") << "slider" << 40 << 50 << QStringList{"span(40,50)"};
        QTest::newRow("slider range") << "slider range" << 25 << 29 << QStringList{"span(25,25)"};
    }
    void settersKeepSliderAndSpinBoxesInStep()
    {
        QFETCH(QString, call);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QStringList, emitted);

        Fixture f;
        QCOMPARE(f.state(), Fixture::both(10, 20));
        if (call == QLatin1String("lower"))
            f.widget->setLowerValue(a);
        else if (call == QLatin1String("upper"))
            f.widget->setUpperValue(a);
        else if (call == QLatin1String("span"))
            f.widget->setSpan(a, b);
        else if (call == QLatin1String("slider"))
            f.slider->setSpan(a, b);
        else
            f.slider->setRange(a, b);
        QCOMPARE(f.log.take(), emitted);
        const QString last = emitted.isEmpty() ? QStringLiteral("span(10,20)") : emitted.last();
        QCOMPARE(QStringLiteral("span(%1,%2)").arg(f.low->value()).arg(f.high->value()), last);
        QCOMPARE(f.state(), Fixture::both(f.low->value(), f.high->value()));
    }

    void typedValuesObeyTheSpinBoxRules_data()
    {
        QTest::addColumn<bool>("intoLow");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("emitted");

        // From (10, 20); a typed value past the other one is put back to it.
        QTest::newRow("low inside") << true << "15" << QStringList{"span(15,20)"};
        QTest::newRow("low above high") << true << "30" << QStringList{"span(20,20)"};
        QTest::newRow("high inside") << false << "42" << QStringList{"span(10,42)"};
        QTest::newRow("high below low") << false << "5" << QStringList{"span(10,10)"};
    }
    void typedValuesObeyTheSpinBoxRules()
    {
        QFETCH(bool, intoLow);
        QFETCH(QString, typed);
        QFETCH(QStringList, emitted);

        Fixture f;
        QVERIFY(f.show(true));
        QApplication::setActiveWindow(f.widget.get());
        QSpinBox *spin = intoLow ? f.low : f.high;
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, typed);
        // Keyboard tracking is off: nothing happens before the entry is done.
        QCOMPARE(f.log.take(), QStringList());
        QTest::keyClick(spin, Qt::Key_Return);
        QCOMPARE(f.log.take(), emitted);
        QCOMPARE(QStringLiteral("span(%1,%2)").arg(f.widget->lowerValue()).arg(f.widget->upperValue()), emitted.last());
        QCOMPARE(f.state(), Fixture::both(f.low->value(), f.high->value()));
        QCOMPARE(spin->text(), QString::number(spin->value()));
    }

    void spinBoxesAndSliderByKeysAndMouse()
    {
        Fixture f(Qt::Horizontal, 10, 11);
        QVERIFY(f.show(true));
        // One step of the low spin box more would pass the upper value.
        f.low->setFocus();
        QTest::keyClick(f.low, Qt::Key_Up);
        QTest::keyClick(f.low, Qt::Key_Up);
        f.high->setFocus();
        QTest::keyClick(f.high, Qt::Key_PageUp);
        QCOMPARE(f.log.take(), (QStringList{"span(11,11)", "span(11,21)"}));

        // Each commit of a drag reaches the widget's users once, in order.
        SignalLog sliderLog;
        sliderLog.watch(f.slider, &ZelSpanSlider::spanChanged, "span");
        const QPoint start = f.slider->upperHandleRect().center();
        QTest::mousePress(f.slider, Qt::LeftButton, {}, start);
        for (int x = start.x() + 10; x < f.slider->width() + 20; x += 10)
            QTest::mouseMove(f.slider, QPoint(x, start.y()));
        QTest::mouseRelease(f.slider, Qt::LeftButton, {}, QPoint(f.slider->width() + 20, start.y()));
        QCOMPARE(f.state(), Fixture::both(11, 99));
        QVERIFY(sliderLog.lines.size() > 2);
        QCOMPARE(f.log.take(), sliderLog.take());
    }

    void rangeSetters()
    {
        Fixture f;
        f.widget->setRange(0, 100);
        f.widget->setSpan(10, 80);
        f.log.take();
        // The maximum reaches the slider only; it bounds the span and the
        // spin boxes follow, though they still accept 100.
        f.widget->setMaximum(50);
        QCOMPARE(f.log.take(), QStringList{"span(10,50)"});
        QCOMPARE(f.high->maximum(), 100);
        f.high->setValue(100);
        QCOMPARE(f.state(), Fixture::both(10, 50));
        // The minimum reaches the lower spin box and the slider only.
        f.widget->setMinimum(30);
        QCOMPARE(f.low->minimum(), 30);
        QCOMPARE(f.high->minimum(), 0);
        QCOMPARE(f.state(), Fixture::both(30, 50));
        QCOMPARE(f.log.take(), QStringList{"span(30,50)"});
        f.widget->setRange(-20, 10);
        QCOMPARE((QList<int>{f.widget->minimum(), f.high->minimum(), f.widget->maximum(), f.high->maximum()}),
                 (QList<int>{-20, -20, 10, 10}));
        QCOMPARE(f.state(), Fixture::both(10, 10));
        const QStringList log = f.log.take();
        QCOMPARE(log.value(log.size() - 1), QStringLiteral("span(10,10)"));
        // A maximum below the minimum is taken as the minimum.
        f.widget->setRange(60, 40);
        QCOMPARE(f.state(), Fixture::both(60, 60));
        QCOMPARE(f.widget->maximum(), 60);

        // The slider reaching beyond the spin boxes is taken back to them.
        f.widget->setRange(0, 100);
        f.widget->setMaximum(200);
        f.widget->setSpan(10, 20);
        QVERIFY(f.show());
        f.slider->setFocus();
        QTest::keyClick(f.slider, Qt::Key_End);
        QCOMPARE(f.state(), Fixture::both(10, 100));
        QCOMPARE(f.log.take(), (QStringList{"span(10,200)", "span(10,100)"}));
    }

    void propertiesReachTheSlider()
    {
        Fixture f;
        QVERIFY(f.widget->setProperty("handleMovementMode", QVariant::fromValue(ZelSpanSlider::NoOverlapping)));
        QVERIFY(f.widget->setProperty("tickPosition", QVariant::fromValue(QSlider::TicksBelow)));
        QCOMPARE(f.slider->tickPosition(), QSlider::TicksBelow);
        QVERIFY(f.widget->setProperty("upperValue", 70));
        QVERIFY(f.widget->setProperty("lowerValue", 69));
        QVERIFY(f.widget->setProperty("settingsVisible", true));
        QCOMPARE(f.log.take(), (QStringList{"span(10,70)", "span(69,70)", "visible(true)"}));
        // The mode stops the lower handle one step short of the upper one.
        f.slider->setFocus();
        QTest::keyClick(f.slider, Qt::Key_Right);
        QCOMPARE(f.state(), Fixture::both(69, 70));
    }

    void doubleClickTogglesSpinBoxes()
    {
        Fixture f;
        QVERIFY(f.slider && f.low && f.high);
        QVERIFY(f.show());
        QVERIFY(!f.low->isVisible() && !f.high->isVisible());
        const QPoint groove = freeGroovePoint(f.slider);
        QVERIFY(!groove.isNull());
        doubleClick(f.slider, groove);
        QVERIFY(f.widget->settingsVisible());
        // Shown, the spin boxes sit below the slider, the lower one on the left.
        QTRY_VERIFY(f.low->isVisible() && f.high->isVisible());
        QVERIFY(f.low->geometry().top() > f.slider->geometry().bottom());
        QVERIFY(f.high->geometry().left() > f.low->geometry().right());
        // On a handle too; the span stays.
        doubleClick(f.slider, f.slider->lowerHandleRect().center());
        QVERIFY(!f.low->isVisible() && !f.high->isVisible());
        QCOMPARE(f.log.take(), (QStringList{"visible(true)", "visible(false)"}));
        QCOMPARE(f.state(), Fixture::both(10, 20));
        // A double-click in a spin box is the spin box's own; setting the
        // state it has emits nothing.
        f.widget->setSettingsVisible(true);
        f.widget->setSettingsVisible(true);
        doubleClick(f.low, f.low->rect().center());
        f.widget->setSettingsVisible(false);
        f.widget->setSettingsVisible(false);
        QCOMPARE(f.log.take(), (QStringList{"visible(true)", "visible(false)"}));
    }

    void hoverTipShowsHandleValue_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<bool>("overLower");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::newRow("lower") << Qt::Horizontal << true << 7 << 60;
        QTest::newRow("upper") << Qt::Horizontal << false << 7 << 60;
        QTest::newRow("stacked") << Qt::Horizontal << true << 50 << 50;
        QTest::newRow("vertical upper") << Qt::Vertical << false << 0 << 99;
    }
    void hoverTipShowsHandleValue()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(bool, overLower);
        QFETCH(int, lower);
        QFETCH(int, upper);

        Fixture f(orientation, lower, upper);
        QVERIFY(f.show());
        QCOMPARE(f.slider->orientation(), orientation);
        ZelTipLabel *tip = f.tip();
        QVERIFY(tip && !tip->isVisible());
        const QRect handle = overLower ? f.slider->lowerHandleRect() : f.slider->upperHandleRect();
        const QString text = QStringLiteral("Value: %1 ").arg(overLower ? lower : upper);
        // The tip follows the mouse over the handle, 20 pixels above its top.
        for (const QPoint &at : {handle.center() + QPoint(1, 0), handle.center() - QPoint(1, 1)}) {
            hover(f.slider, at);
            QVERIFY(tip->isVisible());
            QCOMPARE(tip->tipText(), text);
            QCOMPARE(tip->pos(), f.slider->mapToGlobal(QPoint(at.x(), handle.top() - 20)));
            QCOMPARE(tip->width(), tip->fontMetrics().boundingRect(text).width() + 7);
        }
    }

    void hoverTipHides()
    {
        Fixture f(Qt::Horizontal, 10, 80);
        QVERIFY(f.show());
        ZelTipLabel *tip = f.tip();
        const QPoint onLower = f.slider->lowerHandleRect().center();
        const QPointF local(onLower);
        QEvent leave(QEvent::Leave);
        QEnterEvent enter(local, local, f.slider->mapToGlobal(local));
        // Each of these hides a shown tip: leaving the handles, leaving and
        // entering the slider, a double-click that shows the spin boxes.
        for (int i = 0; i < 4; ++i) {
            hover(f.slider, onLower);
            QVERIFY(tip->isVisible());
            if (i == 0)
                hover(f.slider, freeGroovePoint(f.slider));
            else if (i == 3)
                doubleClick(f.slider, onLower);
            else
                QApplication::sendEvent(f.slider, i == 1 ? &leave : static_cast<QEvent *>(&enter));
            QVERIFY(!tip->isVisible());
        }
        // With the spin boxes shown there is no tip.
        hover(f.slider, onLower);
        QVERIFY(!tip->isVisible());
        // Hidden with the widget, although it is a window of its own.
        f.widget->setSettingsVisible(false);
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

    void hoverTipIsTranslated()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")));
        QCoreApplication::installTranslator(&translator);
        Fixture f(Qt::Horizontal, 7, 60);
        QVERIFY(f.show());
        hover(f.slider, f.slider->lowerHandleRect().center());
        const QString shown = f.tip()->tipText();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(shown, QStringLiteral("Значение: 7 "));
    }

    void badInputIsBounded()
    {
        const QList<int> ints{INT_MIN, INT_MIN + 1, -1, 0, 1, 50, INT_MAX - 1, INT_MAX};
        Fixture f;
        f.widget->resize(0, 0);
        f.widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.widget.get()));
        const auto checkBounded = [&](const char *what, int a, int b) {
            const QString where = QStringLiteral("%1(%2, %3): %4").arg(QLatin1String(what)).arg(a).arg(b).arg(f.state());
            QVERIFY2(f.widget->minimum() <= f.widget->lowerValue() && f.widget->lowerValue() <= f.widget->upperValue()
                         && f.widget->upperValue() <= f.widget->maximum() && f.low->value() <= f.high->value(),
                     qPrintable(where));
            // Wherever the spin boxes can hold the span, they show it.
            if (f.low->minimum() <= f.widget->lowerValue() && f.widget->lowerValue() <= f.low->maximum()
                && f.high->minimum() <= f.widget->upperValue() && f.widget->upperValue() <= f.high->maximum())
                QVERIFY2(f.state() == Fixture::both(f.widget->lowerValue(), f.widget->upperValue()), qPrintable(where));
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
            }
            f.widget->setHandleMovementMode(ZelSpanSlider::HandleMovementMode(a));
            f.widget->setTickPosition(QSlider::TickPosition(a));
            f.widget->setSettingsVisible(a > 0);
            doubleClick(f.slider, QPoint());
        }
        // The widget never emits its rangeChanged itself.
        QCOMPARE(f.log.take().filter(QStringLiteral("range")), QStringList());
    }
};

QTEST_MAIN(tst_ZelSpanRangeWidget)
#include "tst_zelspanrangewidget.moc"
