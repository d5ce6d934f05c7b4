// Thermo bars: colour maps by their stops, span handles by the bar's width,
// setters, drags and keys, the rotating bar's drags and rotated maps, bad
// input.

#include <ZelGui/ZelHSLThermoBar.h>
#include <ZelLog/ZelLog.h>

#include <qwt_color_map.h>
#include <qwt_interval.h>

#include <QApplication>
#include <QImage>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <tuple>

using Component = ZelThermoBar::Component;
Q_DECLARE_METATYPE(ZelThermoBar::Component)

namespace {

QColor hsl(int h, int s, int l)
{
    return QColor::fromHsl(h, s, l);
}

// Every stop of a map as "position:#rrggbb", read back through the map.
struct Stop
{
    double position;
    QRgb colour;
};
QList<Stop> stopsOf(const QwtColorMap *colorMap)
{
    auto *map = dynamic_cast<const QwtLinearColorMap *>(colorMap);
    if (!map)
        return {};
    // Of two entries at one position the map answers with the first; the
    // second one's colour shows just past it (where it starts the ramp).
    QList<Stop> stops;
    const QList<double> positions = map->colorStops();
    for (qsizetype k = 0; k < positions.size(); ++k) {
        const double p = positions[k];
        const bool second = k > 0 && positions[k - 1] == p && p < 1.0;
        stops.append({p, map->rgb(QwtInterval(0.0, 1.0), second ? p + 1e-12 : p)});
    }
    return stops;
}

// The stops of a ramp as Qwt reports them: the colour interval's start
// stays an entry at 0.0 of its own, ahead of stop 0; count stops at
// k / count; the interval's end at 1.0.
QList<Stop> rampStops(int count, const std::function<QColor(int)> &colour, const QColor &start, const QColor &end)
{
    QList<Stop> stops{{0.0, start.rgb()}};
    for (int k = 0; k < count; ++k)
        stops.append({k / double(count), colour(k).rgb()});
    stops.append({1.0, end.rgb()});
    return stops;
}

// The stops of a rotated ramp of values 0 to m: stop k at k / m, so stop m
// at 1.0 goes after the interval's end (of the same colour).
QList<Stop> rotatedStops(int m, const std::function<QColor(int)> &colour)
{
    QList<Stop> stops = rampStops(m, colour, colour(0), colour(m));
    stops.append({1.0, colour(m).rgb()});
    return stops;
}

// The first difference between two lists of stops, or nothing.
QString compareStops(const QList<Stop> &actual, const QList<Stop> &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("%1 stops, expected %2").arg(actual.size()).arg(expected.size());
    for (qsizetype k = 0; k < actual.size(); ++k) {
        if (std::abs(actual[k].position - expected[k].position) > 1e-9 || actual[k].colour != expected[k].colour)
            return QStringLiteral("entry %1 at %2 is %3, expected %4 at %5")
                .arg(k)
                .arg(actual[k].position)
                .arg(QColor(actual[k].colour).name(), QColor(expected[k].colour).name())
                .arg(expected[k].position);
    }
    return QString();
}

// Counts brush updates, to see rebuilds of an unchanged component.
class CountingBar : public ZelThermoBar
{
public:
    int updates = 0;
    void updateBrush() override
    {
        ++updates;
        ZelThermoBar::updateBrush();
    }
};

// A shown span bar with its emissions logged as "min(v)", "max(v)",
// "range(a,b)".
struct ShownSpan
{
    std::unique_ptr<ZelThermoBarSpan> bar = std::make_unique<ZelThermoBarSpan>();
    QStringList log;
    explicit ShownSpan(int width = 200, std::pair<int, int> range = {0, 100}, int min = 0, int max = 0)
    {
        bar->resize(width, 16);
        bar->setRange(range);
        bar->setSpanMax(max);
        bar->setSpanMin(min);
        bar->show();
        QObject::connect(bar.get(), &ZelThermoBarSpan::spanMinChanged,
                         [this](int v) { log << QStringLiteral("min(%1)").arg(v); });
        QObject::connect(bar.get(), &ZelThermoBarSpan::spanMaxChanged,
                         [this](int v) { log << QStringLiteral("max(%1)").arg(v); });
        QObject::connect(bar.get(), &ZelThermoBarSpan::rangeChanged, [this](std::pair<int, int> r) {
            log << QStringLiteral("range(%1,%2)").arg(r.first).arg(r.second);
        });
    }
    QStringList take() { return std::exchange(log, {}); }
    // Where a handle stands for a value on this bar.
    int handleX(int value, bool lower) const
    {
        const auto [first, second] = bar->range();
        const int x = qRound(value * double(bar->width()) / (double(second) - first) - 4.0);
        return lower ? qMax(0, x) : qMin(bar->width() - 8, x);
    }
    // A point of the bar that maps back to a value, in a handle's
    // coordinates.
    QPoint pointFor(ZelThermoBarSpanHandler *handle, int value) const
    {
        const auto [first, second] = bar->range();
        const double scale = double(bar->width()) / (second - first);
        return handle->mapFrom(bar.get(), QPoint(qRound((value + 0.5) * scale), 8));
    }
};

// A shown rotating hue bar with its emissions logged as "ratio(r)" and
// "step(s)".
struct ShownRotate
{
    std::unique_ptr<ZelHSLThermoBarRotate> bar = std::make_unique<ZelHSLThermoBarRotate>();
    QStringList log;
    explicit ShownRotate(int width = 200)
    {
        bar->setComponent(ZelThermoBar::Hue);
        bar->resize(width, 16);
        bar->show();
        QObject::connect(bar.get(), &ZelHSLThermoBarRotate::translateStartRatioChanged,
                         [this](double r) { log << QStringLiteral("ratio(%1)").arg(r, 0, 'g', 6); });
        QObject::connect(bar.get(), &ZelHSLThermoBarRotate::translateStartStepChanged,
                         [this](int s) { log << QStringLiteral("step(%1)").arg(s); });
    }
    QStringList take() { return std::exchange(log, {}); }
    QPoint at(int x) const { return QPoint(x, bar->height() / 2); }
};

QStringList rotation(double ratio, int step)
{
    return {QStringLiteral("ratio(%1)").arg(ratio, 0, 'g', 6), QStringLiteral("step(%1)").arg(step)};
}

} // namespace

