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

#include <functional>
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
        widget->resize(300, widget->sizeHint().height());
        widget->show();
        return QTest::qWaitForWindowExposed(widget.get());
    }
    // The widget's span, then the spin boxes' values.
    QList<int> state() const { return {widget->lowerValue(), widget->upperValue(), low->value(), high->value()}; }
    static QList<int> both(int lower, int upper) { return {lower, upper, lower, upper}; }
};

// The events a real double-click sends.
void doubleClick(QWidget *w, QPoint pos)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
}

// A point on the groove near its far end, clear of handles below 90.
QPoint freeGroovePoint(ZelSpanSlider *slider)
{
    return QPoint(slider->width() - 4, slider->height() / 2);
}

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
        // From (10, 20) in 0..99: call, emitted (the last is where both end); the low spin box stops at the high.
        using Call = std::function<void(Fixture &)>;
        const QList<std::pair<Call, QStringList>> cases{{[](Fixture &f) { f.widget->setLowerValue(30); }, {"span(20,20)", "span(20,30)"}},
                                                        {[](Fixture &f) { f.widget->setSpan(40, 50); }, {"span(10,50)", "span(40,50)"}},
                                                        // Wholly below: not squeezed against the old upper end.
                                                        {[](Fixture &f) { f.widget->setSpan(1, 5); }, {"span(1,20)", "span(1,5)"}},
                                                        // The slider's range narrowed under the span: one commit, in step.
                                                        {[](Fixture &f) { f.slider->setRange(25, 29); }, {"span(25,25)"}}};
        for (const auto &[call, emitted] : cases) {
            Fixture f;
            call(f);
            QCOMPARE(f.log.take(), emitted);
            QCOMPARE(QStringLiteral("span(%1,%2)").arg(f.low->value()).arg(f.high->value()), emitted.last());
            QCOMPARE(f.state(), Fixture::both(f.low->value(), f.high->value()));
        }
    }

    void typedValuesObeyTheSpinBoxRules()
    {
        // From (10, 20); a typed value past the other one is put back to it.
        for (const auto &[intoLow, typed, emitted] :
             QList<std::tuple<bool, QString, QString>>{{true, "30", "span(20,20)"}, {false, "5", "span(10,10)"}}) {
            Fixture f;
            QVERIFY(f.show(true));
            QSpinBox *spin = intoLow ? f.low : f.high;
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
        Fixture f(Qt::Horizontal, 10, 80);
        f.widget->setRange(0, 100);
        f.log.take();
        // The maximum bounds the slider's span; the spin boxes follow, though they still accept 100.
        f.widget->setMaximum(50);
        QCOMPARE(f.log.take(), QStringList{"span(10,50)"});
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
        QCOMPARE(QList<int>({f.widget->minimum(), f.widget->maximum(), f.low->maximum(), f.high->minimum()}), QList<int>({50, 50, 50, 50}));
        QCOMPARE(f.state(), Fixture::both(50, 50));
        // The slider's own properties are the widget's.
        QVERIFY(f.widget->setProperty("handleMovementMode", QVariant::fromValue(ZelSpanSlider::NoOverlapping)));
        QCOMPARE(f.slider->handleMovementMode(), ZelSpanSlider::NoOverlapping);
    }

    void doubleClickTogglesSpinBoxes()
    {
        Fixture f;
        QVERIFY(f.show());
        // Setting the current state emits nothing.
        f.widget->setSettingsVisible(false);
        doubleClick(f.slider, freeGroovePoint(f.slider));
        QTRY_VERIFY(f.low->isVisible() && f.high->isVisible());
        // On a handle too.
        doubleClick(f.slider, f.slider->lowerHandleRect().center());
        QCOMPARE(f.log.take(), (QStringList{"visible(true)", "visible(false)"}));
        // A double-click in a spin box is its own.
        f.widget->setSettingsVisible(true);
        doubleClick(f.low, f.low->rect().center());
        QCOMPARE(f.log.take(), QStringList{"visible(true)"});
    }

    void hoverTipShowsValueAndHides()
    {
        Fixture f(Qt::Horizontal, 10, 80);
        QVERIFY(f.show());
        // The tip label is not registered with the meta-object system.
        auto *tip = dynamic_cast<ZelTipLabel *>(f.widget->findChild<QLabel *>());
        const QPoint onLower = f.slider->lowerHandleRect().center();
        // The tip shows the handle's value and follows the mouse over it, 20 pixels above the handle's top,
        // and goes of itself a second after the mouse came to rest.
        QElapsedTimer rest;
        QTest::mouseMove(f.slider, onLower + QPoint(1, 0));
        rest.start();
        QCOMPARE(tip->tipText(), QStringLiteral("Value: 10 "));
        QCOMPARE(tip->pos(), f.slider->mapToGlobal(QPoint(onLower.x() + 1, f.slider->lowerHandleRect().top() - 20)));
        QTRY_VERIFY(!tip->isVisible());
        QVERIFY(rest.elapsed() >= 900);
        // Hidden by leaving the handles; a move to where the mouse is would not arrive.
        QTest::mouseMove(f.slider, onLower);
        QVERIFY(tip->isVisible());
        QTest::mouseMove(f.slider, freeGroovePoint(f.slider));
        QVERIFY(!tip->isVisible());
        // With the spin boxes shown the next movement hides the tip, and none shows.
        QTest::mouseMove(f.slider, onLower + QPoint(1, 0));
        doubleClick(f.slider, onLower);
        QVERIFY(f.low->isVisible() && tip->isVisible());
        QTest::mouseMove(f.slider, onLower);
        QVERIFY(!tip->isVisible());
    }
};

QTEST_MAIN(tst_ZelSpanRangeWidget)
#include "tst_zelspanrangewidget.moc"
