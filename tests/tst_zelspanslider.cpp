// The two-handle span slider: committing spans, the three movement modes by
// keyboard and by mouse, stacked handles, tracking off, range changes,
// painting, and values no setter may let out of the range.

#include <ZelGui/ZelColoredSpanSlider.h>
#include <ZelGui/ZelSpanSlider.h>

#include <QApplication>
#include <QImage>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>

#include <climits>
#include <memory>

using Handle = ZelSpanSlider::SpanHandle;
using Mode = ZelSpanSlider::HandleMovementMode;

Q_DECLARE_METATYPE(ZelSpanSlider::SpanHandle)

namespace {

// Every signal of the slider as one line, in the order of emission.
class Recorder
{
public:
    explicit Recorder(ZelSpanSlider *slider)
    {
        QObject::connect(slider, &ZelSpanSlider::spanChanged, slider, [this](int l, int u) {
            log << QStringLiteral("spanChanged(%1,%2)").arg(l).arg(u);
        });
        QObject::connect(slider, &ZelSpanSlider::lowerValueChanged, slider,
                         [this](int v) { log << QStringLiteral("lowerValueChanged(%1)").arg(v); });
        QObject::connect(slider, &ZelSpanSlider::upperValueChanged, slider,
                         [this](int v) { log << QStringLiteral("upperValueChanged(%1)").arg(v); });
        QObject::connect(slider, &ZelSpanSlider::lowerPositionChanged, slider,
                         [this](int v) { log << QStringLiteral("lowerPositionChanged(%1)").arg(v); });
        QObject::connect(slider, &ZelSpanSlider::upperPositionChanged, slider,
                         [this](int v) { log << QStringLiteral("upperPositionChanged(%1)").arg(v); });
        QObject::connect(slider, &ZelSpanSlider::sliderPressed, slider, [this](ZelSpanSlider::SpanHandle h) {
            log << (h == ZelSpanSlider::LowerHandle ? QStringLiteral("pressed(lower)")
                                                    : QStringLiteral("pressed(upper)"));
        });
        QObject::connect(slider, &QAbstractSlider::sliderPressed, slider,
                         [this] { log << QStringLiteral("sliderPressed"); });
        QObject::connect(slider, &QAbstractSlider::sliderReleased, slider,
                         [this] { log << QStringLiteral("sliderReleased"); });
    }
    QStringList take()
    {
        QStringList result;
        result.swap(log);
        return result;
    }
    QStringList log;
};

// Where the style puts a handle standing at a value.
QRect handleRectAt(const ZelSpanSlider *slider, Handle handle, int value)
{
    QStyleOptionSlider opt;
    slider->initStyleOptionForBorders(&opt, handle);
    opt.sliderPosition = value;
    opt.sliderValue = value;
    return slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider);
}

QRect currentHandleRect(const ZelSpanSlider *slider, Handle handle)
{
    return handle == ZelSpanSlider::LowerHandle ? slider->lowerHandleRect() : slider->upperHandleRect();
}

// The point that carries a handle grabbed at its centre to a value.
QPoint dragPoint(const ZelSpanSlider *slider, Handle handle, int value)
{
    return handleRectAt(slider, handle, value).center();
}

struct Shown
{
    explicit Shown(Qt::Orientation orientation = Qt::Horizontal)
        : slider(std::make_unique<ZelSpanSlider>(orientation))
    {
        if (orientation == Qt::Horizontal)
            slider->resize(400, 30);
        else
            slider->resize(30, 400);
        slider->setRange(0, 99);
        slider->show();
    }
    std::unique_ptr<ZelSpanSlider> slider;
};

} // namespace

class tst_ZelSpanSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void commitOrdersAndBounds_data();
    void commitOrdersAndBounds();
    void rangeChangeBoundsSpan_data();
    void rangeChangeBoundsSpan();
    void modeChangeKeepsSpan();

    void keyboard_data();
    void keyboard();
    void keyboardIgnoresOtherKeys();

    void mouseDragByMode_data();
    void mouseDragByMode();
    void dragSignalOrder();
    void stackedHandles_data();
    void stackedHandles();
    void trackingOff();
    void trackingOffCrossing();
    void pressesThatTakeNothing();
    void dragTooFarAwaySnapsBack();

    void paintsSpanBetweenHandles_data();
    void paintsSpanBetweenHandles();
    void coloredSpanSliderIsHorizontalSpanSlider();

    void badInputStaysBounded_data();
    void badInputStaysBounded();
};

