// The two-handle span slider: committing spans, the three movement modes by
// keyboard and by mouse, stacked handles, tracking off, range changes,
// painting, and values no setter may let out of the range.

#include "zelspan_testhelpers.h"

#include <ZelGui/ZelColoredSpanSlider.h>
#include <ZelGui/ZelSpanSlider.h>

#include <QApplication>
#include <QImage>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>

#include <climits>
#include <memory>

using namespace ZelSpanTest;
using Handle = ZelSpanSlider::SpanHandle;
using Mode = ZelSpanSlider::HandleMovementMode;

Q_DECLARE_METATYPE(ZelSpanSlider::SpanHandle)

namespace {

const Handle Lower = ZelSpanSlider::LowerHandle;
const Handle Upper = ZelSpanSlider::UpperHandle;
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
        watchSpanSlider(log, slider.get());
    }
    QPoint at(Handle h, int value) const { return handleRectAt(slider.get(), h, value).center(); }
    QPoint on(Handle h) const { return (h == Lower ? slider->lowerHandleRect() : slider->upperHandleRect()).center(); }
    // Values and positions, which stand together after every commit.
    QList<int> state() const
    {
        return {slider->lowerValue(), slider->upperValue(), slider->lowerPosition(), slider->upperPosition()};
    }
};

} // namespace