class tst_ZelThermoBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        ZelLog::setEchoToQt(false);
    }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void newBarIsAFlatRampWithoutMap()
    {
        CountingBar bar;
        QCOMPARE(bar.orientation(), Qt::Horizontal);
        QCOMPARE(bar.scalePosition(), QwtThermo::NoScale);
        QCOMPARE(bar.borderWidth(), 0);
        QCOMPARE(bar.spacing(), 0);
        QCOMPARE(bar.component(), ZelThermoBar::Hue);
        QVERIFY(!bar.colorMap());
        // The current component is rebuilt too.
        bar.setComponent(ZelThermoBar::Hue);
        bar.setComponent(ZelThermoBar::Hue);
        QCOMPARE(bar.updates, 2);
        QVERIFY(bar.colorMap());
        QCOMPARE(bar.colorMap()->format(), QwtColorMap::RGB);

        bar.setMinimumWidth(40);
        bar.setMinimumHeight(10);
        QCOMPARE(bar.minimumSizeHint(), QSize(40, 40));
    }

    void colourMapsByStops_data()
    {
        QTest::addColumn<Component>("component");
        QTest::addColumn<int>("count");
        QTest::addColumn<std::function<QColor(int)>>("colour");
        QTest::addColumn<QColor>("start");
        QTest::addColumn<QColor>("end");
        using C = ZelThermoBar;
        QTest::newRow("hue") << C::Hue << 360 << std::function([](int k) { return hsl(k, 125, 125); })
                             << hsl(0, 125, 125) << hsl(359, 125, 125);
        QTest::newRow("saturation") << C::Saturation << 255 << std::function([](int k) { return hsl(250, k, 125); })
                                    << hsl(250, 0, 125) << hsl(250, 254, 125);
        QTest::newRow("lightness") << C::Lightness << 255 << std::function([](int k) { return hsl(250, 125, k); })
                                   << hsl(250, 125, 0) << hsl(250, 125, 254);
        QTest::newRow("red") << C::Red << 255 << std::function([](int k) { return hsl(15, 200, k); })
                             << hsl(15, 250, 0) << hsl(15, 250, 254);
        QTest::newRow("green") << C::Green << 255 << std::function([](int k) { return hsl(150, 250, k); })
                               << hsl(150, 250, 0) << hsl(150, 250, 254);
        QTest::newRow("blue") << C::Blue << 255 << std::function([](int k) { return hsl(220, 200, k); })
                              << hsl(220, 250, 0) << hsl(220, 250, 254);
        QTest::newRow("gray") << C::Gray << 255 << std::function([](int k) { return hsl(240, 0, k); })
                              << hsl(240, 125, 0) << hsl(240, 125, 254);
    }
    void colourMapsByStops()
    {
        QFETCH(Component, component);
        QFETCH(int, count);
        QFETCH(std::function<QColor(int)>, colour);
        QFETCH(QColor, start);
        QFETCH(QColor, end);
        ZelThermoBar bar;
        bar.setComponent(component);
        QCOMPARE(compareStops(stopsOf(bar.colorMap()), rampStops(count, colour, start, end)), QString());
    }

    void buildRgbColorMapRamps()
    {
        // The saturation argument only matters for lightness ramps.
        std::unique_ptr<QwtLinearColorMap> ramp(buildRgbColorMap(100, Qt::black, Qt::white, 77, true));
        QCOMPARE(compareStops(stopsOf(ramp.get()), rampStops(255, [](int k) { return hsl(100, k, 125); }, Qt::black,
                                                             Qt::white)),
                 QString());
        ramp.reset(buildRgbColorMap(100, Qt::black, Qt::white, 77, false));
        QCOMPARE(compareStops(stopsOf(ramp.get()), rampStops(255, [](int k) { return hsl(100, 77, k); }, Qt::black,
                                                             Qt::white)),
                 QString());

        // Out of the colour model: the hue modulo a turn, the saturation
        // bounded; an invalid end colour is opaque black.
        ramp.reset(buildRgbColorMap(-320, QColor(), QColor(), 300, false));
        QCOMPARE(compareStops(stopsOf(ramp.get()), rampStops(255, [](int k) { return hsl(40, 255, k); }, Qt::black,
                                                             Qt::black)),
                 QString());
    }

    void unknownComponentIsLoggedAndKeepsTheMap()
    {
        for (int value : {7, -1, INT_MAX}) {
            ZelThermoBar bar;
            bar.setComponent(ZelThermoBar::Red);
            const QwtColorMap *red = bar.colorMap();
            ZelLog::clearRecords();
            bar.setComponent(Component(value));
            QCOMPARE(int(bar.component()), value);
            QCOMPARE(bar.colorMap(), red);
            const QList<ZelMessage> records = ZelLog::records();
            QCOMPARE(records.size(), 1);
            QCOMPARE(records[0].messageType(), ZelLog::Logging);
            QCOMPARE(records[0].module(), QStringLiteral("ZelGui"));
            QCOMPARE(records[0].function(), QStringLiteral("virtual void ZelThermoBar::updateBrush()"));
            QCOMPARE(records[0].text(), QStringLiteral("Unknown component!"));
            QCOMPARE(ZelThermoBar::getMaxValueByComponent(Component(value)), -1);
        }
    }

    void valuesAndColoursOfComponents()
    {
        using C = ZelThermoBar;
        QCOMPARE(C::getMaxValueByComponent(C::Hue), 359);
        for (Component c : {C::Saturation, C::Lightness, C::Red, C::Green, C::Blue, C::Gray})
            QCOMPARE(C::getMaxValueByComponent(c), 255);

        QCOMPARE(C::getColorForBar(C::Hue, 300), hsl(300, 125, 125));
        QCOMPARE(C::getColorForBar(C::Saturation, 40), hsl(250, 40, 125));
        QCOMPARE(C::getColorForBar(C::Lightness, 40), hsl(250, 125, 40));
        QCOMPARE(C::getColorForBar(C::Red, 40), hsl(30, 200, 40));
        // No colours of their own, and values the colour model refuses.
        for (const auto &[c, v] : QList<std::pair<Component, int>>{
                 {C::Green, 1}, {C::Gray, 1}, {Component(9), 1}, {C::Hue, 360}, {C::Red, -1}, {C::Lightness, 256}})
            QVERIFY2(!C::getColorForBar(c, v).isValid(), qPrintable(QStringLiteral("%1, %2").arg(c).arg(v)));
    }

    // --- span bar ----------------------------------------------------------

    void handlesStandByTheBarsWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("range");
        QTest::addColumn<QList<int>>("span");
        QTest::newRow("whole range, ends held inside") << 200 << QList{0, 100} << QList{0, 100};
        QTest::newRow("inside") << 200 << QList{0, 100} << QList{50, 75};
        QTest::newRow("odd scale") << 333 << QList{0, 255} << QList{17, 200};
        // Value 0 stands at the left edge, whatever the range's minimum.
        QTest::newRow("offset range") << 300 << QList{20, 70} << QList{25, 30};
        QTest::newRow("negative range") << 200 << QList{-100, 100} << QList{-50, 50};
    }
    void handlesStandByTheBarsWidth()
    {
        QFETCH(int, width);
        QFETCH(QList<int>, range);
        QFETCH(QList<int>, span);
        ShownSpan sh(width, {range[0], range[1]}, span[0], span[1]);
        ZelThermoBarSpan *bar = sh.bar.get();
        QCOMPARE(bar->minHandler()->pos(), QPoint(sh.handleX(span[0], true), 0));
        QCOMPARE(bar->maxHandler()->pos(), QPoint(sh.handleX(span[1], false), 0));
        QCOMPARE(bar->minHandler()->size(), QSize(8, 16));
        QCOMPARE(bar->minHandler()->toolTip(), QStringLiteral("Value: %1").arg(span[0]));
        QCOMPARE(bar->maxHandler()->toolTip(), QStringLiteral("Value: %1").arg(span[1]));

        // Resizing moves them along.
        bar->resize(width * 2, 16);
        QCOMPARE(bar->minHandler()->x(), sh.handleX(span[0], true));
        QCOMPARE(bar->maxHandler()->x(), sh.handleX(span[1], false));
    }

    void handlesAtTheEndsOfA200PixelBar()
    {
        ShownSpan sh(200, {0, 100}, 0, 100);
        QCOMPARE(sh.bar->minHandler()->x(), 0);
        QCOMPARE(sh.bar->maxHandler()->x(), 192);
    }

    void spanSettersConditionsAndClamping()
    {
        ZelThermoBarSpan bar;
        QStringList log;
        connect(&bar, &ZelThermoBarSpan::spanMinChanged, [&](int v) { log << QStringLiteral("min(%1)").arg(v); });
        connect(&bar, &ZelThermoBarSpan::spanMaxChanged, [&](int v) { log << QStringLiteral("max(%1)").arg(v); });
        connect(&bar, &ZelThermoBarSpan::rangeChanged,
                [&](std::pair<int, int> r) { log << QStringLiteral("range(%1,%2)").arg(r.first).arg(r.second); });

        // With the range still (0, 0) every value is bounded to 0.
        QCOMPARE(bar.range(), std::make_pair(0, 0));
        bar.setSpanMax(5);
        QCOMPARE(bar.spanMax(), 0);
        bar.setRange({0, 100});
        bar.setRange({0, 100});
        bar.setSpanMax(5);
        bar.setSpanMin(10); // above spanMax: ignored
        bar.setSpanMin(5); // equal to spanMax: the span may become empty
        bar.setSpanMax(5); // unchanged
        bar.setSpanMax(4); // not above spanMin
        bar.setSpanMax(200); // bounded
        bar.setSpanMin(-20); // bounded
        bar.setSpanMin(-30); // differs as passed: bounded and announced again
        QVERIFY(bar.setProperty("spanMin", 30));
        QVERIFY(bar.setProperty("spanMax", 31));
        bar.setRange({0, 10}); // the span is not moved into a new range
        QCOMPARE(log, (QStringList{"max(0)", "range(0,100)", "max(5)", "min(5)", "max(100)", "min(0)", "min(0)",
                                   "min(30)", "max(31)", "range(0,10)"}));
        QCOMPARE(std::make_pair(bar.spanMin(), bar.spanMax()), std::make_pair(30, 31));
        QCOMPARE(bar.property("spanMax").toInt(), 31);
    }

    void spanBadRanges()
    {
        // The widest range is measured in 64 bits; the handles stay where
        // widgets can be.
        ShownSpan wide(200, {INT_MIN, INT_MAX}, 0, INT_MAX);
        QCOMPARE(wide.bar->maxHandler()->x(), wide.handleX(INT_MAX, false));
        QCOMPARE(wide.bar->minHandler()->x(), 0);
        wide.bar->setRange({0, 1}); // the span stays at INT_MAX, far right
        QCOMPARE(wide.bar->maxHandler()->x(), 192);
        QCOMPARE(wide.bar->minHandler()->x(), 0);

        // A drag far past a narrow bar over a huge range maps beyond int:
        // bounded, then held to the range.
        ShownSpan huge(200, {0, INT_MAX}, 0, 10);
        ZelThermoBarSpanHandler *upper = huge.bar->maxHandler();
        Q_EMIT upper->moved(upper->mapFrom(huge.bar.get(), QPoint(400, 8)));
        QCOMPARE(huge.bar->spanMax(), INT_MAX);

        // A range with its minimum above its maximum stores its minimum for
        // every value and leaves the handles where they are.
        ShownSpan inverted(200, {0, 100}, 10, 20);
        const QPoint before = inverted.bar->maxHandler()->pos();
        inverted.bar->setRange({100, 0});
        inverted.bar->setSpanMax(50);
        QCOMPARE(inverted.bar->spanMax(), 100);
        QCOMPARE(inverted.bar->maxHandler()->pos(), before);
    }

    void handleDragsThroughMouse()
    {
        ShownSpan sh(200, {0, 100}, 20, 60);
        ZelThermoBarSpan *bar = sh.bar.get();
        QVERIFY(QTest::qWaitForWindowExposed(bar));
        ZelThermoBarSpanHandler *lower = bar->minHandler(), *upper = bar->maxHandler();

        QTest::mousePress(lower, Qt::LeftButton, {}, lower->rect().center());
        QVERIFY(lower->isPressed());
        QTest::mouseMove(lower, sh.pointFor(lower, 40));
        QCOMPARE(sh.take(), QStringList{"min(40)"});
        QCOMPARE(lower->x(), sh.handleX(40, true));
        // Not past the upper end; up to it the span may close.
        QTest::mouseMove(lower, sh.pointFor(lower, 61));
        QTest::mouseMove(lower, sh.pointFor(lower, 60));
        QCOMPARE(sh.take(), QStringList{"min(60)"});
        QTest::mouseRelease(lower, Qt::LeftButton, {}, sh.pointFor(lower, 60));
        QVERIFY(!lower->isPressed());

        // An empty span holds both handles.
        QTest::mousePress(upper, Qt::LeftButton, {}, upper->rect().center());
        QTest::mouseMove(upper, sh.pointFor(upper, 90));
        QTest::mouseRelease(upper, Qt::LeftButton, {}, sh.pointFor(upper, 90));
        QCOMPARE(sh.take(), QStringList());

        // Opened again from code, the upper handle goes beyond the bar's end
        // and is bounded by the range; any button holds a handle.
        bar->setSpanMin(10);
        sh.take();
        QTest::mousePress(upper, Qt::RightButton, {}, upper->rect().center());
        QTest::mouseMove(upper, upper->mapFrom(bar, QPoint(bar->width() + 50, 8)));
        QCOMPARE(sh.take(), QStringList{"max(100)"});
        QCOMPARE(upper->x(), 192);
        QTest::mouseRelease(upper, Qt::RightButton, {}, upper->rect().center());
        // Moves after the release do nothing.
        QTest::mouseMove(upper, sh.pointFor(upper, 50));
        QCOMPARE(sh.take(), QStringList());
    }

    void zeroWidthBarIgnoresDrags()
    {
        ShownSpan sh(0, {0, 100}, 10, 20);
        Q_EMIT sh.bar->minHandler()->moved(QPointF(3, 3));
        Q_EMIT sh.bar->maxHandler()->moved(QPointF(0, 0));
        QCOMPARE(sh.take(), QStringList());
        QCOMPARE(sh.bar->maxHandler()->x(), -8);
    }

    void keyboardStepsTheHandles()
    {
        ShownSpan sh(200, {0, 100}, 20, 60);
        ZelThermoBarSpan *bar = sh.bar.get();
        QVERIFY(QTest::qWaitForWindowExposed(bar));
        bar->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(bar));
        bar->minHandler()->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), bar->minHandler());
        QCOMPARE(bar->minHandler()->accessibleName(), QStringLiteral("Lower end of the span"));
        QCOMPARE(bar->maxHandler()->accessibleName(), QStringLiteral("Upper end of the span"));
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_Left, Qt::Key_End})
            QTest::keyClick(QApplication::focusWidget(), key);
        // Tab goes on to the upper handle.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), bar->maxHandler());
        for (Qt::Key key : {Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Home})
            QTest::keyClick(QApplication::focusWidget(), key);
        // Home on the lower handle leaves it at 0 and Left does nothing
        // there; End would pass the upper end; on the upper handle Up stays
        // at the range's end and Home cannot empty the span.
        QCOMPARE(sh.take(), (QStringList{"min(21)", "min(31)", "min(0)", "max(100)", "max(99)", "max(89)"}));
    }

    void handlePaintsOnlyOnASpanBar()
    {
        ShownSpan sh(200, {0, 100}, 0, 100);
        auto render = [](QWidget *w) {
            QImage image(w->size() * 2, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(2);
            image.fill(Qt::transparent);
            w->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            return image;
        };
        auto painted = [](const QImage &image) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qAlpha(image.pixel(x, y)) != 0)
                        return true;
            return false;
        };
        QVERIFY(painted(render(sh.bar->minHandler())));
        QWidget plain;
        ZelThermoBarSpanHandler stray(ZelThermoBarSpanHandler::Min, &plain);
        QVERIFY(!painted(render(&stray)));
    }

    // --- rotating bar ------------------------------------------------------

    void rotationByDrags()
    {
        ShownRotate sh(200);
        ZelHSLThermoBarRotate *bar = sh.bar.get();
        QVERIFY(QTest::qWaitForWindowExposed(bar));
        const int w = bar->width();
        QCOMPARE(bar->cursor().shape(), Qt::OpenHandCursor);

        // Edge to edge adds (width - 1) / width.
        QTest::mousePress(bar, Qt::LeftButton, {}, sh.at(0));
        QCOMPARE(bar->cursor().shape(), Qt::ClosedHandCursor);
        QTest::mouseMove(bar, sh.at(w - 1));
        const double edge = (w - 1) / double(w);
        QCOMPARE(sh.take(), rotation(edge, int(edge * 359)));
        // Past the edge the pointer counts as at the edge: no change.
        QTest::mouseMove(bar, sh.at(w + 40));
        QCOMPARE(sh.take(), QStringList());
        QTest::mouseRelease(bar, Qt::LeftButton, {}, sh.at(w + 40));
        QCOMPARE(bar->cursor().shape(), Qt::OpenHandCursor);

        // A second drag starts from the ratio reached and wraps past 1.
        QTest::mousePress(bar, Qt::LeftButton, {}, sh.at(0));
        QTest::mouseMove(bar, sh.at(10));
        const double wrapped = 10.0 / w + edge - 1.0;
        QCOMPARE(bar->translateStartRatio(), wrapped);
        QCOMPARE(sh.take(), rotation(wrapped, int(wrapped * 359)));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, sh.at(10));

        // Moves without a held left button turn nothing.
        QTest::mouseMove(bar, sh.at(50));
        QTest::mousePress(bar, Qt::RightButton, {}, sh.at(50));
        QTest::mouseMove(bar, sh.at(150));
        QTest::mouseRelease(bar, Qt::RightButton, {}, sh.at(150));
        QCOMPARE(sh.take(), QStringList());
        QCOMPARE(bar->translateStartRatio(), wrapped);
    }

    void rotationLeftwardsPastZero()
    {
        ShownRotate sh(200);
        ZelHSLThermoBarRotate *bar = sh.bar.get();
        QVERIFY(QTest::qWaitForWindowExposed(bar));
        QTest::mousePress(bar, Qt::LeftButton, {}, sh.at(100));
        QTest::mouseMove(bar, sh.at(99));
        QTest::mouseMove(bar, sh.at(-30)); // counts as the left edge
        QTest::mouseRelease(bar, Qt::LeftButton, {}, sh.at(-30));
        const double first = 1.0 - 1.0 / 200, last = 1.0 - 100.0 / 200;
        QCOMPARE(sh.take(), rotation(first, int(first * 359)) + rotation(last, int(last * 359)));
        QVERIFY(bar->translateStartRatio() >= 0.0 && bar->translateStartRatio() < 1.0);
    }

    void dragNeverWrapsToOne()
    {
        // A ratio a rounding step below zero plus nothing would wrap to 1.0
        // itself; it is 0.
        ShownRotate sh(200);
        ZelHSLThermoBarRotate *bar = sh.bar.get();
        QVERIFY(QTest::qWaitForWindowExposed(bar));
        bar->setTranslateStartRatio(-1e-20);
        sh.take();
        QTest::mousePress(bar, Qt::LeftButton, {}, sh.at(100));
        QTest::mouseMove(bar, sh.at(100));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, sh.at(100));
        QCOMPARE(sh.take(), rotation(0.0, 0));
    }

    void zeroWidthRotatingBarIgnoresDrags()
    {
        ShownRotate sh(0);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(0, 0), QPointF(0, 0), Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 0), QPointF(5, 0), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(sh.bar.get(), &press);
        QApplication::sendEvent(sh.bar.get(), &move);
        QCOMPARE(sh.take(), QStringList());
    }

    void setTranslateStartRatioStoresAsGiven()
    {
        ShownRotate sh;
        ZelHSLThermoBarRotate *bar = sh.bar.get();
        bar->setTranslateStartRatio(0.5);
        bar->setTranslateStartRatio(0.5);
        bar->setTranslateStartRatio(1.5);
        QCOMPARE(sh.take(), rotation(0.5, 179) + rotation(1.5, 538));
        QCOMPARE(bar->translateStartRatio(), 1.5);

        // Steps by component; beyond int, and NaN, are bounded.
        for (const auto &[c, ratio, step] : QList<std::tuple<Component, double, int>>{
                 {ZelThermoBar::Saturation, 0.5, 127},
                 {ZelThermoBar::Gray, 0.999, 254},
                 {Component(8), 0.5, 0},
                 {Component(8), 3.0, -3},
                 {ZelThermoBar::Hue, -0.5, -179},
                 {ZelThermoBar::Hue, 1e300, INT_MAX},
                 {ZelThermoBar::Hue, -std::numeric_limits<double>::infinity(), INT_MIN},
                 {ZelThermoBar::Hue, std::numeric_limits<double>::quiet_NaN(), 0}}) {
            bar->setComponent(c);
            bar->setTranslateStartRatio(ratio);
            QCOMPARE(bar->translateStartStep(), step);
        }
    }

    void rotatedMapsByStops_data()
    {
        QTest::addColumn<Component>("component");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<std::function<QColor(int)>>("colour"); // of stop k
        using C = ZelThermoBar;
        QTest::newRow("hue by 10") << C::Hue << 10.5 / 359
                                   << std::function([](int k) { return hsl((350 + k) % 360, 125, 125); });
        QTest::newRow("hue unturned") << C::Hue << 0.0 << std::function([](int k) { return hsl(k, 125, 125); });
        QTest::newRow("saturation by 3") << C::Saturation << 3.5 / 255
                                         << std::function([](int k) { return hsl(250, (253 + k) % 256, 125); });
        QTest::newRow("red by 255") << C::Red << 255.0 / 255 - 1e-12
                                    << std::function([](int k) { return hsl(30, 200, (k + 2) % 256); });
        // Ramps getColorForBar() has no colours for take the plain bar's.
        QTest::newRow("green by 1") << C::Green << 1.5 / 255
                                    << std::function([](int k) { return hsl(150, 250, (255 + k) % 256); });
        QTest::newRow("gray") << C::Gray << 0.0 << std::function([](int k) { return hsl(240, 0, k); });
        // Ratios set from code beyond a turn turn as far modulo a turn.
        QTest::newRow("hue by -369") << C::Hue << -369.5 / 359
                                     << std::function([](int k) { return hsl((k + 9) % 360, 125, 125); });
    }
    void rotatedMapsByStops()
    {
        QFETCH(Component, component);
        QFETCH(double, ratio);
        QFETCH(std::function<QColor(int)>, colour);
        ZelHSLThermoBarRotate bar;
        bar.setComponent(component);
        bar.setTranslateStartRatio(ratio);
        const int m = ZelThermoBar::getMaxValueByComponent(component);
        // n stops at k / m, the last one at 1.0.
        QCOMPARE(compareStops(stopsOf(bar.colorMap()), rotatedStops(m, colour)), QString());
    }

    void rotatingBarUnknownComponentKeepsTheMap()
    {
        ZelHSLThermoBarRotate bar;
        bar.setComponent(ZelThermoBar::Lightness);
        const QwtColorMap *before = bar.colorMap();
        ZelLog::clearRecords();
        bar.setComponent(Component(-3));
        bar.setTranslateStartRatio(0.25);
        QCOMPARE(bar.colorMap(), before);
        QCOMPARE(ZelLog::records().size(), 2);
        QCOMPARE(ZelLog::records().last().text(), QStringLiteral("Unknown component!"));
    }

    void keyboardTurnsTheRamp()
    {
        ShownRotate sh;
        ZelHSLThermoBarRotate *bar = sh.bar.get();
        QVERIFY(QTest::qWaitForWindowExposed(bar));
        QCOMPARE(bar->focusPolicy(), Qt::StrongFocus);
        QVERIFY(!bar->accessibleName().isEmpty());
        QStringList steps;
        connect(bar, &ZelHSLThermoBarRotate::translateStartStepChanged,
                [&](int s) { steps << QString::number(s); });
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Home, Qt::Key_Left, Qt::Key_Left, Qt::Key_Home})
            QTest::keyClick(bar, key);
        QCOMPARE(steps, (QStringList{"1", "2", "0", "358", "357", "0"}));
        QCOMPARE(bar->translateStartRatio(), 0.0);
        // Every unit step of every ramp is reached exactly.
        bar->setComponent(ZelThermoBar::Blue);
        for (int s = 1; s < 255; ++s) {
            QTest::keyClick(bar, Qt::Key_Right);
            QCOMPARE(bar->translateStartStep(), s);
        }
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->translateStartStep(), 0);
    }
};

QTEST_MAIN(tst_ZelThermoBar)
#include "tst_zelthermobar.moc"