void tst_ZelSpanSlider::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_ZelSpanSlider::init()
{
    // No case expects a warning.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

// Initial span (10, 20) in [0, 99]; one setter call.
void tst_ZelSpanSlider::commitOrdersAndBounds_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<QStringList>("emitted");

    QTest::newRow("lower past upper") << "lower" << 30 << 0 << 20 << 30
                                      << QStringList{"lowerValueChanged(20)", "upperValueChanged(30)",
                                                     "spanChanged(20,30)"};
    QTest::newRow("lower only") << "lower" << 12 << 0 << 12 << 20
                                << QStringList{"lowerValueChanged(12)", "spanChanged(12,20)"};
    QTest::newRow("upper only") << "upper" << 40 << 0 << 10 << 40
                                << QStringList{"upperValueChanged(40)", "spanChanged(10,40)"};
    QTest::newRow("upper below lower") << "upper" << 3 << 0 << 3 << 10
                                       << QStringList{"lowerValueChanged(3)", "upperValueChanged(10)",
                                                      "spanChanged(3,10)"};
    QTest::newRow("same span") << "span" << 10 << 20 << 10 << 20 << QStringList{};
    QTest::newRow("reversed pair") << "span" << 50 << 5 << 5 << 50
                                   << QStringList{"lowerValueChanged(5)", "upperValueChanged(50)",
                                                  "spanChanged(5,50)"};
    QTest::newRow("below minimum") << "span" << -5 << 15 << 0 << 15
                                   << QStringList{"lowerValueChanged(0)", "upperValueChanged(15)",
                                                  "spanChanged(0,15)"};
    QTest::newRow("above maximum") << "upper" << 500 << 0 << 10 << 99
                                   << QStringList{"upperValueChanged(99)", "spanChanged(10,99)"};
    QTest::newRow("both outside") << "span" << INT_MAX << INT_MIN << 0 << 99
                                  << QStringList{"lowerValueChanged(0)", "upperValueChanged(99)",
                                                 "spanChanged(0,99)"};
    QTest::newRow("bounded to same") << "lower" << -7 << 0 << 0 << 20
                                     << QStringList{"lowerValueChanged(0)", "spanChanged(0,20)"};
}

void tst_ZelSpanSlider::commitOrdersAndBounds()
{
    QFETCH(QString, setter);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(QStringList, emitted);

    Shown shown;
    ZelSpanSlider *s = shown.slider.get();
    s->setSpan(10, 20);
    Recorder rec(s);
    QSignalSpy spans(s, &ZelSpanSlider::spanChanged);

    if (setter == QLatin1String("lower"))
        s->setLowerValue(a);
    else if (setter == QLatin1String("upper"))
        s->setUpperValue(a);
    else
        s->setSpan(a, b);

    QCOMPARE(rec.take(), emitted);
    QCOMPARE(s->lowerValue(), lower);
    QCOMPARE(s->upperValue(), upper);
    // A commit moves the handles with the values.
    QCOMPARE(s->lowerPosition(), lower);
    QCOMPARE(s->upperPosition(), upper);
    QCOMPARE(s->property("lowerValue").toInt(), lower);
    QCOMPARE(s->property("upperValue").toInt(), upper);
    if (!spans.isEmpty())
        QCOMPARE(spans.constLast(), (QVariantList{lower, upper}));

    // The same call again commits nothing.
    if (setter == QLatin1String("span"))
        s->setSpan(a, b);
    else
        s->setSpan(lower, upper);
    QVERIFY(rec.take().isEmpty());
}

void tst_ZelSpanSlider::rangeChangeBoundsSpan_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<QStringList>("emitted");

    QTest::newRow("narrow top") << 0 << 8 << 5 << 8
                                << QStringList{"upperValueChanged(8)", "spanChanged(5,8)"};
    QTest::newRow("narrow bottom") << 7 << 99 << 7 << 20
                                   << QStringList{"lowerValueChanged(7)", "spanChanged(7,20)"};
    QTest::newRow("above span") << 30 << 99 << 30 << 30
                                << QStringList{"lowerValueChanged(30)", "upperValueChanged(30)",
                                               "spanChanged(30,30)"};
    QTest::newRow("wider") << -100 << 1000 << 5 << 20 << QStringList{};
    QTest::newRow("empty") << 12 << 12 << 12 << 12
                           << QStringList{"lowerValueChanged(12)", "upperValueChanged(12)",
                                          "spanChanged(12,12)"};
}

void tst_ZelSpanSlider::rangeChangeBoundsSpan()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(QStringList, emitted);

    Shown shown;
    ZelSpanSlider *s = shown.slider.get();
    s->setSpan(5, 20);
    Recorder rec(s);

    s->setRange(min, max);
    QCOMPARE(rec.take(), emitted);
    QCOMPARE(s->lowerValue(), lower);
    QCOMPARE(s->upperValue(), upper);
    QCOMPARE(s->lowerPosition(), lower);
    QCOMPARE(s->upperPosition(), upper);
}

