// Sliders and spin boxes that put another number behind the integer
// position: the real slider, the logarithmic sliders and the spin box
// subclasses.

#include "zelrange_testhelpers.h"

#include <ZelGui/ZelAngleSpinBox.h>
#include <ZelGui/ZelDoubleSlider.h>
#include <ZelGui/ZelLogSlider.h>
#include <ZelGui/ZelSliderLog.h>
#include <ZelGui/ZelSpinBox.h>

#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>

#include <cmath>
#include <limits>

using namespace ZelRangeTest;

namespace {

const double notANumber = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

QList<double> doubles(const QSignalSpy &spy)
{
    QList<double> values;
    for (const QList<QVariant> &arguments : spy)
        values.append(arguments.at(0).toDouble());
    return values;
}

} // namespace

class tst_ZelMappedSliders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void doubleSliderRange();
    void doubleSliderSetValue_data();
    void doubleSliderSetValue();
    void doubleSliderUserInput();
    void doubleSliderIgnoresStepsWithoutGrid();

    void sliderLogDecades();
    void sliderLogDrag();
    void sliderLogNonPositive_data();
    void sliderLogNonPositive();
    void sliderLogBaseOne();
    void sliderLogSetBaseKeepsExponents();

    void logSliderRange_data();
    void logSliderRange();
    void logSliderUserInput();
    void logSliderSetCurrentValue();
    void logSliderMappingsAreInverse();

    void angleSpinBoxNotation();
    void angleSpinBoxTyping_data();
    void angleSpinBoxTyping();
    void angleSpinBoxWraps();
    void spinBoxBehavesLikeQSpinBox();

    void badInputLeavesSlidersWorking();
};

void tst_ZelMappedSliders::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_ZelMappedSliders::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints).*")));
}

void tst_ZelMappedSliders::doubleSliderRange()
{
    ZelDoubleSlider slider;
    QCOMPARE(slider.QSlider::minimum(), 0);
    QCOMPARE(slider.QSlider::maximum(), 100);
    QCOMPARE(slider.value(), 0.0);
    QCOMPARE(slider.minimum(), 0.0);
    QCOMPARE(slider.maximum(), 100.0);
    QCOMPARE(slider.singleStep(), 1.0);

    slider.setRange(0.0, 1.0);
    slider.setSingleStep(0.1);
    QCOMPARE(slider.QSlider::maximum(), 10);
    QCOMPARE(slider.QSlider::singleStep(), 1);
    QCOMPARE(slider.pageStep(), 1);

    slider.setMinimum(-1.0);
    QCOMPARE(slider.QSlider::maximum(), 20);
    slider.setMaximum(0.0);
    QCOMPARE(slider.QSlider::maximum(), 10);
    // The value was clamped into the new range.
    QCOMPARE(slider.value(), 0.0);
}

void tst_ZelMappedSliders::doubleSliderSetValue_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("input");
    QTest::addColumn<int>("expectedPosition");
    QTest::addColumn<QList<double>>("expectedEmitted");
    QTest::addColumn<double>("expectedValue");

    QTest::newRow("lands on the grid") << 0.0 << 10.0 << 0.5 << 1.2 << 2 << QList<double>{1.0} << 1.0;
    QTest::newRow("above the maximum") << 0.0 << 100.0 << 1.0 << 150.0 << 100 << QList<double>{100.0} << 100.0;
    QTest::newRow("same position keeps the off-grid value") << 0.0 << 100.0 << 1.0 << 0.2 << 0 << QList<double>{} << 0.2;
    QTest::newRow("below the minimum") << 5.0 << 10.0 << 1.0 << -3.0 << 0 << QList<double>{} << 5.0;
    QTest::newRow("negative minimum") << -10.0 << 10.0 << 2.0 << 3.0 << 7 << QList<double>{4.0} << 4.0;
    QTest::newRow("infinity goes to the maximum") << 0.0 << 10.0 << 1.0 << inf << 10 << QList<double>{10.0} << 10.0;
}

