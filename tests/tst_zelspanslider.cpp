// Span slider: commits, modes by key and mouse, stacking, tracking off, painting, bad input.

#include "zelspan_testhelpers.h"

#include <ZelGui/ZelSpanSlider.h>

#include <QApplication>
#include <QImage>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <climits>
#include <memory>
#include <tuple>

using namespace ZelSpanTest;
using Handle = ZelSpanSlider::SpanHandle;
using Mode = ZelSpanSlider::HandleMovementMode;

Q_DECLARE_METATYPE(ZelSpanSlider::SpanHandle)

namespace {

const Handle Lower = ZelSpanSlider::LowerHandle, Upper = ZelSpanSlider::UpperHandle;
const Mode Free = ZelSpanSlider::FreeMovement, NoCross = ZelSpanSlider::NoCrossing,
           NoOver = ZelSpanSlider::NoOverlapping;

// A shown 400-pixel slider over [0, 99] with its signals logged.
struct Shown
{
    std::unique_ptr<ZelSpanSlider> slider;
    SignalLog log;
    explicit Shown(Qt::Orientation o = Qt::Horizontal, int lower = 0, int upper = 0)
        : slider(std::make_unique<ZelSpanSlider>(o))
    {
        slider->resize(o == Qt::Horizontal ? QSize(400, 30) : QSize(30, 400));
        slider->setRange(0, 99);
        slider->setSpan(lower, upper);
        slider->show();
        if (!QTest::qWaitForWindowExposed(slider.get())) // every test here needs the slider on screen
            qFatal("slider not exposed");
        watchSpanSlider(log, slider.get());
    }
    QPoint at(Handle h, int value) const { return handleRectAt(slider.get(), h, value).center(); }
    QPoint on(Handle h) const { return (h == Lower ? slider->lowerHandleRect() : slider->upperHandleRect()).center(); }
    QList<int> state() const
    { return {slider->lowerValue(), slider->upperValue(), slider->lowerPosition(), slider->upperPosition()}; }
};

} // namespace