void tst_ZelSpanSlider::modeChangeKeepsSpan()
{
    Shown shown;
    ZelSpanSlider *s = shown.slider.get();
    s->setSpan(30, 30);
    Recorder rec(s);
    // NoOverlapping would not allow this span, but a mode change only
    // governs later movements.
    s->setHandleMovementMode(ZelSpanSlider::NoOverlapping);
    QVERIFY(s->setProperty("handleMovementMode", QVariant::fromValue(ZelSpanSlider::NoOverlapping)));
    QCOMPARE(s->handleMovementMode(), ZelSpanSlider::NoOverlapping);
    QCOMPARE(s->lowerValue(), 30);
    QCOMPARE(s->upperValue(), 30);
    QVERIFY(rec.take().isEmpty());
}

void tst_ZelSpanSlider::keyboard_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("invertedAppearance");
    QTest::addColumn<bool>("invertedControls");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("expectedLower");
    QTest::addColumn<int>("expectedUpper");
    QTest::addColumn<QStringList>("emitted");

    const auto H = Qt::Horizontal;
    const auto V = Qt::Vertical;
    const Mode free = ZelSpanSlider::FreeMovement;
    const Mode noCross = ZelSpanSlider::NoCrossing;
    const Mode noOver = ZelSpanSlider::NoOverlapping;

    QTest::newRow("right moves lower") << H << free << 1 << false << false << 10 << 20 << QList<int>{Qt::Key_Right}
                                       << 11 << 20 << QStringList{"lowerValueChanged(11)", "spanChanged(11,20)"};
    QTest::newRow("left moves lower") << H << free << 1 << false << false << 10 << 20 << QList<int>{Qt::Key_Left}
                                      << 9 << 20 << QStringList{"lowerValueChanged(9)", "spanChanged(9,20)"};
    QTest::newRow("up moves upper") << H << free << 1 << false << false << 10 << 20 << QList<int>{Qt::Key_Up}
                                    << 10 << 21 << QStringList{"upperValueChanged(21)", "spanChanged(10,21)"};
    QTest::newRow("down moves upper") << H << free << 1 << false << false << 10 << 20 << QList<int>{Qt::Key_Down}
                                      << 10 << 19 << QStringList{"upperValueChanged(19)", "spanChanged(10,19)"};
    QTest::newRow("vertical up moves lower") << V << free << 1 << false << false << 10 << 20
                                             << QList<int>{Qt::Key_Up} << 11 << 20
                                             << QStringList{"lowerValueChanged(11)", "spanChanged(11,20)"};
    QTest::newRow("vertical right moves upper") << V << free << 1 << false << false << 10 << 20
                                                << QList<int>{Qt::Key_Right} << 10 << 21
                                                << QStringList{"upperValueChanged(21)", "spanChanged(10,21)"};
    QTest::newRow("inverted appearance") << H << free << 1 << true << false << 10 << 20
                                         << QList<int>{Qt::Key_Left} << 11 << 20
                                         << QStringList{"lowerValueChanged(11)", "spanChanged(11,20)"};
    QTest::newRow("inverted controls") << H << free << 1 << false << true << 10 << 20 << QList<int>{Qt::Key_Up}
                                       << 10 << 19 << QStringList{"upperValueChanged(19)", "spanChanged(10,19)"};
    QTest::newRow("single step") << H << free << 4 << false << false << 10 << 20 << QList<int>{Qt::Key_Right}
                                 << 14 << 20 << QStringList{"lowerValueChanged(14)", "spanChanged(14,20)"};
    QTest::newRow("step bounded") << H << free << 5 << false << false << 2 << 20 << QList<int>{Qt::Key_Left}
                                  << 0 << 20 << QStringList{"lowerValueChanged(0)", "spanChanged(0,20)"};
    QTest::newRow("at minimum") << H << free << 1 << false << false << 0 << 20 << QList<int>{Qt::Key_Left} << 0
                                << 20 << QStringList{};

    QTest::newRow("no overlapping stops before") << H << noOver << 1 << false << false << 19 << 20
                                                 << QList<int>{Qt::Key_Right} << 19 << 20 << QStringList{};
    QTest::newRow("no overlapping upper") << H << noOver << 1 << false << false << 19 << 20
                                          << QList<int>{Qt::Key_Down} << 19 << 20 << QStringList{};
    QTest::newRow("no overlapping big step") << H << noOver << 10 << false << false << 15 << 20
                                             << QList<int>{Qt::Key_Right} << 19 << 20
                                             << QStringList{"lowerValueChanged(19)", "spanChanged(19,20)"};
    QTest::newRow("no crossing stops at") << H << noCross << 1 << false << false << 19 << 20
                                          << QList<int>{Qt::Key_Right, Qt::Key_Right} << 20 << 20
                                          << QStringList{"lowerValueChanged(20)", "spanChanged(20,20)"};
    QTest::newRow("no crossing upper") << H << noCross << 10 << false << false << 15 << 20
                                       << QList<int>{Qt::Key_Down} << 15 << 15
                                       << QStringList{"upperValueChanged(15)", "spanChanged(15,15)"};

    // The lower handle passing the upper one becomes the upper handle and
    // the main one: the next Right moves it on.
    QTest::newRow("free crossing") << H << free << 1 << false << false << 20 << 20
                                   << QList<int>{Qt::Key_Right, Qt::Key_Right} << 20 << 22
                                   << QStringList{"upperValueChanged(21)", "spanChanged(20,21)",
                                                  "upperValueChanged(22)", "spanChanged(20,22)"};
    QTest::newRow("free crossing then across") << H << free << 1 << false << false << 20 << 20
                                               << QList<int>{Qt::Key_Right, Qt::Key_Up} << 21 << 21
                                               << QStringList{"upperValueChanged(21)", "spanChanged(20,21)",
                                                              "lowerValueChanged(21)", "spanChanged(21,21)"};
    // A step wider than the gap leaves the other handle where it stands.
    QTest::newRow("free jump over") << H << free << 5 << false << false << 18 << 20
                                    << QList<int>{Qt::Key_Right} << 20 << 23
                                    << QStringList{"lowerValueChanged(20)", "upperValueChanged(23)",
                                                   "spanChanged(20,23)"};
    QTest::newRow("free upper down over") << H << free << 5 << false << false << 18 << 20
                                          << QList<int>{Qt::Key_Down} << 15 << 18
                                          << QStringList{"lowerValueChanged(15)", "upperValueChanged(18)",
                                                         "spanChanged(15,18)"};

    QTest::newRow("home and end") << H << free << 1 << false << false << 10 << 20
                                  << QList<int>{Qt::Key_Home, Qt::Key_End} << 0 << 99
                                  << QStringList{"lowerValueChanged(0)", "spanChanged(0,20)",
                                                 "upperValueChanged(99)", "spanChanged(0,99)"};
    // Home and End keep to their handles after the main handle changed.
    QTest::newRow("home after crossing") << H << free << 1 << false << false << 20 << 20
                                         << QList<int>{Qt::Key_Right, Qt::Key_Home, Qt::Key_End} << 0 << 99
                                         << QStringList{"upperValueChanged(21)", "spanChanged(20,21)",
                                                        "lowerValueChanged(0)", "spanChanged(0,21)",
                                                        "upperValueChanged(99)", "spanChanged(0,99)"};
    QTest::newRow("home no crossing") << H << noCross << 1 << false << false << 10 << 20
                                      << QList<int>{Qt::Key_Home} << 0 << 20
                                      << QStringList{"lowerValueChanged(0)", "spanChanged(0,20)"};
}