void tst_ZelMappedSliders::doubleSliderSetValue()
{
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, step);
    QFETCH(double, input);
    QFETCH(int, expectedPosition);
    QFETCH(QList<double>, expectedEmitted);
    QFETCH(double, expectedValue);

    ZelDoubleSlider slider;
    slider.setSingleStep(step);
    slider.setRange(min, max);
    QSignalSpy spy(&slider, &ZelDoubleSlider::doubleValueChanged);

    slider.setValue(input);

    QCOMPARE(slider.sliderPosition(), expectedPosition);
    QCOMPARE(doubles(spy), expectedEmitted);
    QCOMPARE(slider.value(), expectedValue);
}

void tst_ZelMappedSliders::doubleSliderUserInput()
{
    ZelDoubleSlider slider;
    slider.setOrientation(Qt::Horizontal);
    slider.resize(300, 30);
    slider.setSingleStep(0.25);
    slider.setRange(1.0, 3.0);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QSignalSpy spy(&slider, &ZelDoubleSlider::doubleValueChanged);

    QTest::keyClick(&slider, Qt::Key_Right);
    QCOMPARE(doubles(spy), QList<double>{1.25});
    QTest::keyClick(&slider, Qt::Key_PageUp);
    QCOMPARE(slider.value(), 1.5);

    spy.clear();
    QVERIFY(dragThrough(&slider, {4, 8}));
    QCOMPARE(doubles(spy), (QList<double>{2.0, 3.0}));
    QCOMPARE(slider.value(), 3.0);
}

void tst_ZelMappedSliders::doubleSliderIgnoresStepsWithoutGrid()
{
    ZelDoubleSlider slider;
    slider.setSingleStep(0.5);
    for (double step : {0.0, -1.0, notANumber, inf})
        slider.setSingleStep(step);
    QCOMPARE(slider.singleStep(), 0.5);
    QCOMPARE(slider.QSlider::maximum(), 200);
}

void tst_ZelMappedSliders::sliderLogDecades()
{
    ZelSliderLog slider;
    QCOMPARE(slider.base(), 1.0);
    slider.setBase(10.0);
    slider.setRange(1.0, 1000.0);
    QCOMPARE(slider.QSlider::minimum(), 0);
    QCOMPARE(slider.QSlider::maximum(), 3);
    QSignalSpy spy(&slider, &ZelSliderLog::valueChangedLog);

    slider.setValue(100.0);
    QCOMPARE(slider.sliderPosition(), 2);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toDouble(), 100.0);
    QCOMPARE(slider.value(), 100.0);

    // Between decades the slider takes the nearer exponent.
    slider.setValue(400.0);
    QCOMPARE(slider.sliderPosition(), 3);
    QCOMPARE(spy.at(1).at(0).toDouble(), 1000.0);
}

void tst_ZelMappedSliders::sliderLogDrag()
{
    ZelSliderLog slider;
    slider.setOrientation(Qt::Horizontal);
    slider.resize(300, 30);
    slider.setBase(2.0);
    slider.setRange(1.0, 64.0);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QSignalSpy moved(&slider, &ZelSliderLog::sliderMovedLog);
    QSignalSpy changed(&slider, &ZelSliderLog::valueChangedLog);

    QVERIFY(dragThrough(&slider, {3, 5}));

    QCOMPARE(doubles(moved), (QList<double>{8.0, 32.0}));
    QCOMPARE(doubles(changed), (QList<double>{8.0, 32.0}));
    QCOMPARE(slider.value(), 32.0);
}

void tst_ZelMappedSliders::sliderLogNonPositive_data()
{
    QTest::addColumn<double>("input");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -5.0;
    QTest::newRow("NaN") << notANumber;
    QTest::newRow("minus infinity") << -inf;
}

