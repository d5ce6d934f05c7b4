// The gallery's zoom page: the toolbar, the scale list and the percent box
// drive each other and the picture, and every emission reaches the log.

#include "ZoomPage.h"
#include "zelzoom_testhelpers.h"

#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSlider.h>
#include <ZelGui/ZelZoomSpinBox.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/ZoomDefs.h>

#include <QGraphicsView>
#include <QListWidget>

using namespace ZelZoomTest;

class tst_GalleryZoom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useFusionStyle(); }
    void init() { failOnOtherWarnings(); }
    void controlsStayInStep();
};

void tst_GalleryZoom::controlsStayInStep()
{
    ZoomPage page;
    page.resize(900, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    // The log lines since the last call, without their running numbers.
    int first = 0;
    const auto newLines = [&] {
        QStringList lines;
        for (; first < page.log()->count(); ++first)
            lines << page.log()->item(first)->text().section(QLatin1String(". "), 1);
        return lines;
    };
    const auto inStep = [&](double zoom, const QString &scale) {
        return page.toolbar()->zoom() == zoom && page.percentBox()->zoom() == zoom
            && page.view()->transform() == QTransform::fromScale(zoom, zoom) && page.scaleBox()->currentText() == scale;
    };
    QVERIFY(inStep(2.0, QStringLiteral("1:2")));
    QVERIFY(!newLines().isEmpty());

    // The next scale down the list.
    page.scaleBox()->setFocus();
    QTest::keyClick(page.scaleBox(), Qt::Key_Down);
    QVERIFY(inStep(2.5, QStringLiteral("1:2,5")));
    const QStringList lines = newLines();
    QCOMPARE(lines.first(), QStringLiteral("GOST scale: 250% (2.5)"));
    QVERIFY(lines.contains(QStringLiteral("toolbar: 250% (2.5)")));
    QVERIFY(lines.contains(QStringLiteral("percent box: 250% (2.5)")));

    // A percentage that is no standard scale empties the scale list.
    page.percentBox()->setFocus();
    QTest::keyClick(page.percentBox(), Qt::Key_Up);
    QVERIFY(inStep(2.51, QString()));
    QCOMPARE(page.scaleBox()->currentIndex(), -1);
    QCOMPARE(newLines().first(), QStringLiteral("percent box: 251% (2.51)"));

    // The toolbar's shortcut with the focus on its slider.
    auto *slider = page.toolbar()->findChild<ZelZoomSlider *>();
    slider->setFocus();
    pressStandardKey(slider, QKeySequence::ZoomIn);
    QVERIFY(inStep(ZoomDefs::zoomIn(2.51), QString())); // 300%
    pressStandardKey(slider, QKeySequence::ZoomIn);
    QVERIFY(inStep(4.0, QStringLiteral("1:4")));

    // A scale beyond the toolbar's largest zoom is clamped.
    page.scaleBox()->setFocus();
    QTest::keyClick(page.scaleBox(), Qt::Key_End);
    QVERIFY(inStep(32.0, QString()));
    QVERIFY(!page.toolbar()->canExecZoomIn());
}

QTEST_MAIN(tst_GalleryZoom)
#include "tst_gallery_zoom.moc"
