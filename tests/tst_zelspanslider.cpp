// Span slider: commits, modes by key and mouse, stacking, tracking off, painting, bad input.

#include "zelspan_testhelpers.h"

#include <ZelGui/ZelSpanSlider.h>

#include <QApplication>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>

#include <climits>
#include <memory>
#include <tuple>

using namespace ZelSpanTest;
using Handle = ZelSpanSlider::SpanHandle;
using Mode = ZelSpanSlider::HandleMovementMode;

namespace {

const Handle Lower = ZelSpanSlider::LowerHandle, Upper = ZelSpanSlider::UpperHandle;
const Mode Free = ZelSpanSlider::FreeMovement, NoCross = ZelSpanSlider::NoCrossing, NoOver = ZelSpanSlider::NoOverlapping;

// A shown 400-pixel slider over [0, 99] with its signals logged.
struct Shown
{
    std::unique_ptr<ZelSpanSlider> slider;
    ZelSpanSlider *const s = slider.get();
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
    QList<int> state() const { return {slider->lowerValue(), slider->upperValue(), slider->lowerPosition(), slider->upperPosition()}; }
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
        Shown sh(Qt::Horizontal, 10, 20);
        // A lower value past the upper one: the handles exchange, each value is announced, then the span.
        sh.s->setLowerValue(30);
        QCOMPARE(sh.log.take(), (QStringList{"lower(20)", "upper(30)", "span(20,30)"}));
        QCOMPARE(sh.state(), (QList<int>{20, 30, 20, 30}));
        // Repeating commits nothing; nor does a mode change (it governs later movements).
        sh.s->setSpan(20, 30);
        sh.s->setHandleMovementMode(NoOver);
        QCOMPARE(sh.log.take(), QStringList());
        // A narrower range bounds the span.
        sh.s->setRange(0, 25);
        QCOMPARE(sh.log.take(), (QStringList{"upper(25)", "span(20,25)"}));
        QCOMPARE(sh.state(), (QList<int>{20, 25, 20, 25}));
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("setup"); // orientation and inverted flag
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QList<int>>("span");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("spans"); // each commit; the handles end at the last

        const int L = Qt::Key_Left, R = Qt::Key_Right, U = Qt::Key_Up, D = Qt::Key_Down;
        const QList<int> s10{10, 20}, s20{20, 20};
        // Along the slider the main (lower) handle, across it the other one.
        QTest::newRow("along, across") << "h" << Free << s10 << QList{R, D} << "(11,20) (11,19)";
        QTest::newRow("vertical") << "v" << Free << s10 << QList{U, R} << "(11,20) (11,21)";
        QTest::newRow("inverted appearance") << "h appearance" << Free << s10 << QList{L, D} << "(11,20) (11,19)";
        QTest::newRow("inverted controls") << "h controls" << Free << s10 << QList{R, U} << "(11,20) (11,19)";
        QTest::newRow("no overlapping stops") << "h" << NoOver << QList{19, 20} << QList{R, D} << "";
        QTest::newRow("no crossing stops at") << "h" << NoCross << QList{19, 20} << QList{R, R} << "(20,20)";
        // A step over the other handle leaves that one where it stands.
        QTest::newRow("free crossing by a step of 5") << "h step5" << Free << QList{18, 20} << QList{R} << "(20,23)";
        // Crossing makes the lower handle the upper and main one: Right moves it on; Home and End keep to theirs.
        QTest::newRow("free crossing, home, end")
            << "h" << Free << s20 << QList<int>{R, R, Qt::Key_Home, Qt::Key_End} << "(20,21) (20,22) (0,22) (0,99)";
        // Range over all of int, single step INT_MAX: the sums saturate instead of wrapping.
        QTest::newRow("int ends: free up") << "h int" << Free << QList{INT_MAX - 1, INT_MAX} << QList{R} << "(2147483647,2147483647)";
        QTest::newRow("int ends: free down") << "h int" << Free << QList{INT_MIN, INT_MIN + 1} << QList{D} << "(-2147483648,-2147483648)";
        QTest::newRow("int ends: no overlapping") << "h int" << NoOver << QList{INT_MIN, INT_MIN} << QList{R} << "";
    }
    void keyboard()
    {
        QFETCH(QString, setup);
        QFETCH(Mode, mode);
        QFETCH(QList<int>, span);
        QFETCH(QList<int>, keys);
        QFETCH(QString, spans);

        Shown sh(setup.startsWith('v') ? Qt::Vertical : Qt::Horizontal, span[0], span[1]);
        sh.s->setHandleMovementMode(mode);
        sh.s->setTracking(false); // keys commit at once all the same
        sh.s->setInvertedAppearance(setup.endsWith(QLatin1String("appearance")));
        sh.s->setInvertedControls(setup.endsWith(QLatin1String("controls")));
        sh.s->setSingleStep(setup.endsWith(QLatin1String("step5")) ? 5 : 1);
        if (setup.endsWith(QLatin1String("int"))) {
            sh.s->setRange(INT_MIN, INT_MAX);
            sh.s->setSpan(span[0], span[1]);
            sh.s->setSingleStep(INT_MAX);
            sh.log.take();
        }
        for (int key : keys)
            QTest::keyClick(sh.s, Qt::Key(key));

        // Keys always commit: values and positions stand at the last span.
        const QStringList commits = sh.log.take().filter(QStringLiteral("span"));
        QCOMPARE(QStringList(commits).replaceInStrings(QStringLiteral("span"), QString()).join(u' '), spans);
        const QString last = spans.isEmpty() ? QStringLiteral("(%1,%2)").arg(span[0]).arg(span[1]) : spans.section(u' ', -1);
        QCOMPARE(QStringLiteral("(%1,%2)").arg(sh.s->lowerValue()).arg(sh.s->upperValue()), last);
        QCOMPARE(QStringLiteral("(%1,%2)").arg(sh.s->lowerPosition()).arg(sh.s->upperPosition()), last);
    }