void tst_ZelSpanSlider::keyboard()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(Mode, mode);
    QFETCH(int, step);
    QFETCH(bool, invertedAppearance);
    QFETCH(bool, invertedControls);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(QList<int>, keys);
    QFETCH(int, expectedLower);
    QFETCH(int, expectedUpper);
    QFETCH(QStringList, emitted);

    Shown shown(orientation);
    ZelSpanSlider *s = shown.slider.get();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    s->setHandleMovementMode(mode);
    s->setSingleStep(step);
    s->setInvertedAppearance(invertedAppearance);
    s->setInvertedControls(invertedControls);
    s->setSpan(lower, upper);
    Recorder rec(s);

    for (int key : keys)
        QTest::keyClick(s, Qt::Key(key));

    QCOMPARE(rec.take(), emitted);
    QCOMPARE(s->lowerValue(), expectedLower);
    QCOMPARE(s->upperValue(), expectedUpper);
    // Keys always commit: the handles stand at the values.
    QCOMPARE(s->lowerPosition(), expectedLower);
    QCOMPARE(s->upperPosition(), expectedUpper);
}

void tst_ZelSpanSlider::keyboardIgnoresOtherKeys()
{
    Shown shown;
    ZelSpanSlider *s = shown.slider.get();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    s->setSpan(10, 20);
    Recorder rec(s);
    for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_A, Qt::Key_Space}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(s, &press);
        QVERIFY2(!press.isAccepted(), qPrintable(QString::number(key)));
    }
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(s, &right);
    QVERIFY(right.isAccepted());
    QCOMPARE(rec.take(), (QStringList{"lowerValueChanged(11)", "spanChanged(11,20)"}));
}

