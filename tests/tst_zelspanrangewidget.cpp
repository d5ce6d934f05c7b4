// Span range widget: slider and spin boxes in step, double-click toggling, hover tips.

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
#include <tuple>

using namespace ZelSpanTest;

namespace {

// The widget with its children; "span", "visible" and "range" are logged.
struct Fixture
{
    std::unique_ptr<ZelSpanRangeWidget> widget;
    ZelSpanSlider *slider;
    QSpinBox *low, *high;
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
    QString state() const
    {
        return QStringLiteral("%1 %2 / %3 %4").arg(widget->lowerValue()).arg(widget->upperValue()).arg(low->value())
            .arg(high->value());
    }
    static QString both(int lower, int upper) { return QStringLiteral("%1 %2 / %1 %2").arg(lower).arg(upper); }
    ZelTipLabel *tip() const // not registered with the meta-object system
    {
        const QList<QLabel *> labels = widget->findChildren<QLabel *>();
        return labels.size() == 1 ? dynamic_cast<ZelTipLabel *>(labels.first()) : nullptr;
    }
};

void hover(QWidget *w, QPoint pos)
{
    QMouseEvent event(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// The events a real double-click sends.
void doubleClick(QWidget *w, QPoint pos)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
}

// A point on the groove near its far end, clear of handles below 90.
QPoint freeGroovePoint(ZelSpanSlider *slider) { return QPoint(slider->width() - 4, slider->height() / 2); }

} // namespace

class tst_ZelSpanRangeWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    // Any warning but the offscreen platform's notes on what it lacks.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)"))); }

    void settersKeepSliderAndSpinBoxesInStep()
    {
        // From (10, 20) in 0..99: call, a, b, emitted (the last is where both end); the low spin box stops at the high.
        const QList<std::tuple<QString, int, int, QStringList>> cases{{"lower", 30, 0, {"span(20,20)", "span(20,30)"}},
                                                                      {"span", 40, 50, {"span(10,50)", "span(40,50)"}},
                                                                      // Wholly below: not squeezed against the old upper end.
                                                                      {"span", 1, 5, {"span(1,20)", "span(1,5)"}},
                                                                      {"slider range", 25, 29, {"span(25,25)"}}};
        for (const auto &[call, a, b, emitted] : cases) {
            Fixture f;
            call == QLatin1String("lower") ? f.widget->setLowerValue(a)
            : call == QLatin1String("span") ? f.widget->setSpan(a, b) : f.slider->setRange(a, b);
            QCOMPARE(f.log.take(), emitted);
            QCOMPARE(QStringLiteral("span(%1,%2)").arg(f.low->value()).arg(f.high->value()), emitted.last());
            QCOMPARE(f.state(), Fixture::both(f.low->value(), f.high->value()));
        }
    }

    void typedValuesObeyTheSpinBoxRules()
    {
        // From (10, 20); a typed value past the other one is put back to it.
        for (const auto &[intoLow, typed, emitted] : QList<std::tuple<bool, QString, QString>>{
                 {true, "30", "span(20,20)"}, {false, "5", "span(10,10)"}}) {
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
            QCOMPARE(f.log.take(), QStringList{emitted});
            QCOMPARE(f.state(), Fixture::both(emitted.mid(5, 2).toInt(), emitted.mid(8, 2).toInt()));
            QCOMPARE(spin->text(), QString::number(spin->value()));
        }
    }

    void rangeSetters()
    {
        Fixture f;
        f.widget->setRange(0, 100);
        f.widget->setSpan(10, 80);
        f.log.take();
        // The maximum bounds the slider's span; the spin boxes follow, though they still accept 100.
        f.widget->setMaximum(50);
        QCOMPARE(f.log.take(), QStringList{"span(10,50)"});
        QCOMPARE(f.high->maximum(), 100);
        f.high->setValue(100);
        QCOMPARE(f.state(), Fixture::both(10, 50));
        // A slider span the spin boxes cannot hold is announced, then bounded to what they show.
        f.widget->setMaximum(200);
        f.log.take();
        f.slider->setSpan(10, 150);
        QCOMPARE(f.log.take(), (QStringList{"span(10,150)", "span(10,100)"}));
        QCOMPARE(f.state(), Fixture::both(10, 100));
        // A maximum below the minimum is the minimum, for the slider as for the spin boxes.
        f.widget->setRange(50, 10);
        QCOMPARE(QList<int>({f.widget->minimum(), f.widget->maximum(), f.low->maximum(), f.high->minimum()}),
                 QList<int>({50, 50, 50, 50}));
        QCOMPARE(f.state(), Fixture::both(50, 50));
    }

