// The gallery's sliders page: its controls drive the sliders and every
// emission reaches the log, in order.

#include "SlidersPage.h"

#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelSpanSliderWithIntermediateValue.h>
#include <ZelGui/ZelVideoSlider.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTest>

class tst_GallerySliders : public QObject
{
    Q_OBJECT

    // The last lines of the page's log, without their running numbers.
    static QStringList lastLines(const QListWidget *log, int count)
    {
        QStringList lines;
        for (int i = qMax(0, log->count() - count); i < log->count(); ++i)
            lines << log->item(i)->text().section(QLatin1String(". "), 1);
        return lines;
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void emissionsAreLoggedInOrder()
    {
        SlidersPage page;
        page.resize(900, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        ZelSpanSlider *h = page.horizontalSlider();
        const int lower = h->lowerValue() + 1, upper = h->upperValue();
        QTest::keyClick(h, Qt::Key_Right);
        QCOMPARE(lastLines(page.signalLog(), 2),
                 (QStringList{QStringLiteral("horizontal: lowerValueChanged(%1)").arg(lower),
                              QStringLiteral("horizontal: spanChanged(%1, %2)").arg(lower).arg(upper)}));
        ZelSpanSliderWithIntermediateValue *m = page.intermediateSlider();
        const int intermediate = m->intermediateValue() + 1;
        QTest::keyClick(m, Qt::Key_Right);
        QCOMPARE(lastLines(page.signalLog(), 2),
                 (QStringList{QStringLiteral("intermediate: intermediateChanged(%1)").arg(intermediate),
                              QStringLiteral("intermediate: intermediateMoved(%1)").arg(intermediate)}));
    }

    void controlsDriveTheSliders()
    {
        SlidersPage page;
        auto *mode = page.findChild<QComboBox *>(QStringLiteral("movementMode"));
        auto *tracking = page.findChild<QCheckBox *>(QStringLiteral("tracking"));
        auto *duration = page.findChild<QSpinBox *>(QStringLiteral("duration"));
        QVERIFY(mode && tracking && duration);
        mode->setCurrentIndex(mode->findData(QVariant::fromValue(ZelSpanSlider::NoOverlapping)));
        tracking->setChecked(false);
        duration->setValue(10);
        for (ZelSpanSlider *s : {page.horizontalSlider(), page.verticalSlider()}) {
            QCOMPARE(s->handleMovementMode(), ZelSpanSlider::NoOverlapping);
            QVERIFY(!s->hasTracking());
        }
        QCOMPARE(page.videoSlider()->usecsByStep(), qint64(10000000) / page.videoSlider()->maximum());
    }
};

QTEST_MAIN(tst_GallerySliders)
#include "tst_gallery_sliders.moc"