void tst_ZelSpanSlider::mouseDragByMode_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<Handle>("handle");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("expectedLower");
    QTest::addColumn<int>("expectedUpper");

    const Mode free = ZelSpanSlider::FreeMovement;
    const Mode noCross = ZelSpanSlider::NoCrossing;
    const Mode noOver = ZelSpanSlider::NoOverlapping;
    const Handle lower = ZelSpanSlider::LowerHandle;
    const Handle upper = ZelSpanSlider::UpperHandle;

    // Start span (20, 40).
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        const char *name = o == Qt::Horizontal ? "h" : "v";
        QTest::addRow("%s lower inside", name) << o << free << lower << 30 << 30 << 40;
        QTest::addRow("%s upper inside", name) << o << noOver << upper << 25 << 20 << 25;
        QTest::addRow("%s free lower over", name) << o << free << lower << 60 << 40 << 60;
        QTest::addRow("%s free upper under", name) << o << free << upper << 5 << 5 << 20;
        QTest::addRow("%s no crossing lower", name) << o << noCross << lower << 60 << 40 << 40;
        QTest::addRow("%s no crossing upper", name) << o << noCross << upper << 5 << 20 << 20;
        QTest::addRow("%s no overlapping lower", name) << o << noOver << lower << 60 << 39 << 40;
        QTest::addRow("%s no overlapping upper", name) << o << noOver << upper << 5 << 20 << 21;
        QTest::addRow("%s to the end", name) << o << free << upper << 99 << 20 << 99;
    }
}

void tst_ZelSpanSlider::mouseDragByMode()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(Mode, mode);
    QFETCH(Handle, handle);
    QFETCH(int, target);
    QFETCH(int, expectedLower);
    QFETCH(int, expectedUpper);

    Shown shown(orientation);
    ZelSpanSlider *s = shown.slider.get();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    s->setHandleMovementMode(mode);
    s->setSpan(20, 40);
    QSignalSpy pressed(s, &ZelSpanSlider::sliderPressed);

    QTest::mousePress(s, Qt::LeftButton, {}, currentHandleRect(s, handle).center());
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).value<Handle>(), handle);
    QVERIFY(s->isAnyHandlePressedNow());
    QVERIFY(s->isSliderDown());

    QTest::mouseMove(s, dragPoint(s, handle, target));
    QCOMPARE(s->lowerValue(), expectedLower);
    QCOMPARE(s->upperValue(), expectedUpper);
    QTest::mouseRelease(s, Qt::LeftButton, {}, dragPoint(s, handle, target));
    QVERIFY(!s->isAnyHandlePressedNow());
    QVERIFY(!s->isSliderDown());
    QCOMPARE(s->lowerValue(), expectedLower);
    QCOMPARE(s->upperValue(), expectedUpper);
    QCOMPARE(s->lowerPosition(), expectedLower);
    QCOMPARE(s->upperPosition(), expectedUpper);
}

void tst_ZelSpanSlider::dragSignalOrder()
{
    Shown shown;
    ZelSpanSlider *s = shown.slider.get();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    s->setSpan(20, 40);
    Recorder rec(s);

    QTest::mousePress(s, Qt::LeftButton, {}, s->lowerHandleRect().center());
    QTest::mouseMove(s, dragPoint(s, ZelSpanSlider::LowerHandle, 25));
    QTest::mouseMove(s, dragPoint(s, ZelSpanSlider::LowerHandle, 25));
    QTest::mouseMove(s, dragPoint(s, ZelSpanSlider::LowerHandle, 27));
    QTest::mouseRelease(s, Qt::LeftButton, {}, dragPoint(s, ZelSpanSlider::LowerHandle, 27));

    QCOMPARE(rec.take(), (QStringList{"sliderPressed", "pressed(lower)", "lowerPositionChanged(25)",
                                      "lowerValueChanged(25)", "spanChanged(25,40)", "lowerPositionChanged(27)",
                                      "lowerValueChanged(27)", "spanChanged(27,40)", "sliderReleased"}));

    // Of two stacked handles the upper one is taken, whichever was last.
    s->setSpan(50, 50);
    rec.take();
    QTest::mousePress(s, Qt::LeftButton, {}, s->upperHandleRect().center());
    QCOMPARE(rec.take(), (QStringList{"sliderPressed", "pressed(upper)"}));
    QTest::mouseRelease(s, Qt::LeftButton, {}, s->upperHandleRect().center());
    QCOMPARE(rec.take(), (QStringList{"sliderReleased"}));
}

void tst_ZelSpanSlider::stackedHandles_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("expectedLower");
    QTest::addColumn<int>("expectedUpper");
    QTest::addColumn<QStringList>("emitted");

    for (Mode mode : {ZelSpanSlider::FreeMovement, ZelSpanSlider::NoCrossing}) {
        const char *name = mode == ZelSpanSlider::FreeMovement ? "free" : "no crossing";
        QTest::addRow("%s right", name) << mode << 60 << 50 << 60
                                        << QStringList{"upperPositionChanged(60)", "upperValueChanged(60)",
                                                       "spanChanged(50,60)"};
        QTest::addRow("%s left", name) << mode << 40 << 40 << 50
                                       << QStringList{"lowerPositionChanged(40)", "lowerValueChanged(40)",
                                                      "spanChanged(40,50)"};
    }
}