class tst_ZelSpanSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    // No case expects a warning.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // From the span (10, 20) in [0, 99]: one setter call.
    void commitOrdersAndBounds_data()
    {
        QTest::addColumn<QString>("setter");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QList<int>>("span");
        QTest::addColumn<QStringList>("emitted");

        QTest::newRow("lower past upper") << "lower" << 30 << 0 << QList{20, 30}
                                          << QStringList{"lower(20)", "upper(30)", "span(20,30)"};
        QTest::newRow("upper below lower") << "upper" << 3 << 0 << QList{3, 10}
                                           << QStringList{"lower(3)", "upper(10)", "span(3,10)"};
        QTest::newRow("same span") << "span" << 10 << 20 << QList{10, 20} << QStringList{};
        QTest::newRow("reversed pair") << "span" << 50 << 5 << QList{5, 50}
                                       << QStringList{"lower(5)", "upper(50)", "span(5,50)"};
        QTest::newRow("below minimum") << "lower" << -7 << 0 << QList{0, 20} << QStringList{"lower(0)", "span(0,20)"};
        QTest::newRow("above maximum") << "upper" << 500 << 0 << QList{10, 99} << QStringList{"upper(99)", "span(10,99)"};
        QTest::newRow("int ends") << "span" << INT_MAX << INT_MIN << QList{0, 99}
                                  << QStringList{"lower(0)", "upper(99)", "span(0,99)"};
        // A range change bounds the span in one commit.
        QTest::newRow("range narrowed") << "range" << 0 << 15 << QList{10, 15} << QStringList{"upper(15)", "span(10,15)"};
        QTest::newRow("range above span") << "range" << 30 << 99 << QList{30, 30}
                                          << QStringList{"lower(30)", "upper(30)", "span(30,30)"};
        QTest::newRow("range wider") << "range" << -100 << 1000 << QList{10, 20} << QStringList{};
        QTest::newRow("range empty") << "range" << 12 << 12 << QList{12, 12}
                                     << QStringList{"lower(12)", "upper(12)", "span(12,12)"};
    }
    void commitOrdersAndBounds()
    {
        QFETCH(QString, setter);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QList<int>, span);
        QFETCH(QStringList, emitted);

        Shown sh(Qt::Horizontal, 10, 20);
        ZelSpanSlider *s = sh.slider.get();
        const auto call = [&] {
            if (setter == QLatin1String("lower"))
                s->setLowerValue(a);
            else if (setter == QLatin1String("upper"))
                s->setUpperValue(a);
            else if (setter == QLatin1String("span"))
                s->setSpan(a, b);
            else
                s->setRange(a, b);
        };
        call();
        QCOMPARE(sh.log.take(), emitted);
        QCOMPARE(sh.state(), span + span);
        // The same span or range again commits nothing; nor does a mode change,
        // even one the span would not satisfy (it governs later movements only).
        setter.endsWith(QLatin1String("er")) ? s->setSpan(span[0], span[1]) : call();
        QVERIFY(s->setProperty("handleMovementMode", QVariant::fromValue(NoOver)));
        QCOMPARE(s->handleMovementMode(), NoOver);
        QCOMPARE(sh.log.take(), QStringList());
        QCOMPARE(sh.state(), span + span);
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("setup"); // orientation and inverted flag
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("span");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("spans"); // each commit; the handles end at the last

        const int L = Qt::Key_Left, R = Qt::Key_Right, U = Qt::Key_Up, D = Qt::Key_Down;
        const int Home = Qt::Key_Home, End = Qt::Key_End;
        const QList<int> s10{10, 20}, s20{20, 20};
        // Along the slider the main (lower) handle, across it the other one.
        QTest::newRow("along, across") << "h" << Free << 1 << s10 << QList{R, D} << QStringList{"(11,20)", "(11,19)"};
        QTest::newRow("vertical") << "v" << Free << 1 << s10 << QList{U, R} << QStringList{"(11,20)", "(11,21)"};
        QTest::newRow("inverted appearance") << "h appearance" << Free << 1 << s10 << QList{L, D}
                                             << QStringList{"(11,20)", "(11,19)"};
        QTest::newRow("inverted controls") << "h controls" << Free << 1 << s10 << QList{R, U}
                                           << QStringList{"(11,20)", "(11,19)"};
        QTest::newRow("step bounded") << "h" << Free << 5 << QList{2, 20} << QList{L} << QStringList{"(0,20)"};
        QTest::newRow("at minimum") << "h" << Free << 1 << QList{0, 20} << QList{L} << QStringList{};
        QTest::newRow("no overlapping stops") << "h" << NoOver << 1 << QList{19, 20} << QList{R, D} << QStringList{};
        QTest::newRow("no overlapping big step") << "h" << NoOver << 10 << QList{15, 20} << QList{R}
                                                 << QStringList{"(19,20)"};
        QTest::newRow("no crossing stops at") << "h" << NoCross << 1 << QList{19, 20} << QList{R, R}
                                              << QStringList{"(20,20)"};
        QTest::newRow("no crossing upper") << "h" << NoCross << 10 << QList{15, 20} << QList{D} << QStringList{"(15,15)"};
        // The lower handle passing the upper one becomes the upper and the
        // main handle: the next Right moves it on.
        QTest::newRow("free crossing") << "h" << Free << 1 << s20 << QList{R, R} << QStringList{"(20,21)", "(20,22)"};
        // A step wider than the gap leaves the other handle where it stands.
        QTest::newRow("free jump over") << "h" << Free << 5 << QList{18, 20} << QList{R} << QStringList{"(20,23)"};
        QTest::newRow("free upper down over") << "h" << Free << 5 << QList{18, 20} << QList{D} << QStringList{"(15,18)"};
        // Home and End keep to their handles, also after the main one changed.
        QTest::newRow("home, end") << "h" << Free << 1 << s10 << QList{Home, End} << QStringList{"(0,20)", "(0,99)"};
        QTest::newRow("home after crossing") << "h" << Free << 1 << s20 << QList{R, Home, End}
                                             << QStringList{"(20,21)", "(0,21)", "(0,99)"};
    }
    void keyboard()
    {
        QFETCH(QString, setup);
        QFETCH(Mode, mode);
        QFETCH(int, step);
        QFETCH(QList<int>, span);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, spans);

        Shown sh(setup.startsWith('v') ? Qt::Vertical : Qt::Horizontal, span[0], span[1]);
        ZelSpanSlider *s = sh.slider.get();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        s->setHandleMovementMode(mode);
        s->setSingleStep(step);
        s->setInvertedAppearance(setup.endsWith(QLatin1String("appearance")));
        s->setInvertedControls(setup.endsWith(QLatin1String("controls")));
        for (int key : keys)
            QTest::keyClick(s, Qt::Key(key));

        // Keys always commit: values and positions stand at the last span.
        QCOMPARE(sh.log.take().filter(QStringLiteral("span")).replaceInStrings(QStringLiteral("span"), QString()), spans);
        const QString last = spans.isEmpty() ? QStringLiteral("(%1,%2)").arg(span[0]).arg(span[1]) : spans.last();
        QCOMPARE(QStringLiteral("(%1,%2)").arg(s->lowerValue()).arg(s->upperValue()), last);
        QCOMPARE(QStringLiteral("(%1,%2)").arg(s->lowerPosition()).arg(s->upperPosition()), last);
    }

    void keyboardIgnoresOtherKeys()
    {
        Shown sh(Qt::Horizontal, 10, 20);
        QVERIFY(QTest::qWaitForWindowExposed(sh.slider.get()));
        for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_A, Qt::Key_Right}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(sh.slider.get(), &press);
            QCOMPARE(press.isAccepted(), key == Qt::Key_Right);
        }
        QCOMPARE(sh.log.take(), (QStringList{"lower(11)", "span(11,20)"}));
    }

    void mouseDragByMode_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<Handle>("handle");
        QTest::addColumn<int>("target");
        QTest::addColumn<QList<int>>("span");

        // From the span (20, 40).
        for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
            const char *n = o == Qt::Horizontal ? "h" : "v";
            QTest::addRow("%s lower inside", n) << o << Free << Lower << 30 << QList{30, 40};
            QTest::addRow("%s upper inside", n) << o << NoOver << Upper << 25 << QList{20, 25};
            QTest::addRow("%s free lower over", n) << o << Free << Lower << 60 << QList{40, 60};
            QTest::addRow("%s free upper under", n) << o << Free << Upper << 5 << QList{5, 20};
            QTest::addRow("%s no crossing lower", n) << o << NoCross << Lower << 60 << QList{40, 40};
            QTest::addRow("%s no crossing upper", n) << o << NoCross << Upper << 5 << QList{20, 20};
            QTest::addRow("%s no overlapping lower", n) << o << NoOver << Lower << 60 << QList{39, 40};
            QTest::addRow("%s no overlapping upper", n) << o << NoOver << Upper << 5 << QList{20, 21};
            QTest::addRow("%s to the end", n) << o << Free << Upper << 99 << QList{20, 99};
        }
    }
    void mouseDragByMode()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(Mode, mode);
        QFETCH(Handle, handle);
        QFETCH(int, target);
        QFETCH(QList<int>, span);

        Shown sh(orientation, 20, 40);
        ZelSpanSlider *s = sh.slider.get();
        QVERIFY(QTest::qWaitForWindowExposed(s));
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

    void dragSignalOrder()
    {
        Shown sh(Qt::Horizontal, 20, 40);
        ZelSpanSlider *s = sh.slider.get();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        // A move to where the handle already is emits nothing.
        QTest::mousePress(s, Qt::LeftButton, {}, sh.on(Lower));
        for (int v : {25, 25, 27})
            QTest::mouseMove(s, sh.at(Lower, v));
        QTest::mouseRelease(s, Qt::LeftButton, {}, sh.at(Lower, 27));
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(lower)", "lpos(25)", "lower(25)", "span(25,40)",
                                             "lpos(27)", "lower(27)", "span(27,40)", "up"}));
    }

    void stackedHandles_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<int>("target");
        QTest::addColumn<QStringList>("emitted");
        for (Mode mode : {Free, NoCross}) {
            const char *name = mode == Free ? "free" : "no crossing";
            QTest::addRow("%s right", name) << mode << 60 << QStringList{"upos(60)", "upper(60)", "span(50,60)"};
            QTest::addRow("%s left", name) << mode << 40 << QStringList{"lpos(40)", "lower(40)", "span(40,50)"};
        }
    }
    void stackedHandles()
    {
        QFETCH(Mode, mode);
        QFETCH(int, target);
        QFETCH(QStringList, emitted);

        Shown sh(Qt::Horizontal, 50, 50);
        ZelSpanSlider *s = sh.slider.get();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        s->setHandleMovementMode(mode);
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

    void trackingOff()
    {
        Shown sh(Qt::Horizontal, 10, 20);
        ZelSpanSlider *s = sh.slider.get();
        QVERIFY(QTest::qWaitForWindowExposed(s));
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

        // A drag that ends where it began commits nothing.
        QTest::mousePress(s, Qt::LeftButton, {}, sh.on(Lower));
        QTest::mouseMove(s, sh.at(Lower, 15));
        QTest::mouseMove(s, sh.at(Lower, 11));
        QTest::mouseRelease(s, Qt::LeftButton, {}, sh.at(Lower, 11));
        QCOMPARE(sh.log.take(), (QStringList{"down", "pressed(lower)", "lpos(15)", "lpos(11)", "up"}));

        // Dragged over the upper handle: the handles exchange their roles, the
        // one that stood still is drawn where it stood, one commit on release.
        s->setSpan(10, 20);
        sh.log.take();
        QTest::mousePress(s, Qt::LeftButton, {}, sh.on(Lower));
        QTest::mouseMove(s, sh.at(Lower, 30));
        QTest::mouseMove(s, sh.at(Lower, 32));
        QCOMPARE(s->lowerValue(), 10);
        QCOMPARE(s->lowerHandleRect(), handleRectAt(s, Lower, 20));
        QTest::mouseRelease(s, Qt::LeftButton, {}, sh.at(Lower, 32));
        QCOMPARE(sh.log.take().filter(QStringLiteral("span")), QStringList{"span(20,32)"});
        QCOMPARE(s->upperValue(), 32);
    }

    void pressesThatTakeNothing()
    {
        Shown sh(Qt::Horizontal, 20, 40);
        ZelSpanSlider *s = sh.slider.get();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        // On the groove, away from both handles, and then dragged.
        const QPoint groove = sh.at(Lower, 80);
        QVERIFY(!s->lowerHandleRect().contains(groove) && !s->upperHandleRect().contains(groove));
        QTest::mousePress(s, Qt::LeftButton, {}, groove);
        QVERIFY(!s->isAnyHandlePressedNow());
        QTest::mouseMove(s, sh.at(Lower, 60));
        QTest::mouseRelease(s, Qt::LeftButton, {}, sh.at(Lower, 60));
        // A second button while the first is held.
        QTest::mousePress(s, Qt::LeftButton, {}, groove);
        QTest::mousePress(s, Qt::RightButton, {}, sh.on(Lower));
        QVERIFY(!s->isAnyHandlePressedNow());
        QTest::mouseRelease(s, Qt::RightButton, {}, sh.on(Lower));
        QTest::mouseRelease(s, Qt::LeftButton, {}, groove);
        QCOMPARE(sh.state(), (QList<int>{20, 40, 20, 40}));

        // An empty range takes no press at all.
        s->setRange(40, 40);
        sh.log.take();
        QTest::mousePress(s, Qt::LeftButton, {}, sh.on(Lower));
        QVERIFY(!s->isAnyHandlePressedNow());
        QTest::mouseRelease(s, Qt::LeftButton, {}, sh.on(Lower));
        QCOMPARE(sh.log.take().filter(QStringLiteral("pressed")), QStringList());
    }

    void dragTooFarAwaySnapsBack()
    {
        ShortLeashStyle style;
        Shown sh(Qt::Horizontal, 20, 80);
        ZelSpanSlider *s = sh.slider.get();
        s->setStyle(&style);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        QTest::mousePress(s, Qt::LeftButton, {}, sh.on(Lower));
        const QPoint at50 = sh.at(Lower, 50);
        QTest::mouseMove(s, at50);
        QTest::mouseMove(s, QPoint(at50.x(), s->height() + 5)); // within the leash
        QCOMPARE(s->lowerValue(), 50);
        QTest::mouseMove(s, QPoint(at50.x(), s->height() + 40)); // back to where it was pressed
        QCOMPARE(s->lowerValue(), 20);
        QTest::mouseMove(s, at50);
        QTest::mouseRelease(s, Qt::LeftButton, {}, at50);
        QCOMPARE(s->lowerValue(), 50);
        s->setStyle(nullptr);
    }

    void paintsSpanBetweenHandles_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::newRow("horizontal") << Qt::Horizontal;
        QTest::newRow("vertical") << Qt::Vertical;
    }
    void paintsSpanBetweenHandles()
    {
        QFETCH(Qt::Orientation, orientation);
        Shown sh(orientation);
        ZelSpanSlider *s = sh.slider.get();
        QPalette pal = s->palette();
        pal.setColor(QPalette::Highlight, QColor(220, 0, 0));
        s->setPalette(pal);
        QVERIFY(QTest::qWaitForWindowExposed(s));

        // Whether the span's red shows half-way between two values.
        auto redBetween = [s, &sh](int a, int b) {
            const QImage image = s->grab().toImage();
            const QPointF p = QPointF(sh.at(Lower, a) + sh.at(Lower, b)) / 2 * image.devicePixelRatio();
            const QRgb c = image.pixel(p.toPoint());
            return qRed(c) > qGreen(c) + 80 && qRed(c) > qBlue(c) + 80;
        };
        s->setSpan(30, 70);
        QVERIFY(redBetween(30, 70));
        QVERIFY(!redBetween(90, 90));
        // The span follows the handles.
        s->setSpan(80, 95);
        QVERIFY(!redBetween(30, 70));
        QVERIFY(redBetween(80, 95));
    }

    void coloredSpanSlider()
    {
        ZelColoredSpanSlider s(nullptr);
        QCOMPARE(s.orientation(), Qt::Horizontal);
        QCOMPARE(s.metaObject()->superClass(), &ZelSpanSlider::staticMetaObject);
    }

    void badInputStaysBounded_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QSize>("size");
        QTest::newRow("empty range") << 5 << 5 << QSize(400, 30);
        QTest::newRow("minimum above maximum") << 10 << -10 << QSize(400, 30);
        QTest::newRow("whole int") << INT_MIN << INT_MAX << QSize(400, 30);
        QTest::newRow("top of int") << INT_MAX - 3 << INT_MAX << QSize(400, 30);
        QTest::newRow("bottom of int") << INT_MIN << INT_MIN + 3 << QSize(400, 30);
        QTest::newRow("zero size") << 0 << 99 << QSize(0, 0);
    }
    void badInputStaysBounded()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QSize, size);

        for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
            ZelSpanSlider s(orientation);
            s.resize(size);
            s.setRange(min, max);
            s.show();
            QVERIFY(size.isEmpty() || QTest::qWaitForWindowExposed(&s));
            const int lo = s.minimum(), hi = s.maximum();
            auto check = [&](const char *what) {
                QVERIFY2(lo <= s.lowerValue() && s.lowerValue() <= s.upperValue() && s.upperValue() <= hi
                             && lo <= s.lowerPosition() && s.lowerPosition() <= hi && lo <= s.upperPosition()
                             && s.upperPosition() <= hi,
                         what);
            };
            using Setter = void (ZelSpanSlider::*)(int);
            for (Setter set : {&ZelSpanSlider::setLowerValue, &ZelSpanSlider::setUpperValue,
                               &ZelSpanSlider::setLowerPosition, &ZelSpanSlider::setUpperPosition}) {
                for (int v : {INT_MIN, INT_MIN + 1, -1, 0, 1, INT_MAX - 1, INT_MAX}) {
                    (s.*set)(v);
                    check("setter");
                    s.setSpan(v, -(v + 1));
                    check("setSpan");
                }
            }
            for (int mode : {0, 1, 2, -1, INT_MAX}) {
                s.setHandleMovementMode(Mode(mode));
                s.setSingleStep(mode == 0 ? 1 : INT_MAX);
                s.setSpan(lo, hi);
                for (Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                                    Qt::Key_Right, Qt::Key_Up}) {
                    QTest::keyClick(&s, key);
                    check("key");
                }
                // Drags to both ends and beyond the widget.
                const QPoint press = s.upperHandleRect().center();
                QTest::mousePress(&s, Qt::LeftButton, {}, press);
                for (const QPoint &to : {QPoint(-1000, -1000), QPoint(5000, 5000), QPoint(0, 0), press}) {
                    QTest::mouseMove(&s, to);
                    check("drag");
                }
                QTest::mouseRelease(&s, Qt::LeftButton, {}, press);
                check("release");
            }
            QVERIFY(size.isEmpty() || !s.grab().isNull());
        }
    }
};

QTEST_MAIN(tst_ZelSpanSlider)
#include "tst_zelspanslider.moc"