void tst_ZelMappedSliders::sliderLogNonPositive()
{
    QFETCH(double, input);
    ZelSliderLog slider;
    slider.setBase(10.0);
    slider.setRange(1.0, 1000.0);
    slider.setValue(100.0);
    QSignalSpy spy(&slider, &ZelSliderLog::valueChangedLog);

    slider.setValue(input);

    QCOMPARE(slider.sliderPosition(), 0);
    // The position changed, so the value of the new position replaces the
    // missing one and is announced.
    QCOMPARE(slider.ZelDoubleSlider::value(), 0.0);
    QCOMPARE(slider.value(), 1.0);
    QCOMPARE(doubles(spy), QList<double>{1.0});

    // Already at the lowest position: no value to take over.
    slider.setValue(input);
    QVERIFY(std::isnan(slider.ZelDoubleSlider::value()));
    QCOMPARE(spy.count(), 1);

    // A non-positive bound has no exponent either: one position is left.
    slider.setRange(input, 1000.0);
    QCOMPARE(slider.QSlider::maximum(), 0);
}

void tst_ZelMappedSliders::sliderLogBaseOne()
{
    ZelSliderLog slider;
    QSignalSpy spy(&slider, &ZelSliderLog::valueChangedLog);
    slider.setRange(1.0, 1000.0);
    QCOMPARE(slider.QSlider::minimum(), 0);
    QCOMPARE(slider.QSlider::maximum(), 0);
    slider.setValue(100.0);
    QCOMPARE(slider.sliderPosition(), 0);
    QCOMPARE(slider.value(), 1.0);
    QVERIFY(spy.isEmpty());

    // Once the base is usable, a new range and value work as usual.
    slider.setBase(10.0);
    slider.setRange(1.0, 1000.0);
    slider.setValue(10.0);
    QCOMPARE(slider.sliderPosition(), 1);
    QCOMPARE(slider.value(), 10.0);
}

void tst_ZelMappedSliders::sliderLogSetBaseKeepsExponents()
{
    ZelSliderLog slider;
    slider.setBase(10.0);
    slider.setRange(1.0, 1000.0);
    slider.setValue(100.0);
    QSignalSpy spy(&slider, &ZelSliderLog::valueChangedLog);
    slider.setBase(2.0);
    QCOMPARE(slider.QSlider::maximum(), 3);
    QCOMPARE(slider.sliderPosition(), 2);
    QCOMPARE(slider.value(), 4.0);
    QVERIFY(spy.isEmpty());
}

void tst_ZelMappedSliders::logSliderRange_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<int>("expectedMinimum");
    QTest::addColumn<int>("expectedMaximum");

    QTest::newRow("decades") << 1.0 << 1000.0 << 0 << 3;
    QTest::newRow("truncated towards zero") << 2.0 << 500.0 << 0 << 2;
    QTest::newRow("below one") << 0.001 << 0.5 << -3 << 0;
    QTest::newRow("zero bound") << 0.0 << 100.0 << 0 << 2;
    QTest::newRow("negative bounds") << -5.0 << -1.0 << 0 << 0;
    QTest::newRow("infinite bound") << 1.0 << inf << 0 << 0;
    QTest::newRow("NaN bound") << notANumber << 100.0 << 0 << 2;
    QTest::newRow("whole double range") << 1e-300 << 1e300 << -300 << 300;
}

void tst_ZelMappedSliders::logSliderRange()
{
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(int, expectedMinimum);
    QFETCH(int, expectedMaximum);

    ZelLogSlider slider;
    QCOMPARE(slider.minimum(), 0);
    QCOMPARE(slider.maximum(), 0);
    QCOMPARE(slider.range(), ZelMinMaxRange<double>(0.0, 1.0, 1.0));

    slider.setRange(ZelMinMaxRange<double>(min, max, 0.5));
    QCOMPARE(slider.minimum(), expectedMinimum);
    QCOMPARE(slider.maximum(), expectedMaximum);
    QCOMPARE(slider.range().step, 0.5);
}