    void mouseDragByMode()
    {
        // From the span (20, 40): orientation, mode, handle, target, span.
        const Qt::Orientation h = Qt::Horizontal;
        using Case = std::tuple<Qt::Orientation, Mode, Handle, int, QList<int>>;
        for (const auto &[orientation, mode, handle, target, span] : QList<Case>{{h, Free, Lower, 60, {40, 60}},
                                                                                 {h, Free, Upper, 5, {5, 20}},
                                                                                 {h, NoCross, Lower, 60, {40, 40}},
                                                                                 {h, NoOver, Upper, 5, {20, 21}},
                                                                                 {Qt::Vertical, NoOver, Lower, 60, {39, 40}}}) {
            Shown sh(orientation, 20, 40);
            sh.s->setHandleMovementMode(mode);
            QTest::mousePress(sh.s, Qt::LeftButton, {}, sh.on(handle));
            QTest::mouseMove(sh.s, sh.at(handle, target));
            QCOMPARE(sh.state(), span + span);
            QTest::mouseRelease(sh.s, Qt::LeftButton, {}, sh.at(handle, target));
            QCOMPARE(sh.state(), span + span);
        }
    }

    void stackedHandles()
    {
        for (const auto &[target, emitted] : QList<std::pair<int, QStringList>>{{60, {"upos(60)", "upper(60)", "span(50,60)"}},
                                                                                {40, {"lpos(40)", "lower(40)", "span(40,50)"}}}) {
            Shown sh(Qt::Horizontal, 50, 50);
            // The upper handle is taken; the first movement decides which one moves.
            QTest::mousePress(sh.s, Qt::LeftButton, {}, sh.on(Upper));
            QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(upper)"}));
            // A second move to the same place emits nothing.
            QTest::mouseMove(sh.s, sh.at(Upper, target));
            QTest::mouseMove(sh.s, sh.at(Upper, target));
            QCOMPARE(sh.log.take(), emitted);
            // Going back does not exchange the handles again.
            QTest::mouseMove(sh.s, sh.at(Upper, 50));
            QTest::mouseRelease(sh.s, Qt::LeftButton, {}, sh.at(Upper, 50));
            QCOMPARE(sh.state(), (QList<int>{50, 50, 50, 50}));
        }
    }

    void dragTooFarOffSnapsBack()
    {
        ShortLeashStyle leash; // a drag may leave the widget by 10 pixels
        Shown sh(Qt::Horizontal, 20, 40);
        sh.s->setStyle(&leash);
        QTest::mousePress(sh.s, Qt::LeftButton, {}, sh.on(Upper));
        const int x = sh.at(Upper, 60).x(), bottom = sh.s->height() - 1;
        QList<int> upper;
        for (const QPoint &to : {QPoint(x, -10), QPoint(x, -11), QPoint(x, bottom + 10), QPoint(sh.s->width() + 11, 5)}) {
            QTest::mouseMove(sh.s, to);
            upper << sh.s->upperValue();
        }
        // Beyond the leash the handle is back at its value of the press.
        QCOMPARE(upper, (QList<int>{60, 40, 60, 40}));
        QTest::mouseRelease(sh.s, Qt::LeftButton, {}, QPoint(x, -11));
        QCOMPARE(sh.state(), (QList<int>{20, 40, 20, 40}));
    }

    void pressesTheSliderLeavesToItsParent()
    {
        Shown sh(Qt::Horizontal, 20, 40);
        // Any single button takes a handle; a second button while it is held is not the slider's.
        QTest::mousePress(sh.s, Qt::RightButton, {}, sh.on(Lower));
        const QPointF onUpper = sh.on(Upper);
        QMouseEvent second(QEvent::MouseButtonPress, onUpper, sh.s->mapToGlobal(onUpper), Qt::LeftButton, Qt::LeftButton | Qt::RightButton,
                           Qt::NoModifier);
        QApplication::sendEvent(sh.s, &second);
        QVERIFY(!second.isAccepted());
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(lower)"}));
        QTest::mouseRelease(sh.s, Qt::RightButton, {}, sh.on(Lower));
    }

    void trackingOff()
    {
        Shown sh(Qt::Horizontal, 10, 20);
        sh.s->setTracking(false);

        // Only positions follow the mouse; the handle is drawn where it stands.
        QTest::mousePress(sh.s, Qt::LeftButton, {}, sh.on(Upper));
        QTest::mouseMove(sh.s, sh.at(Upper, 30));
        QTest::mouseMove(sh.s, sh.at(Upper, 35));
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(upper)", "upos(30)", "upos(35)"}));
        QCOMPARE(sh.s->upperValue(), 20);
        QTest::mouseRelease(sh.s, Qt::LeftButton, {}, sh.at(Upper, 35));
        QCOMPARE(sh.log.take(), (QStringList{"upper(35)", "span(10,35)", "up"}));

        // Dragged past the other handle, the lower one becomes the upper; the other stays where it stands.
        QTest::mousePress(sh.s, Qt::LeftButton, {}, sh.on(Lower));
        QTest::mouseMove(sh.s, sh.at(Lower, 50));
        QTest::mouseRelease(sh.s, Qt::LeftButton, {}, sh.at(Lower, 50));
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(lower)", "upos(50)", "lower(35)", "upper(50)", "span(35,50)", "up"}));
    }
};

QTEST_MAIN(tst_ZelSpanSlider)
#include "tst_zelspanslider.moc"