void tst_ZelSpanSlider::stackedHandles()
{
    QFETCH(Mode, mode);
    QFETCH(int, target);
    QFETCH(int, expectedLower);
    QFETCH(int, expectedUpper);
    QFETCH(QStringList, emitted);

    Shown shown;
    ZelSpanSlider *s = shown.slider.get();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    s->setHandleMovementMode(mode);
    s->setSpan(50, 50);
    QCOMPARE(s->lowerHandleRect(), s->upperHandleRect());
    Recorder rec(s);

    const QPoint press = s->upperHandleRect().center();
    QTest::mousePress(s, Qt::LeftButton, {}, press);
    QCOMPARE(rec.take(), (QStringList{"sliderPressed", "pressed(upper)"}));
    // Either handle, grabbed at its centre, follows the same points.
    QTest::mouseMove(s, dragPoint(s, ZelSpanSlider::UpperHandle, target));
    QCOMPARE(rec.take(), emitted);
    QCOMPARE(s->lowerValue(), expectedLower);
    QCOMPARE(s->upperValue(), expectedUpper);

    // Only the first movement decides: going back does not swap again.
    QTest::mouseMove(s, dragPoint(s, ZelSpanSlider::UpperHandle, 50));
    QTest::mouseRelease(s, Qt::LeftButton, {}, dragPoint(s, ZelSpanSlider::UpperHandle, 50));
    QCOMPARE(s->lowerValue(), 50);
    QCOMPARE(s->upperValue(), 50);
}

void tst_ZelSpanSlider::trackingOff()
{
    Shown shown;
    ZelSpanSlider *s = shown.slider.get();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    s->setTracking(false);
    s->setSpan(10, 20);
    Recorder rec(s);
    const Handle upper = ZelSpanSlider::UpperHandle;

    QTest::mousePress(s, Qt::LeftButton, {}, s->upperHandleRect().center());
    QTest::mouseMove(s, dragPoint(s, upper, 30));
    QCOMPARE(s->upperPosition(), 30);
    QCOMPARE(s->upperValue(), 20);
    // The handle is drawn where it stands, not at its value.
    QCOMPARE(s->upperHandleRect(), handleRectAt(s, upper, 30));
    QTest::mouseMove(s, dragPoint(s, upper, 35));
    QCOMPARE(rec.take(), (QStringList{"sliderPressed", "pressed(upper)", "upperPositionChanged(30)",
                                      "upperPositionChanged(35)"}));
    QCOMPARE(s->upperValue(), 20);

    QTest::mouseRelease(s, Qt::LeftButton, {}, dragPoint(s, upper, 35));
    QCOMPARE(rec.take(), (QStringList{"upperValueChanged(35)", "spanChanged(10,35)", "sliderReleased"}));
    QCOMPARE(s->lowerValue(), 10);
    QCOMPARE(s->upperValue(), 35);

    // Keys commit at once even with tracking off.
    QTest::keyClick(s, Qt::Key_Right);
    QCOMPARE(rec.take(), (QStringList{"lowerValueChanged(11)", "spanChanged(11,35)"}));

    // A drag that ends where it began commits nothing.
    QTest::mousePress(s, Qt::LeftButton, {}, s->lowerHandleRect().center());
    QTest::mouseMove(s, dragPoint(s, ZelSpanSlider::LowerHandle, 15));
    QTest::mouseMove(s, dragPoint(s, ZelSpanSlider::LowerHandle, 11));
    QTest::mouseRelease(s, Qt::LeftButton, {}, dragPoint(s, ZelSpanSlider::LowerHandle, 11));
    QCOMPARE(rec.take(), (QStringList{"sliderPressed", "pressed(lower)", "lowerPositionChanged(15)",
                                      "lowerPositionChanged(11)", "sliderReleased"}));
}

void tst_ZelSpanSlider::trackingOffCrossing()
{
    Shown shown;
    ZelSpanSlider *s = shown.slider.get();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    s->setTracking(false);
    s->setSpan(10, 20);
    QSignalSpy spans(s, &ZelSpanSlider::spanChanged);

    // The lower handle dragged over the upper one, in one jump and then on.
    QTest::mousePress(s, Qt::LeftButton, {}, s->lowerHandleRect().center());
    QTest::mouseMove(s, dragPoint(s, ZelSpanSlider::LowerHandle, 30));
    QTest::mouseMove(s, dragPoint(s, ZelSpanSlider::LowerHandle, 32));
    QVERIFY(spans.isEmpty());
    QCOMPARE(s->lowerValue(), 10);
    QCOMPARE(s->upperValue(), 20);
    // The handle that stood still is drawn where it stood.
    QCOMPARE(s->lowerHandleRect(), handleRectAt(s, ZelSpanSlider::LowerHandle, 20));
    QTest::mouseRelease(s, Qt::LeftButton, {}, dragPoint(s, ZelSpanSlider::LowerHandle, 32));

    QCOMPARE(s->lowerValue(), 20);
    QCOMPARE(s->upperValue(), 32);
    QCOMPARE(spans.count(), 1);
    QCOMPARE(spans.at(0), (QVariantList{20, 32}));
}