void tst_ZelMappedSliders::logSliderUserInput()
{
    ZelLogSlider slider;
    slider.setOrientation(Qt::Horizontal);
    slider.resize(300, 30);
    slider.setRange(ZelMinMaxRange<double>(2.0, 500.0, 1.0));
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QSignalSpy spy(&slider, &ZelLogSlider::currentValueChanged);

    // Position 0 stands for 1, brought up to the range's 2.
    slider.setValue(1);
    slider.setValue(0);
    QCOMPARE(doubles(spy), (QList<double>{10.0, 2.0}));

    spy.clear();
    QTest::keyClick(&slider, Qt::Key_Right);
    QCOMPARE(doubles(spy), QList<double>{10.0});
    QVERIFY(dragThrough(&slider, {2}));
    QCOMPARE(doubles(spy), (QList<double>{10.0, 100.0}));
    QCOMPARE(slider.currentValue(), 100.0);
}

void tst_ZelMappedSliders::logSliderSetCurrentValue()
{
    ZelLogSlider slider;
    slider.setRange(ZelMinMaxRange<double>(1.0, 1000.0, 1.0));
    QSignalSpy spy(&slider, &ZelLogSlider::currentValueChanged);

    slider.setCurrentValue(5.0);
    slider.setCurrentValue(5.0);
    slider.setCurrentValue(5.0 * (1.0 + 1e-14));
    QCOMPARE(doubles(spy), QList<double>{5.0});
    slider.setCurrentValue(5.0001);
    QCOMPARE(spy.count(), 2);
    // The slider stays where it is.
    QCOMPARE(slider.sliderPosition(), 0);

    slider.setCurrentValue(notANumber);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(slider.currentValue(), 5.0001);
    slider.setCurrentValue(inf);
    slider.setCurrentValue(inf);
    QCOMPARE(spy.count(), 3);
}

void tst_ZelMappedSliders::logSliderMappingsAreInverse()
{
    ZelLogSlider slider;
    slider.setRange(ZelMinMaxRange<double>(0.001, 1e6, 1.0));
    for (double value : {0.001, 0.02, 1.0, 3.5, 1234.0, 1e6})
        QVERIFY(qFuzzyCompare(slider.mapToValue(slider.mapFromValue(value)), value));
    QVERIFY(std::isinf(slider.mapFromValue(0.0)));
    QVERIFY(std::isnan(slider.mapFromValue(-1.0)));
    // Powers beyond the range are brought within it.
    QCOMPARE(slider.mapToValue(-10.0), 0.001);
    QCOMPARE(slider.mapToValue(9.0), 1e6);
}

void tst_ZelMappedSliders::angleSpinBoxNotation()
{
    ZelAngleSpinBox box;
    box.setLocale(QLocale::c());
    QCOMPARE(box.minimum(), 0.0);
    QCOMPARE(box.maximum(), 360.0);
    box.setValue(45.5);
    QCOMPARE(box.text(), QStringLiteral("45.50\u00b0"));
    QCOMPARE(box.textFromValue(1234.5), QStringLiteral("1234.50"));
    QCOMPARE(box.valueFromText(QStringLiteral("12.5\u00b0")), 12.5);
    QCOMPARE(box.valueFromText(QStringLiteral(" 12.5 \u00b0 ")), 12.5);
    QCOMPARE(box.valueFromText(QStringLiteral("270")), 270.0);
    // No number: the value stays.
    QCOMPARE(box.valueFromText(QStringLiteral("\u00b0")), 45.5);

    box.setLocale(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(box.textFromValue(1234.5), QStringLiteral("1234,50"));
    QCOMPARE(box.valueFromText(QStringLiteral("12,5\u00b0")), 12.5);
}

void tst_ZelMappedSliders::angleSpinBoxTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("expected");
    QTest::newRow("number") << QStringLiteral("90.25") << 90.25;
    QTest::newRow("with degree sign") << QStringLiteral("12.5\u00b0") << 12.5;
    QTest::newRow("whole") << QStringLiteral("180") << 180.0;
}

void tst_ZelMappedSliders::angleSpinBoxTyping()
{
    QFETCH(QString, typed);
    QFETCH(double, expected);

    ZelAngleSpinBox box;
    box.setLocale(QLocale::c());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &QDoubleSpinBox::valueChanged);
    typeInto(&box, typed);
    // The box tracks the keyboard as QDoubleSpinBox does; Enter settles it.
    QVERIFY(!spy.isEmpty());
    QCOMPARE(doubles(spy).last(), expected);
    QCOMPARE(box.value(), expected);
    QCOMPARE(box.text(), box.textFromValue(expected) + QStringLiteral("\u00b0"));
}