class tst_ZelSpanSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void commitOrdersAndBounds()
    {
        // From the span (10, 20) in [0, 99]: setter, a, b, span, emitted.
        for (const auto &[setter, a, b, span, emitted] : QList<std::tuple<QString, int, int, QList<int>, QStringList>>{
                 {"lower", 30, 0, {20, 30}, {"lower(20)", "upper(30)", "span(20,30)"}},
                 {"range", 0, 15, {10, 15}, {"upper(15)", "span(10,15)"}}}) {
            Shown sh(Qt::Horizontal, 10, 20);
            ZelSpanSlider *s = sh.slider.get();
            const bool lower = setter == QLatin1String("lower");
            lower ? s->setLowerValue(a) : s->setRange(a, b);
            QCOMPARE(sh.log.take(), emitted);
            QCOMPARE(sh.state(), span + span);
            // Repeating commits nothing; nor does a mode change (it governs later movements).
            lower ? s->setSpan(span[0], span[1]) : s->setRange(a, b);
            QVERIFY(s->setProperty("handleMovementMode", QVariant::fromValue(NoOver)));
            QCOMPARE(sh.log.take(), QStringList());
            QCOMPARE(sh.state(), span + span);
        }
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("setup"); // orientation and inverted flag
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QList<int>>("span");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("spans"); // each commit; the handles end at the last

        const int L = Qt::Key_Left, R = Qt::Key_Right, U = Qt::Key_Up, D = Qt::Key_Down;
        const QList<int> s10{10, 20}, s20{20, 20};
        // Along the slider the main (lower) handle, across it the other one.
        QTest::newRow("along, across") << "h" << Free << s10 << QList{R, D} << QStringList{"(11,20)", "(11,19)"};
        QTest::newRow("vertical") << "v" << Free << s10 << QList{U, R} << QStringList{"(11,20)", "(11,21)"};
        QTest::newRow("inverted appearance") << "h appearance" << Free << s10 << QList{L, D}
                                             << QStringList{"(11,20)", "(11,19)"};
        QTest::newRow("inverted controls") << "h controls" << Free << s10 << QList{R, U}
                                           << QStringList{"(11,20)", "(11,19)"};
        QTest::newRow("no overlapping stops") << "h" << NoOver << QList{19, 20} << QList{R, D} << QStringList{};
        QTest::newRow("no crossing stops at") << "h" << NoCross << QList{19, 20} << QList{R, R}
                                              << QStringList{"(20,20)"};
        // A step over the other handle leaves that one where it stands.
        QTest::newRow("free crossing by a step of 5") << "h step5" << Free << QList{18, 20} << QList{R}
                                                      << QStringList{"(20,23)"};
        // Crossing makes the lower handle the upper and main one: Right moves it on; Home and End keep to theirs.
        QTest::newRow("free crossing, home, end") << "h" << Free << s20 << QList<int>{R, R, Qt::Key_Home, Qt::Key_End}
                                                  << QStringList{"(20,21)", "(20,22)", "(0,22)", "(0,99)"};
    }
    void keyboard()
    {
        QFETCH(QString, setup);
        QFETCH(Mode, mode);
        QFETCH(QList<int>, span);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, spans);

        Shown sh(setup.startsWith('v') ? Qt::Vertical : Qt::Horizontal, span[0], span[1]);
        ZelSpanSlider *s = sh.slider.get();
        s->setHandleMovementMode(mode);
        s->setInvertedAppearance(setup.endsWith(QLatin1String("appearance")));
        s->setInvertedControls(setup.endsWith(QLatin1String("controls")));
        s->setSingleStep(setup.endsWith(QLatin1String("step5")) ? 5 : 1);
        for (int key : keys)
            QTest::keyClick(s, Qt::Key(key));

        // Keys always commit: values and positions stand at the last span.
        QCOMPARE(sh.log.take().filter(QStringLiteral("span")).replaceInStrings(QStringLiteral("span"), QString()), spans);
        const QString last = spans.isEmpty() ? QStringLiteral("(%1,%2)").arg(span[0]).arg(span[1]) : spans.last();
        QCOMPARE(QStringLiteral("(%1,%2)").arg(s->lowerValue()).arg(s->upperValue()), last);
        QCOMPARE(QStringLiteral("(%1,%2)").arg(s->lowerPosition()).arg(s->upperPosition()), last);
    }

    void mouseDragByMode()
    {
        // From the span (20, 40): orientation, mode, handle, target, span.
        const Qt::Orientation h = Qt::Horizontal;
        using Case = std::tuple<Qt::Orientation, Mode, Handle, int, QList<int>>;
        for (const auto &[orientation, mode, handle, target, span] : QList<Case>{
                 {h, Free, Lower, 60, {40, 60}}, {h, Free, Upper, 5, {5, 20}}, {h, NoCross, Lower, 60, {40, 40}},
                 {h, NoOver, Upper, 5, {20, 21}}, {Qt::Vertical, NoOver, Lower, 60, {39, 40}}}) {
            Shown sh(orientation, 20, 40);
            ZelSpanSlider *s = sh.slider.get();
            s->setHandleMovementMode(mode);
            QTest::mousePress(s, Qt::LeftButton, {}, sh.on(handle));
            QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(" + str(handle) + ')'}));
            QVERIFY(s->isAnyHandlePressedNow());
            QTest::mouseMove(s, sh.at(handle, target));
            QCOMPARE(sh.state(), span + span);
            QTest::mouseRelease(s, Qt::LeftButton, {}, sh.at(handle, target));
            QVERIFY(!s->isAnyHandlePressedNow() && !s->isSliderDown());
            QCOMPARE(sh.state(), span + span);
        }
    }

    void dragSignalOrder()
    {
        Shown sh(Qt::Horizontal, 20, 40);
        ZelSpanSlider *s = sh.slider.get();
        // A move to where the handle already is emits nothing.
        QTest::mousePress(s, Qt::LeftButton, {}, sh.on(Lower));
        for (int v : {25, 25, 27})
            QTest::mouseMove(s, sh.at(Lower, v));
        QTest::mouseRelease(s, Qt::LeftButton, {}, sh.at(Lower, 27));
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(lower)", "lpos(25)", "lower(25)", "span(25,40)",
                                             "lpos(27)", "lower(27)", "span(27,40)", "up"}));
    }

    void stackedHandles()
    {
        for (const auto &[target, emitted] : QList<std::pair<int, QStringList>>{
                 {60, {"upos(60)", "upper(60)", "span(50,60)"}}, {40, {"lpos(40)", "lower(40)", "span(40,50)"}}}) {
            Shown sh(Qt::Horizontal, 50, 50);
            ZelSpanSlider *s = sh.slider.get();
            QCOMPARE(s->lowerHandleRect(), s->upperHandleRect());
            // The upper handle is taken; the first movement decides which one moves.
            QTest::mousePress(s, Qt::LeftButton, {}, sh.on(Upper));
            QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(upper)"}));
            QTest::mouseMove(s, sh.at(Upper, target));
            QCOMPARE(sh.log.take(), emitted);
            // Going back does not exchange the handles again.
            QTest::mouseMove(s, sh.at(Upper, 50));
            QTest::mouseRelease(s, Qt::LeftButton, {}, sh.at(Upper, 50));
            QCOMPARE(sh.state(), (QList<int>{50, 50, 50, 50}));
        }
    }

    void dragTooFarOffSnapsBack()
    {
        ShortLeashStyle leash; // a drag may leave the widget by 10 pixels
        Shown sh(Qt::Horizontal, 20, 40);
        ZelSpanSlider *s = sh.slider.get();
        s->setStyle(&leash);
        QTest::mousePress(s, Qt::LeftButton, {}, sh.on(Upper));
        const int x = sh.at(Upper, 60).x(), bottom = s->height() - 1;
        QList<int> upper;
        for (const QPoint &to : {QPoint(x, 5), QPoint(x, -10), QPoint(x, -11), QPoint(x, bottom + 10),
                                 QPoint(x, bottom + 11), QPoint(s->width() + 11, 5)}) {
            QTest::mouseMove(s, to);
            upper << s->upperValue();
        }
        // Beyond the leash the handle is back at its value of the press.
        QCOMPARE(upper, (QList<int>{60, 60, 40, 60, 40, 40}));
        QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(x, -11));
        QCOMPARE(sh.state(), (QList<int>{20, 40, 20, 40}));
    }

    void pressesTheSliderLeavesToItsParent()
    {
        struct Parent : QWidget
        {
            int presses = 0;
            void mousePressEvent(QMouseEvent *) override { ++presses; }
        } parent;
        auto *s = new ZelSpanSlider(Qt::Horizontal, &parent);
        s->setRange(0, 99);
        s->setSpan(20, 40);
        s->resize(400, 30);
        parent.resize(s->size());
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        SignalLog log;
        watchSpanSlider(log, s);
        // Any single button takes a handle; a second button while it is held is not the slider's.
        QTest::mousePress(s, Qt::RightButton, {}, s->lowerHandleRect().center());
        QTest::mousePress(s, Qt::LeftButton, {}, s->upperHandleRect().center());
        QCOMPARE(log.take(), (QStringList{"down", "pressed(lower)"}));
        QCOMPARE(parent.presses, 1);
        QTest::mouseRelease(s, Qt::LeftButton, {}, s->upperHandleRect().center());
        QTest::mouseRelease(s, Qt::RightButton, {}, s->lowerHandleRect().center());
        log.take();
        // Nor is a press on an empty range.
        s->setRange(30, 30);
        log.take();
        QTest::mousePress(s, Qt::LeftButton, {}, s->upperHandleRect().center());
        QCOMPARE(log.take(), QStringList());
        QVERIFY(!s->isAnyHandlePressedNow());
        QCOMPARE(parent.presses, 2);
    }

    void trackingOff()
    {
        Shown sh(Qt::Horizontal, 10, 20);
        ZelSpanSlider *s = sh.slider.get();
        s->setTracking(false);

        // Only positions follow the mouse; the handle is drawn where it stands.
        QTest::mousePress(s, Qt::LeftButton, {}, sh.on(Upper));
        QTest::mouseMove(s, sh.at(Upper, 30));
        QCOMPARE(s->upperHandleRect(), handleRectAt(s, Upper, 30));
        QTest::mouseMove(s, sh.at(Upper, 35));
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(upper)", "upos(30)", "upos(35)"}));
        QCOMPARE(s->upperValue(), 20);
        QTest::mouseRelease(s, Qt::LeftButton, {}, sh.at(Upper, 35));
        QCOMPARE(sh.log.take(), (QStringList{"upper(35)", "span(10,35)", "up"}));

        // Keys commit at once even with tracking off.
        QTest::keyClick(s, Qt::Key_Right);
        QCOMPARE(sh.log.take(), (QStringList{"lower(11)", "span(11,35)"}));

        // Dragged past the other handle, the lower one becomes the upper; the other stays where it stands.
        QTest::mousePress(s, Qt::LeftButton, {}, sh.on(Lower));
        QTest::mouseMove(s, sh.at(Lower, 50));
        QTest::mouseRelease(s, Qt::LeftButton, {}, sh.at(Lower, 50));
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(lower)", "upos(50)", "lower(35)", "upper(50)",
                                             "span(35,50)", "up"}));
    }

    void paintsSpanBetweenHandles()
    {
        Shown sh(Qt::Horizontal);
        ZelSpanSlider *s = sh.slider.get();
        QPalette pal = s->palette();
        pal.setColor(QPalette::Highlight, QColor(220, 0, 0));
        s->setPalette(pal);
        // Whether the span's highlight shows half-way between two values.
        auto highlightBetween = [s, &sh](int a, int b, bool red = true) {
            const QImage image = s->grab().toImage();
            const QPointF p = QPointF(sh.at(Lower, a) + sh.at(Lower, b)) / 2 * image.devicePixelRatio();
            const QRgb c = image.pixel(p.toPoint());
            const int main = red ? qRed(c) : qBlue(c), other = red ? qBlue(c) : qRed(c);
            return main > qGreen(c) + 80 && main > other + 80;
        };
        s->setSpan(30, 70);
        QVERIFY(highlightBetween(30, 70));
        QVERIFY(!highlightBetween(90, 90));
        // A new highlight colour shows at the next paint.
        pal.setColor(QPalette::Highlight, QColor(0, 0, 220));
        s->setPalette(pal);
        QVERIFY(highlightBetween(30, 70, false));
    }

    void badInputStaysBounded()
    {
        const QList<std::tuple<int, int, QSize>> cases{
            {5, 5, {400, 30}}, {10, -10, {400, 30}}, {INT_MIN, INT_MAX, {400, 30}}, {0, 99, {0, 0}}};
        for (const auto &[min, max, size] : cases) {
            for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
                ZelSpanSlider s(orientation);
                s.resize(size);
                s.setRange(min, max);
                s.show();
                QVERIFY(size.isEmpty() || QTest::qWaitForWindowExposed(&s));
                const int lo = s.minimum(), hi = s.maximum();
                // Values stay in the range; positions are what they were set to (or bounded to int).
                auto check = [&](const char *what) {
                    const QList<int> v{lo, s.lowerValue(), s.upperValue(), hi};
                    QVERIFY2(std::is_sorted(v.begin(), v.end()), what);
                };
                using Setter = void (ZelSpanSlider::*)(int);
                for (Setter set : {&ZelSpanSlider::setLowerValue, &ZelSpanSlider::setUpperValue,
                                   &ZelSpanSlider::setLowerPosition, &ZelSpanSlider::setUpperPosition}) {
                    for (int v : {INT_MIN, -1, 0, 1, INT_MAX}) {
                        (s.*set)(v);
                        check("setter");
                        s.setSpan(v, -(v + 1));
                        check("setSpan");
                    }
                }
                for (int mode : {0, 1, 2, -1}) {
                    s.setHandleMovementMode(Mode(mode));
                    s.setSingleStep(mode == 0 ? 1 : INT_MAX);
                    s.setSpan(lo, hi);
                    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Home, Qt::Key_End}) {
                        QTest::keyClick(&s, key);
                        check("key");
                    }
                    // Drags to both ends and beyond the widget.
                    const QPoint press = s.upperHandleRect().center();
                    QTest::mousePress(&s, Qt::LeftButton, {}, press);
                    for (const QPoint &to : {QPoint(-1000, -1000), QPoint(5000, 5000), press}) {
                        QTest::mouseMove(&s, to);
                        check("drag");
                    }
                    QTest::mouseRelease(&s, Qt::LeftButton, {}, press);
                    check("release");
                }
                QVERIFY(size.isEmpty() || !s.grab().isNull());
            }
        }
    }
};

QTEST_MAIN(tst_ZelSpanSlider)
#include "tst_zelspanslider.moc"
