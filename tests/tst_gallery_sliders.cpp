// The gallery's sliders page: its controls drive the sliders and emissions reach the log in order.

#include "SlidersPage.h"

#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelVideoSlider.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTest>

class tst_GallerySliders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void emissionsAreLoggedInOrder()
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

    void controlsDriveTheSliders()
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
};

QTEST_MAIN(tst_GallerySliders)
#include "tst_gallery_sliders.moc"
