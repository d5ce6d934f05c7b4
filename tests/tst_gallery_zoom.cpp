// The gallery's zoom page: toolbar, scale list and percent box drive each other and the picture, and log.

#include "ZoomPage.h"
#include "zelzoom_testhelpers.h"

#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSlider.h>
#include <ZelGui/ZelZoomSpinBox.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <QGraphicsView>
#include <QListWidget>

using namespace ZelZoomTest;

class tst_GalleryZoom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useFusionStyle(); }
    void init() { failOnOtherWarnings(); }

    void controlsStayInStep()
    {
        ZoomPage page;
        page.resize(900, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        int first = 0; // the log lines since the last call, without their running numbers
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

        page.scaleBox()->setFocus(); // the next scale down the list
        QTest::keyClick(page.scaleBox(), Qt::Key_Down);
        QVERIFY(inStep(2.5, QStringLiteral("1:2,5")));
        const QStringList lines = newLines();
        QCOMPARE(lines.first(), QStringLiteral("GOST scale: 250% (2.5)"));
        QVERIFY(lines.contains(QStringLiteral("toolbar: 250% (2.5)")) && lines.contains(QStringLiteral("percent box: 250% (2.5)")));

        page.percentBox()->setFocus(); // no standard scale: the list is emptied
        QTest::keyClick(page.percentBox(), Qt::Key_Up);
        QVERIFY(inStep(2.51, QString()) && page.scaleBox()->currentIndex() == -1);
        QCOMPARE(newLines().first(), QStringLiteral("percent box: 251% (2.51)"));

        auto *slider = page.toolbar()->findChild<ZelZoomSlider *>(); // the toolbar's shortcut
        slider->setFocus();
        pressStandardKey(slider, QKeySequence::ZoomIn);
        QVERIFY(inStep(3.0, QString()));

        page.scaleBox()->setFocus(); // a scale beyond the toolbar's largest zoom is clamped
        QTest::keyClick(page.scaleBox(), Qt::Key_End);
        QVERIFY(inStep(32.0, QString()));
        QVERIFY(!page.toolbar()->canExecZoomIn());
    }
};

QTEST_MAIN(tst_GalleryZoom)
#include "tst_gallery_zoom.moc"