    void propertiesReachTheSlider()
    {
        Fixture f;
        QVERIFY(f.widget->setProperty("handleMovementMode", QVariant::fromValue(ZelSpanSlider::NoOverlapping)));
        QVERIFY(f.widget->setProperty("tickPosition", QVariant::fromValue(QSlider::TicksBelow)));
        QCOMPARE(f.slider->handleMovementMode(), ZelSpanSlider::NoOverlapping);
        QCOMPARE(f.slider->tickPosition(), QSlider::TicksBelow);
    }

    void doubleClickTogglesSpinBoxes()
    {
        Fixture f;
        QVERIFY(f.show());
        doubleClick(f.slider, freeGroovePoint(f.slider));
        QTRY_VERIFY(f.low->isVisible() && f.high->isVisible());
        // On a handle too; the span stays.
        doubleClick(f.slider, f.slider->lowerHandleRect().center());
        QVERIFY(!f.low->isVisible() && !f.high->isVisible());
        QCOMPARE(f.log.take(), (QStringList{"visible(true)", "visible(false)"}));
        QCOMPARE(f.state(), Fixture::both(10, 20));
        // A double-click in a spin box is its own; setting the current state emits nothing.
        f.widget->setSettingsVisible(true);
        f.widget->setSettingsVisible(true);
        doubleClick(f.low, f.low->rect().center());
        f.widget->setSettingsVisible(false);
        f.widget->setSettingsVisible(false);
        QCOMPARE(f.log.take(), (QStringList{"visible(true)", "visible(false)"}));
    }

    void hoverTipShowsHandleValue()
    {
        Fixture f(Qt::Horizontal, 7, 60);
        QVERIFY(f.show());
        ZelTipLabel *tip = f.tip();
        QVERIFY(tip && !tip->isVisible());
        const QRect handle = f.slider->lowerHandleRect();
        const QString text = QStringLiteral("Value: 7 ");
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
        QEvent leave(QEvent::Leave);
        QEnterEvent enter{QPointF(onLower), QPointF(onLower), f.slider->mapToGlobal(QPointF(onLower))};
        // Hidden by leaving the handles, leaving or entering the slider.
        for (int i = 0; i < 3; ++i) {
            hover(f.slider, onLower);
            QVERIFY(tip->isVisible());
            if (i == 0)
                hover(f.slider, freeGroovePoint(f.slider));
            else
                QApplication::sendEvent(f.slider, i == 1 ? &leave : static_cast<QEvent *>(&enter));
            QVERIFY(!tip->isVisible());
        }
        // With the spin boxes shown the next movement hides the tip, and none shows.
        hover(f.slider, onLower);
        doubleClick(f.slider, onLower);
        QVERIFY(f.low->isVisible() && tip->isVisible());
        hover(f.slider, onLower);
        QVERIFY(!tip->isVisible());
        // And of itself a second after the mouse came to rest.
        f.widget->setSettingsVisible(false);
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
        const QList<int> ints{INT_MIN, -1, 0, 50, INT_MAX};
        Fixture f;
        f.widget->resize(0, 0);
        f.widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.widget.get()));
        // Bounded, and wherever the spin boxes can hold the span, they show it.
        const auto check = [&](int a, int b) {
            const int lo = f.widget->lowerValue(), hi = f.widget->upperValue();
            const QString where = QStringLiteral("%1, %2: %3").arg(a).arg(b).arg(f.state());
            QVERIFY2(f.widget->minimum() <= lo && lo <= hi && hi <= f.widget->maximum() && f.low->value() <= f.high->value(),
                     qPrintable(where));
            if (f.low->minimum() <= lo && lo <= f.low->maximum() && f.high->minimum() <= hi && hi <= f.high->maximum())
                QVERIFY2(f.state() == Fixture::both(lo, hi), qPrintable(where));
        };
        for (int a : ints) {
            for (int b : ints) {
                f.widget->setRange(a, b);
                check(a, b);
                for (int v : ints) {
                    f.widget->setLowerValue(v), check(v, b);
                    f.widget->setUpperValue(v), check(a, v);
                    f.widget->setSpan(v, a), check(v, a);
                }
                f.widget->setMinimum(a), check(a, b);
                f.widget->setMaximum(b), check(a, b);
            }
            // The next bounds are checked under a bad movement mode, with or without the spin boxes shown.
            f.widget->setHandleMovementMode(ZelSpanSlider::HandleMovementMode(a));
            f.widget->setSettingsVisible(a > 0);
        }
        // The widget never emits its rangeChanged itself.
        QCOMPARE(f.log.take().filter(QStringLiteral("range")), QStringList());
    }
};

QTEST_MAIN(tst_ZelSpanRangeWidget)
#include "tst_zelspanrangewidget.moc"