void tst_ZelMappedSliders::angleSpinBoxWraps()
{
    ZelAngleSpinBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.setValue(360.0);
    QTest::keyClick(&box, Qt::Key_Up);
    QCOMPARE(box.value(), 0.0);
    QTest::keyClick(&box, Qt::Key_Down);
    QCOMPARE(box.value(), 360.0);
}

void tst_ZelMappedSliders::spinBoxBehavesLikeQSpinBox()
{
    ZelSpinBox ours;
    QSpinBox plain;
    QList<QSpinBox *> boxes{&ours, &plain};
    QList<QStringList> logs(2);
    for (int i = 0; i < 2; ++i) {
        QSpinBox *box = boxes[i];
        box->setRange(0, 100);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QStringList *log = &logs[i];
        connect(box, &QSpinBox::valueChanged, box, [log](int v) { log->append(QString::number(v)); });
        connect(box, &QSpinBox::textChanged, box, [log](const QString &t) { log->append(t); });
        QTest::keyClick(box, Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_PageUp);
        typeInto(box, QStringLiteral("57"));
        QTest::keyClick(box, Qt::Key_Down);
        box->setValue(200);
    }
    QCOMPARE(ours.value(), 100);
    QCOMPARE(logs[0], logs[1]);
    QVERIFY(logs[0].size() >= 8);
}

void tst_ZelMappedSliders::badInputLeavesSlidersWorking()
{
    const QList<double> reals{notANumber, inf, -inf, 0.0, -1.0, std::numeric_limits<double>::max(),
                              std::numeric_limits<double>::denorm_min()};

    ZelDoubleSlider slider;
    ZelSliderLog logSlider;
    ZelLogSlider decades;
    for (double a : reals) {
        for (double b : reals) {
            slider.setRange(a, b);
            slider.setSingleStep(b);
            slider.setValue(a);
            slider.setMinimum(b);
            slider.setMaximum(a);
            logSlider.setBase(a);
            logSlider.setRange(a, b);
            logSlider.setValue(b);
            decades.setRange(ZelMinMaxRange<double>(a, b, a));
            decades.setCurrentValue(b);
            decades.setValue(decades.maximum());
            QVERIFY(slider.QSlider::minimum() <= slider.QSlider::maximum());
        }
    }

    slider.setRange(0.0, 10.0);
    slider.setSingleStep(1.0);
    slider.setValue(0.0);
    QSignalSpy spy(&slider, &ZelDoubleSlider::doubleValueChanged);
    slider.setValue(3.0);
    QCOMPARE(doubles(spy), QList<double>{3.0});
    QCOMPARE(slider.QSlider::maximum(), 10);

    logSlider.setBase(10.0);
    logSlider.setRange(1.0, 100.0);
    logSlider.setValue(10.0);
    QCOMPARE(logSlider.sliderPosition(), 1);
    QCOMPARE(logSlider.value(), 10.0);

    decades.setRange(ZelMinMaxRange<double>(1.0, 100.0, 1.0));
    decades.setValue(0);
    decades.setValue(2);
    QCOMPARE(decades.currentValue(), 100.0);

    ZelAngleSpinBox angle;
    angle.setLocale(QLocale::c());
    for (double a : reals) {
        angle.setValue(a);
        angle.setDecimals(int(std::isfinite(a) ? a : 400));
        QVERIFY(!angle.text().isNull());
        QVERIFY(angle.value() >= angle.minimum() || std::isnan(angle.value()));
    }
    angle.setDecimals(1);
    angle.setValue(90.0);
    QCOMPARE(angle.text(), QStringLiteral("90.0\u00b0"));
}

QTEST_MAIN(tst_ZelMappedSliders)
#include "tst_zelmappedsliders.moc"
