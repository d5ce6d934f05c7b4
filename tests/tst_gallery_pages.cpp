// The gallery's widget pages: their controls drive the widgets, the widgets
// drive each other, and every emission reaches the page's log in order.

#include "RangeEditorsPage.h"
#include "SlidersPage.h"
#include "ZoomPage.h"
#include "zelrange_testhelpers.h"
#include "zelzoom_testhelpers.h"

#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelVideoSlider.h>
#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSpinBox.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsView>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>

class tst_GalleryPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ZelZoomTest::useFusionStyle(); }
    void init() { ZelZoomTest::failOnOtherWarnings(); }

    void slidersLogEmissionsInOrder()
    {
        SlidersPage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        ZelSpanSlider *h = page.horizontalSlider();
        const int lower = h->lowerValue() + 1, upper = h->upperValue();
        QTest::keyClick(h, Qt::Key_Right);
        const QListWidget *log = page.signalLog();
        QVERIFY(log->count() >= 2);
        const QStringList lines{log->item(log->count() - 2)->text().section(QLatin1String(". "), 1),
                                log->item(log->count() - 1)->text().section(QLatin1String(". "), 1)};
        QCOMPARE(lines, (QStringList{QStringLiteral("horizontal: lowerValueChanged(%1)").arg(lower),
                                     QStringLiteral("horizontal: spanChanged(%1, %2)").arg(lower).arg(upper)}));
    }

    void slidersControlsDriveTheSliders()
    {
        SlidersPage page;
        auto *mode = page.findChild<QComboBox *>(QStringLiteral("movementMode"));
        auto *duration = page.findChild<QSpinBox *>(QStringLiteral("duration"));
        QVERIFY(mode && duration);
        mode->setCurrentIndex(mode->findData(QVariant::fromValue(ZelSpanSlider::NoOverlapping)));
        duration->setValue(10);
        QCOMPARE(page.horizontalSlider()->handleMovementMode(), ZelSpanSlider::NoOverlapping);
        QCOMPARE(page.verticalSlider()->handleMovementMode(), ZelSpanSlider::NoOverlapping);
        QCOMPARE(page.videoSlider()->usecsByStep(), qint64(10000000) / page.videoSlider()->maximum());
    }

    void rangeControlsReachTheEditorsAndSignalsTheLog()
    {
        RangeEditorsPage page;
        page.resize(1000, 700);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.findChild<QDoubleSpinBox *>(QStringLiteral("maximum"))->setValue(50.0);
        page.findChild<QDoubleSpinBox *>(QStringLiteral("step"))->setValue(10.0);
        page.findChild<QSpinBox *>(QStringLiteral("decimals"))->setValue(4);
        QCOMPARE(page.findChild<ZelRangeWidget *>()->range(), ZelMinMaxRange<int>(0, 50, 10));
        QCOMPARE(page.findChild<ZelDoubleRangeWidget *>()->range(), ZelMinMaxRange<double>(0.0, 50.0, 10.0));
        QCOMPARE(page.findChild<ZelDoubleRangeWidget *>()->decimals(), 4);

        auto *log = page.findChild<QListWidget *>(QStringLiteral("log"));
        auto lines = [log] { // the log so far, emptied
            QStringList texts;
            for (int i = 0; i < log->count(); ++i)
                texts << log->item(i)->text();
            log->clear();
            return texts.join(u'|');
        };
        page.findChild<QDoubleSpinBox *>(QStringLiteral("step"))->setValue(1.0);
        lines();
        QVERIFY(ZelRangeTest::dragThrough(page.findChild<ZelRangeWidget *>()->findChild<QSlider *>(), {30}));
        QCOMPARE(lines(), QStringLiteral("ZelRangeWidget  pressed()|ZelRangeWidget  moved(30)|"
                                         "ZelRangeWidget  valueChanged(30)|ZelRangeWidget  released()"));
        auto *box = page.findChild<ZelRangeIntCheckableWidget *>()->findChild<QCheckBox *>();
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
        QCOMPARE(lines(), QStringLiteral("ZelRangeIntCheckableWidget  valueChanged({25, off})|ZelRangeIntCheckableWidget  clicked(false)"));
    }

    void zoomControlsStayInStep()
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

        auto *zoomIn = page.toolbar()->findChild<QToolButton *>(QStringLiteral("btnZoomIn")); // the toolbar's shortcut
        zoomIn->setFocus();
        ZelZoomTest::pressStandardKey(zoomIn, QKeySequence::ZoomIn);
        QVERIFY(inStep(3.0, QString()));

        page.scaleBox()->setFocus(); // a scale beyond the toolbar's largest zoom is clamped
        QTest::keyClick(page.scaleBox(), Qt::Key_End);
        QVERIFY(inStep(32.0, QString()));
        QVERIFY(!page.toolbar()->canExecZoomIn());
    }
};

QTEST_MAIN(tst_GalleryPages)
#include "tst_gallery_pages.moc"