void tst_ZelSpanSlider::pressesThatTakeNothing()
{
    Shown shown;
    ZelSpanSlider *s = shown.slider.get();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    s->setSpan(20, 40);
    Recorder rec(s);

    // On the groove, away from both handles.
    const QPoint groove = handleRectAt(s, ZelSpanSlider::LowerHandle, 80).center();
    QVERIFY(!s->lowerHandleRect().contains(groove) && !s->upperHandleRect().contains(groove));
    QTest::mousePress(s, Qt::LeftButton, {}, groove);
    QVERIFY(!s->isAnyHandlePressedNow());
    QTest::mouseMove(s, dragPoint(s, ZelSpanSlider::LowerHandle, 60));
    QTest::mouseRelease(s, Qt::LeftButton, {}, dragPoint(s, ZelSpanSlider::LowerHandle, 60));
    QCOMPARE(s->lowerValue(), 20);
    QCOMPARE(s->upperValue(), 40);

    // A second button while the first is held.
    QTest::mousePress(s, Qt::LeftButton, {}, groove);
    QTest::mousePress(s, Qt::RightButton, {}, s->lowerHandleRect().center());
    QVERIFY(!s->isAnyHandlePressedNow());
    QTest::mouseRelease(s, Qt::RightButton, {}, s->lowerHandleRect().center());
    QTest::mouseRelease(s, Qt::LeftButton, {}, groove);

    // An empty range takes no press at all.
    s->setRange(40, 40);
    rec.take();
    QTest::mousePress(s, Qt::LeftButton, {}, s->lowerHandleRect().center());
    QVERIFY(!s->isAnyHandlePressedNow());
    QTest::mouseRelease(s, Qt::LeftButton, {}, s->lowerHandleRect().center());

    const QStringList log = rec.take();
    QVERIFY2(!log.contains(QStringLiteral("pressed(lower)")) && !log.contains(QStringLiteral("pressed(upper)")),
             qPrintable(log.join(QLatin1Char(' '))));
    QCOMPARE(s->lowerValue(), 40);
}

void tst_ZelSpanSlider::dragTooFarAwaySnapsBack()
{
    // A style that lets a drag wander only 10 pixels off the widget, as
    // some platform styles do.
    class ShortLeash : public QProxyStyle
    {
    public:
        using QProxyStyle::QProxyStyle;
        int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
        {
            if (metric == PM_MaximumDragDistance)
                return 10;
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    };
    ShortLeash style(QStyleFactory::create(QStringLiteral("Fusion")));

    Shown shown;
    ZelSpanSlider *s = shown.slider.get();
    s->setStyle(&style);
    QVERIFY(QTest::qWaitForWindowExposed(s));
    s->setSpan(20, 80);

    QTest::mousePress(s, Qt::LeftButton, {}, s->lowerHandleRect().center());
    const QPoint at50 = dragPoint(s, ZelSpanSlider::LowerHandle, 50);
    QTest::mouseMove(s, at50);
    QCOMPARE(s->lowerValue(), 50);
    // Within the leash the handle still follows.
    QTest::mouseMove(s, QPoint(at50.x(), s->height() + 5));
    QCOMPARE(s->lowerValue(), 50);
    // Beyond it the handle goes back to where it was pressed.
    QTest::mouseMove(s, QPoint(at50.x(), s->height() + 40));
    QCOMPARE(s->lowerValue(), 20);
    QTest::mouseMove(s, at50);
    QCOMPARE(s->lowerValue(), 50);
    QTest::mouseRelease(s, Qt::LeftButton, {}, at50);
    QCOMPARE(s->lowerValue(), 50);
    s->setStyle(nullptr);
}

void tst_ZelSpanSlider::paintsSpanBetweenHandles_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::newRow("horizontal") << Qt::Horizontal;
    QTest::newRow("vertical") << Qt::Vertical;
}

