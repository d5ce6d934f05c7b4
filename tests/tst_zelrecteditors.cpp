// The rectangle editors: value flows from the editors to the rectangle, the
// Apply rules, ranges and steps, the re-entry guard, extreme input.

#include "zelrange_testhelpers.h"

#include <ZelGui/ZelConfigureRectWidget.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelScanAreaWidget.h>

#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleFactory>

#include <climits>

using namespace ZelRangeTest;

namespace {

ZelScanAreaRange scanRange(const QRect &area, int xStep = 1, int yStep = 1, int hStep = 1, int vStep = 1)
{
    return ZelScanAreaRange{area, xStep, yStep, hStep, vStep, 7}; // the reserved word is never read
}

QRect corners(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

ZelRangeWidget *editor(QWidget *form, const char *name)
{
    auto *result = form->findChild<ZelRangeWidget *>(QLatin1String(name));
    Q_ASSERT(result);
    return result;
}

QPushButton *applyButton(QWidget *form)
{
    return form->findChild<QPushButton *>(QStringLiteral("btnApply"));
}

// Types into an editor's spin box and commits with Enter.
void type(QWidget *form, const char *name, int value)
{
    auto *spinBox = editor(form, name)->findChild<QSpinBox *>();
    spinBox->setFocus();
    typeInto(spinBox, QString::number(value));
}

// Presses Apply; the rectangles announced, or "disabled".
template<class Form>
QString apply(Form *form)
{
    QPushButton *button = applyButton(form);
    if (!button->isEnabled())
        return QStringLiteral("disabled");
    QSignalSpy spy(form, &Form::valueApplyed);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    QStringList rects;
    for (const QList<QVariant> &args : spy) {
        const QRect r = args.at(0).toRect();
        rects << QStringLiteral("(%1,%2)-(%3,%4)").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
    }
    return rects.join(u' ');
}

// "min..max/step=value" of each named editor.
QString editors(QWidget *form, const QList<const char *> &names)
{
    QStringList parts;
    for (const char *name : names) {
        const ZelRangeWidget *e = editor(form, name);
        parts << QStringLiteral("%1..%2/%3=%4").arg(e->minimum()).arg(e->maximum()).arg(e->singleStep()).arg(e->value());
    }
    return parts.join(u' ');
}

const QList<const char *> scanNames{"x1", "y1", "x2", "y2"};
const QList<const char *> rectNames{"x", "y", "width", "height"};

} // namespace

class tst_ZelRectEditors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)"))); }

    // Tab walks the named controls in reading order (spin box, then slider), ending on Apply.
    void keyboardAndNames()
    {
        ZelConfigureRectWidget rect;
        rect.show();
        QVERIFY(QTest::qWaitForWindowActive(&rect));
        QStringList walk;
        editor(&rect, "x")->setFocus();
        for (int i = 0; i < 9; ++i) {
            QWidget *focus = QApplication::focusWidget();
            walk << QStringLiteral("%1 %2").arg(QLatin1String(focus->metaObject()->className()),
                                                qobject_cast<QPushButton *>(focus) ? focus->objectName() : focus->accessibleName());
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(walk, QStringList({"QSpinBox Left edge (X)", "QSlider Left edge (X)", "QSpinBox Top edge (Y)",
                                    "QSlider Top edge (Y)", "QSpinBox Width", "QSlider Width", "QSpinBox Height",
                                    "QSlider Height", "QPushButton btnApply"}));
    }

    void scanAreaApplyRule_data()
    {
        QTest::addColumn<QRect>("value");
        QTest::addColumn<QString>("applied");
        QTest::newRow("area") << corners(10, 20, 30, 40) << "(10,20)-(30,40)";
        QTest::newRow("X1 = X2") << corners(10, 20, 10, 40) << "disabled";
        QTest::newRow("Y1 = Y2") << corners(10, 20, 30, 20) << "disabled";
        QTest::newRow("reversed corners") << corners(30, 40, 10, 20) << "(30,40)-(10,20)";
    }

    void scanAreaApplyRule()
    {
        QFETCH(QRect, value);
        QFETCH(QString, applied);
        ZelScanAreaWidget scan;
        scan.setRange(scanRange(QRect(0, 0, 101, 101)));
        scan.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scan));
        scan.setValue(value);
        QCOMPARE(apply(&scan), applied);
    }

    // The editors change the area one edge at a time; nothing is announced before Apply.
    void scanAreaEditsFlowIntoTheArea()
    {
        ZelScanAreaWidget scan;
        scan.setRange(scanRange(corners(0, 0, 1000, 800), 2, 4, 8, 16));
        QCOMPARE(editors(&scan, scanNames), QStringLiteral("0..1000/2=0 0..800/4=0 0..1000/8=1000 0..800/16=800"));
        QCOMPARE(QList<int>({scan.xStep(), scan.yStep(), scan.hStep(), scan.vStep()}), QList<int>({2, 4, 8, 16}));
        scan.show();
        QVERIFY(QTest::qWaitForWindowActive(&scan));
        QSignalSpy applied(&scan, &ZelScanAreaWidget::valueApplyed);
        type(&scan, "x1", 96);
        type(&scan, "y2", 500); // snapped to the step of 16 from 0
        QTest::keyClick(editor(&scan, "x2")->findChild<QSlider *>(), Qt::Key_Left); // one step of 8
        QCOMPARE(applied.count(), 0);
        QCOMPARE(scan.value(), corners(96, 0, 992, 496));
        QCOMPARE(apply(&scan), QStringLiteral("(96,0)-(992,496)"));
        type(&scan, "x2", 99); // snapped to 96, the column of X1
        QCOMPARE(apply(&scan), QStringLiteral("disabled"));
    }

    // A new range clamps the editors silently; Apply still gives what they show.
    void scanAreaRangeAndValue()
    {
        ZelScanAreaWidget scan;
        QSignalSpy x1(editor(&scan, "x1"), &ZelRangeWidget::valueChanged);
        scan.setRange(scanRange(corners(10, 20, 110, 220)));
        QCOMPARE(editors(&scan, scanNames), QStringLiteral("10..100/1=10 20..200/1=20 10..100/1=100 20..200/1=200"));
        QCOMPARE(x1.count(), 0); // X1 went from 0 to 10 by the clamp alone
        QCOMPARE(apply(&scan), QStringLiteral("(10,20)-(100,200)"));

        scan.setValue(corners(15, 25, 50, 60));
        QCOMPARE(editors(&scan, scanNames), QStringLiteral("10..100/1=15 20..200/1=25 10..100/1=50 20..200/1=60"));
        scan.setRange(scanRange(corners(10, 20, 110, 220), 5, 5, 5, 5)); // the same limits keep the edges
        QCOMPARE(scan.value(), corners(15, 25, 50, 60));
        QCOMPARE(scan.hStep(), 5);
        scan.setRange(scanRange(corners(0, 0, 40, 40))); // the far edges move to the new bounds
        QCOMPARE(scan.value(), corners(0, 0, 40, 40));
    }

    void setValueIgnoresNullAndCurrent()
    {
        ZelScanAreaWidget scan;
        ZelConfigureRectWidget rect;
        scan.setRange(scanRange(QRect(0, 0, 500, 500)));
        rect.setRange(scanRange(QRect(0, 0, 500, 500)));
        scan.setValue(corners(1, 2, 3, 4));
        rect.setValue(corners(1, 2, 3, 4));
        QStringList log;
        for (ZelRangeWidget *e : scan.findChildren<ZelRangeWidget *>() + rect.findChildren<ZelRangeWidget *>())
            logSignal(e, &ZelRangeWidget::valueChanged, &log, "valueChanged");
        for (const QRect &value : {QRect(), corners(1, 2, 3, 4), QRect(7, 7, 0, 0)}) {
            scan.setValue(value);
            rect.setValue(value);
        }
        QCOMPARE(log, QStringList());
        QCOMPARE(scan.value(), corners(1, 2, 3, 4));
        QCOMPARE(rect.value(), corners(1, 2, 3, 4));
    }

    void rectApplyRule_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("applied");
        QTest::newRow("X 100, width 1900: too wide") << 100 << 1900 << "disabled";
        QTest::newRow("X 0, width 1920: the whole width") << 0 << 1920 << "(0,0)-(1919,99)";
        QTest::newRow("X 20, width 1900: to the right edge") << 20 << 1900 << "(20,0)-(1919,99)";
    }

    void rectApplyRule()
    {
        QFETCH(int, x);
        QFETCH(int, width);
        QFETCH(QString, applied);
        ZelConfigureRectWidget rect;
        rect.setRange(scanRange(QRect(0, 0, 1920, 1080)));
        rect.show();
        QVERIFY(QTest::qWaitForWindowActive(&rect));
        type(&rect, "height", 100);
        type(&rect, "width", width);
        type(&rect, "x", x);
        QCOMPARE(apply(&rect), applied);
    }

    void rectMovesKeepTheSize()
    {
        ZelConfigureRectWidget rect;
        rect.setRange(scanRange(QRect(0, 0, 1920, 1080), 10, 10, 1, 1));
        rect.show();
        QVERIFY(QTest::qWaitForWindowActive(&rect));
        rect.setValue(corners(10, 30, 109, 79));
        QCOMPARE(editors(&rect, rectNames), QStringLiteral("0..1920/10=10 0..1080/10=30 0..1920/1=100 0..1080/1=50"));
        type(&rect, "x", 20);
        QCOMPARE(rect.value(), corners(20, 30, 119, 79));
        QTest::keyClick(editor(&rect, "y")->findChild<QSlider *>(), Qt::Key_Right); // one step of 10
        type(&rect, "height", 60);
        QCOMPARE(apply(&rect), QStringLiteral("(20,40)-(119,99)"));
    }

    void rectRange()
    {
        ZelConfigureRectWidget rect;
        QSignalSpy applied(&rect, &ZelConfigureRectWidget::valueApplyed);
        rect.setRange(scanRange(QRect(100, 50, 1920, 1080), 2, 3, 4, 5));
        QCOMPARE(editors(&rect, rectNames), QStringLiteral("100..1920/2=100 50..1080/3=50 100..1920/4=100 50..1080/5=50"));
        QCOMPARE(rect.value(), QRect(100, 50, 100, 50));

        rect.setValue(QRect(100, 100, 500, 400)); // Y snaps to 101 on its grid of 3 from 50
        QCOMPARE(rect.value(), QRect(100, 101, 500, 400));
        rect.setRange(scanRange(QRect(0, 0, 300, 300))); // the size no longer fits: clamped
        QCOMPARE(editors(&rect, rectNames), QStringLiteral("0..300/1=100 0..300/1=101 0..300/1=300 0..300/1=300"));
        QCOMPARE(rect.value(), QRect(100, 101, 300, 300));
        QVERIFY(!applyButton(&rect)->isEnabled()); // 100 + 300 > 300
        QCOMPARE(applied.count(), 0);
    }

    // A slot that applies again from inside valueApplyed is not let in.
    void applyIsNotReentered()
    {
        ZelConfigureRectWidget rect;
        ZelScanAreaWidget scan;
        rect.setRange(scanRange(QRect(0, 0, 100, 100)));
        scan.setRange(scanRange(QRect(0, 0, 100, 100)));
        int calls = 0;
        auto again = [&calls](QWidget *form) {
            ++calls;
            applyButton(form)->click();
        };
        connect(&rect, &ZelConfigureRectWidget::valueApplyed, this, [&] { again(&rect); });
        connect(&scan, &ZelScanAreaWidget::valueApplyed, this, [&] { again(&scan); });
        applyButton(&rect)->click();
        applyButton(&scan)->click();
        QCOMPARE(calls, 2);
        applyButton(&rect)->click(); // and the guard is down again afterwards
        QCOMPARE(calls, 3);
    }

    void extremeAreas_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("value");
        QTest::addColumn<QString>("scanEditors");
        QTest::addColumn<QString>("scanApplied");
        QTest::addColumn<QString>("rectEditors");
        QTest::addColumn<QString>("rectApplied");
        const QRect all = corners(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
        QTest::newRow("all of int") << all << all
            << "-2147483648..2147483647/1=-2147483648 -2147483648..2147483647/1=-2147483648 "
               "-2147483648..2147483647/1=2147483647 -2147483648..2147483647/1=2147483647"
            << "(-2147483648,-2147483648)-(2147483647,2147483647)"
            << "-2147483648..2147483647/1=-2147483648 -2147483648..2147483647/1=-2147483648 "
               "-2147483648..2147483647/1=2147483647 -2147483648..2147483647/1=2147483647"
            << "(-2147483648,-2147483648)-(2147483647,2147483647)";
        QTest::newRow("negative edges") << corners(-200, -100, -1, -1) << corners(-150, -80, -20, -10)
            << "-200..199/1=-150 -100..99/1=-80 -200..199/1=-20 -100..99/1=-10" << "(-150,-80)-(-20,-10)"
            << "-200..200/1=-150 -100..100/1=-80 -200..200/1=131 -100..100/1=71" << "(-150,-80)-(-20,-10)";
        // Reversed: the editors' maximum falls to their minimum; what is set stays as given.
        QTest::newRow("reversed area") << corners(100, 100, 10, 10) << corners(50, 50, 60, 60)
            << "100..100/1=50 100..100/1=50 100..100/1=60 100..100/1=60" << "(50,50)-(60,60)"
            << "100..100/1=50 100..100/1=50 100..100/1=11 100..100/1=11" << "disabled";
    }

    void extremeAreas()
    {
        QFETCH(QRect, area);
        QFETCH(QRect, value);
        ZelScanAreaWidget scan;
        ZelConfigureRectWidget rect;
        for (QWidget *form : {static_cast<QWidget *>(&scan), static_cast<QWidget *>(&rect)}) {
            form->show();
            QVERIFY(QTest::qWaitForWindowExposed(form));
        }
        scan.setRange(scanRange(area));
        rect.setRange(scanRange(area));
        scan.setValue(value);
        rect.setValue(value);
        QTEST(editors(&scan, scanNames), "scanEditors");
        QTEST(apply(&scan), "scanApplied");
        QTEST(editors(&rect, rectNames), "rectEditors");
        QTEST(apply(&rect), "rectApplied");
    }

    // Moves at the ends of int saturate instead of wrapping.
    void extremeMovesSaturate()
    {
        ZelConfigureRectWidget rect;
        rect.setRange(scanRange(corners(INT_MIN, INT_MIN, INT_MAX, INT_MAX)));
        rect.setValue(corners(INT_MIN, 0, INT_MAX, 9));
        rect.show();
        QVERIFY(QTest::qWaitForWindowActive(&rect));
        type(&rect, "x", 0);
        QCOMPARE(rect.value(), corners(0, 0, INT_MAX, 9));
        type(&rect, "width", INT_MAX);
        type(&rect, "x", INT_MAX);
        QCOMPARE(apply(&rect), QStringLiteral("(2147483647,0)-(2147483647,9)"));
        type(&rect, "x", INT_MIN); // the width saturated away at the right end stays lost
        QCOMPARE(rect.value(), corners(INT_MIN, 0, INT_MIN, 9));
    }
};

QTEST_MAIN(tst_ZelRectEditors)
#include "tst_zelrecteditors.moc"
