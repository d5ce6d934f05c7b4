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

#include <climits>

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
    return form->findChild<ZelRangeWidget *>(QLatin1String(name));
}

// Types into an editor's spin box and commits with Enter.
void type(QWidget *form, const char *name, int value)
{
    auto *spinBox = editor(form, name)->findChild<QSpinBox *>();
    spinBox->setFocus();
    ZelRangeTest::typeInto(spinBox, QString::number(value));
}

// Presses Apply; the rectangles announced, or "disabled".
template<class Form>
QString apply(Form *form)
{
    auto *button = form->template findChild<QPushButton *>(QStringLiteral("btnApply"));
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
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)"))); }

    // The editors change the area one edge at a time; nothing is announced before Apply.
    void scanAreaEditsFlowIntoTheArea()
    {
        ZelScanAreaWidget scan;
        scan.setRange(scanRange(corners(0, 0, 1000, 800), 2, 4, 8, 16));
        scan.show();
        QVERIFY(QTest::qWaitForWindowActive(&scan));
        QSignalSpy applied(&scan, &ZelScanAreaWidget::valueApplyed);
        type(&scan, "x1", 96);
        type(&scan, "y2", 500); // snapped to the step of 16 from 0
        QTest::keyClick(editor(&scan, "x2")->findChild<QSlider *>(), Qt::Key_Left); // one step of 8
        QCOMPARE(applied.count(), 0);
        QCOMPARE(scan.value(), corners(96, 0, 992, 496));
        QCOMPARE(apply(&scan), QStringLiteral("(96,0)-(992,496)"));
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
    }

    // Apply is enabled only while the rectangle fits the area.
    void rectApplyRule()
    {
        ZelConfigureRectWidget rect;
        rect.setRange(scanRange(QRect(0, 0, 1920, 1080)));
        rect.show();
        QVERIFY(QTest::qWaitForWindowActive(&rect));
        type(&rect, "height", 100);
        type(&rect, "width", 1900);
        type(&rect, "x", 100); // too wide
        QCOMPARE(apply(&rect), QStringLiteral("disabled"));
        type(&rect, "x", 20); // to the right edge
        QCOMPARE(apply(&rect), QStringLiteral("(20,0)-(1919,99)"));
    }

    void rectRange()
    {
        ZelConfigureRectWidget rect;
        rect.setRange(scanRange(QRect(100, 50, 1920, 1080), 2, 3, 4, 5));
        rect.setValue(QRect(100, 100, 500, 400)); // Y snaps to 101 on its grid of 3 from 50
        QCOMPARE(rect.value(), QRect(100, 101, 500, 400));
        rect.setRange(scanRange(QRect(0, 0, 300, 300))); // the size no longer fits: clamped
        QCOMPARE(editors(&rect, rectNames), QStringLiteral("0..300/1=100 0..300/1=101 0..300/1=300 0..300/1=300"));
        QCOMPARE(rect.value(), QRect(100, 101, 300, 300));
        QVERIFY(!rect.findChild<QPushButton *>(QStringLiteral("btnApply"))->isEnabled()); // 100 + 300 > 300
    }

    // A slot that applies again from inside valueApplyed is not let in.
    void applyIsNotReentered()
    {
        ZelConfigureRectWidget rect;
        rect.setRange(scanRange(QRect(0, 0, 100, 100)));
        auto *button = rect.findChild<QPushButton *>(QStringLiteral("btnApply"));
        int calls = 0;
        connect(&rect, &ZelConfigureRectWidget::valueApplyed, this, [&] {
            ++calls;
            button->click();
        });
        button->click();
        QCOMPARE(calls, 1);
        button->click(); // and the guard is down again afterwards
        QCOMPARE(calls, 2);
    }

    // Editors and Apply after setValue; an empty editors column is not compared.
    void setValueAndApply_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("value");
        QTest::addColumn<QString>("scanEditors");
        QTest::addColumn<QString>("scanApplied");
        QTest::addColumn<QString>("rectEditors");
        QTest::addColumn<QString>("rectApplied");
        QTest::newRow("X1 = X2") << QRect(0, 0, 101, 101) << corners(10, 20, 10, 40) << ""
                                 << "disabled"
                                 << ""
                                 << "(10,20)-(10,40)";
        // An empty rectangle changes nothing.
        QTest::newRow("empty") << QRect(0, 0, 101, 101) << QRect(7, 7, 0, 0) << ""
                               << "(0,0)-(100,100)"
                               << ""
                               << "(0,0)-(-1,-1)";
        const QRect all = corners(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
        const QString ends = QStringLiteral("%1..%2/1=%1 %1..%2/1=%1 %1..%2/1=%2 %1..%2/1=%2").arg(INT_MIN).arg(INT_MAX);
        const QString applied = QStringLiteral("(%1,%1)-(%2,%2)").arg(INT_MIN).arg(INT_MAX);
        QTest::newRow("all of int") << all << all << ends << applied << ends << applied;
        // Reversed: the editors' maximum falls to their minimum; what is set stays as given.
        QTest::newRow("reversed area") << corners(100, 100, 10, 10) << corners(50, 50, 60, 60)
                                       << "100..100/1=50 100..100/1=50 100..100/1=60 100..100/1=60"
                                       << "(50,50)-(60,60)"
                                       << "100..100/1=50 100..100/1=50 100..100/1=11 100..100/1=11"
                                       << "disabled";
    }

    void setValueAndApply()
    {
        QFETCH(QRect, area);
        QFETCH(QRect, value);
        QFETCH(QString, scanEditors);
        QFETCH(QString, rectEditors);
        ZelScanAreaWidget scan;
        ZelConfigureRectWidget rect;
        scan.setRange(scanRange(area));
        rect.setRange(scanRange(area));
        scan.setValue(value);
        rect.setValue(value);
        QCOMPARE(scanEditors.isEmpty() ? QString() : editors(&scan, scanNames), scanEditors);
        QTEST(apply(&scan), "scanApplied");
        QCOMPARE(rectEditors.isEmpty() ? QString() : editors(&rect, rectNames), rectEditors);
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