void tst_ZelSpanSlider::paintsSpanBetweenHandles()
{
    QFETCH(Qt::Orientation, orientation);

    Shown shown(orientation);
    ZelSpanSlider *s = shown.slider.get();
    QPalette pal = s->palette();
    pal.setColor(QPalette::Highlight, QColor(220, 0, 0));
    s->setPalette(pal);
    s->setSpan(30, 70);
    QVERIFY(QTest::qWaitForWindowExposed(s));

    auto reddish = [](QRgb c) { return qRed(c) > qGreen(c) + 80 && qRed(c) > qBlue(c) + 80; };
    const QPoint lowerCentre = s->lowerHandleRect().center();
    const QPoint upperCentre = s->upperHandleRect().center();
    const QPoint inside = (lowerCentre + upperCentre) / 2;
    const QPoint outside = orientation == Qt::Horizontal
        ? QPoint(handleRectAt(s, ZelSpanSlider::LowerHandle, 90).center().x(), inside.y())
        : QPoint(inside.x(), handleRectAt(s, ZelSpanSlider::LowerHandle, 90).center().y());

    QImage image = s->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    QVERIFY(reddish(image.pixel((QPointF(inside) * dpr).toPoint())));
    QVERIFY(!reddish(image.pixel((QPointF(outside) * dpr).toPoint())));

    // The span follows the handles.
    s->setSpan(80, 95);
    image = s->grab().toImage();
    QVERIFY(!reddish(image.pixel((QPointF(inside) * dpr).toPoint())));
    QVERIFY(reddish(image.pixel((QPointF((s->lowerHandleRect().center() + s->upperHandleRect().center()) / 2) * dpr)
                                    .toPoint())));
}

void tst_ZelSpanSlider::coloredSpanSliderIsHorizontalSpanSlider()
{
    QWidget parent;
    auto *s = new ZelColoredSpanSlider(&parent);
    QCOMPARE(s->parent(), &parent);
    QCOMPARE(s->orientation(), Qt::Horizontal);
    QVERIFY(qobject_cast<ZelSpanSlider *>(s));
    QCOMPARE(s->metaObject()->className(), "ZelColoredSpanSlider");
    s->setSpan(60, 20);
    QCOMPARE(s->lowerValue(), 20);
    QCOMPARE(s->upperValue(), 60);
}

void tst_ZelSpanSlider::badInputStaysBounded_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QSize>("size");

    QTest::newRow("default") << 0 << 99 << QSize(400, 30);
    QTest::newRow("empty range") << 5 << 5 << QSize(400, 30);
    QTest::newRow("minimum above maximum") << 10 << -10 << QSize(400, 30);
    QTest::newRow("whole int") << INT_MIN << INT_MAX << QSize(400, 30);
    QTest::newRow("top of int") << INT_MAX - 3 << INT_MAX << QSize(400, 30);
    QTest::newRow("bottom of int") << INT_MIN << INT_MIN + 3 << QSize(400, 30);
    QTest::newRow("zero size") << 0 << 99 << QSize(0, 0);
    QTest::newRow("tiny") << 0 << 99 << QSize(2, 2);
}

void tst_ZelSpanSlider::badInputStaysBounded()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QSize, size);

    const int values[] = {INT_MIN, INT_MIN + 1, -1, 0, 1, 50, INT_MAX - 1, INT_MAX};
    for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        ZelSpanSlider s(orientation);
        s.resize(size);
        s.setRange(min, max);
        s.show();
        if (!size.isEmpty())
            QVERIFY(QTest::qWaitForWindowExposed(&s));
        const int lo = s.minimum();
        const int hi = s.maximum();
        QVERIFY(lo <= hi);

        auto check = [&](const char *what) {
            const QByteArray where = QByteArray(what) + " at " + QByteArray::number(s.lowerValue()) + ","
                + QByteArray::number(s.upperValue());
            QVERIFY2(lo <= s.lowerValue() && s.lowerValue() <= s.upperValue() && s.upperValue() <= hi,
                     where.constData());
            QVERIFY2(lo <= s.lowerPosition() && s.lowerPosition() <= hi, where.constData());
            QVERIFY2(lo <= s.upperPosition() && s.upperPosition() <= hi, where.constData());
        };

        for (int v : values) {
            s.setLowerValue(v);
            check("setLowerValue");
            s.setUpperValue(v);
            check("setUpperValue");
            s.setSpan(v, -(v + 1));
            check("setSpan");
            s.setSpan(v, v);
            check("setSpan equal");
            s.setLowerPosition(v);
            check("setLowerPosition");
            s.setUpperPosition(v);
            check("setUpperPosition");
        }

        for (int mode : {0, 1, 2, -1, 3, INT_MAX}) {
            s.setHandleMovementMode(ZelSpanSlider::HandleMovementMode(mode));
            for (int step : {1, INT_MAX}) {
                s.setSingleStep(step);
                s.setSpan(lo, hi);
                for (Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Home,
                                    Qt::Key_End, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up}) {
                    QTest::keyClick(&s, key);
                    check("key");
                }
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
        if (!size.isEmpty())
            QVERIFY(!s.grab().isNull());
    }
}

QTEST_MAIN(tst_ZelSpanSlider)
#include "tst_zelspanslider.moc"
