// The gallery's zoom page: the toolbar, the scale list and the percent box
// drive each other and the picture, and every emission reaches the log.

#include "ZoomPage.h"

#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSlider.h>
#include <ZelGui/ZelZoomSpinBox.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/ZoomDefs.h>

#include <QApplication>
#include <QGraphicsView>
#include <QListWidget>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>

class tst_GalleryZoom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void controlsStayInStep();
};

namespace {

// The log lines from index first on, without their running numbers.
QStringList linesFrom(const QListWidget *log, int first)
{
    QStringList lines;
    for (int i = first; i < log->count(); ++i) {
        const QString text = log->item(i)->text();
        lines << text.mid(text.indexOf(QLatin1String(". ")) + 2);
    }
    return lines;
}

void checkInStep(ZoomPage &page, double zoom, const QString &scale)
{
    QCOMPARE(page.toolbar()->zoom(), zoom);
    QCOMPARE(page.percentBox()->zoom(), zoom);
    QCOMPARE(page.view()->transform(), QTransform::fromScale(zoom, zoom));
    QCOMPARE(page.scaleBox()->currentText(), scale);
}

} // namespace

void tst_GalleryZoom::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_GalleryZoom::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
}

void tst_GalleryZoom::controlsStayInStep()
{
    ZoomPage page;
    page.resize(900, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    checkInStep(page, 2.0, QStringLiteral("1:2"));
    QVERIFY(page.log()->count() > 0);

    // The next scale down the list.
    int first = page.log()->count();
    page.scaleBox()->setFocus();
    QTest::keyClick(page.scaleBox(), Qt::Key_Down);
    checkInStep(page, 2.5, QStringLiteral("1:2,5"));
    QStringList lines = linesFrom(page.log(), first);
    QCOMPARE(lines.first(), QStringLiteral("GOST scale: 250% (2.5)"));
    QVERIFY(lines.contains(QStringLiteral("toolbar: 250% (2.5)")));
    QVERIFY(lines.contains(QStringLiteral("percent box: 250% (2.5)")));

    // A percentage that is no standard scale empties the scale list.
    first = page.log()->count();
    page.percentBox()->setFocus();
    QTest::keyClick(page.percentBox(), Qt::Key_Up);
    checkInStep(page, 2.51, QString());
    QCOMPARE(page.scaleBox()->currentIndex(), -1);
    QCOMPARE(linesFrom(page.log(), first).first(), QStringLiteral("percent box: 251% (2.51)"));

    // The toolbar's shortcut with the focus on its slider.
    auto *slider = page.toolbar()->findChild<ZelZoomSlider *>();
    slider->setFocus();
    const QKeyCombination zoomIn = QKeySequence(QKeySequence::ZoomIn)[0];
    QTest::keyClick(slider, zoomIn.key(), zoomIn.keyboardModifiers());
    checkInStep(page, ZoomDefs::zoomIn(2.51), QString()); // 300%
    QTest::keyClick(slider, zoomIn.key(), zoomIn.keyboardModifiers());
    checkInStep(page, 4.0, QStringLiteral("1:4"));

    // A scale beyond the toolbar's largest zoom is clamped.
    page.scaleBox()->setFocus();
    QTest::keyClick(page.scaleBox(), Qt::Key_End);
    checkInStep(page, 32.0, QString());
    QVERIFY(!page.toolbar()->canExecZoomIn());
}

QTEST_MAIN(tst_GalleryZoom)
#include "tst_gallery_zoom.moc"
