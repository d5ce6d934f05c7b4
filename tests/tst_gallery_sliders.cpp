// The gallery's sliders page: its controls drive the sliders and every
// emission reaches the log, in order.

#include "SlidersPage.h"

#include <ZelGui/ZelColoredSpanSlider.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelSpanSliderWithIntermediateValue.h>
#include <ZelGui/ZelVideoSlider.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>

class tst_GallerySliders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void emissionsAreLoggedInOrder();
    void controlsDriveTheSliders();
};

namespace {

QStringList lastLines(const QListWidget *log, int count)
{
    QStringList lines;
    for (int i = qMax(0, log->count() - count); i < log->count(); ++i) {
        QString text = log->item(i)->text();
        // Drop the running number.
        lines << text.mid(text.indexOf(QLatin1String(". ")) + 2);
    }
    return lines;
}

} // namespace

void tst_GallerySliders::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_GallerySliders::emissionsAreLoggedInOrder()
{
    SlidersPage page;
    page.resize(900, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.tabs()->count(), 3);

    ZelSpanSlider *h = page.horizontalSlider();
    const int lower = h->lowerValue();
    const int upper = h->upperValue();
    QTest::keyClick(h, Qt::Key_Right);
    QCOMPARE(lastLines(page.signalLog(), 2),
             (QStringList{QStringLiteral("horizontal: lowerValueChanged(%1)").arg(lower + 1),
                          QStringLiteral("horizontal: spanChanged(%1, %2)").arg(lower + 1).arg(upper)}));

    ZelSpanSliderWithIntermediateValue *m = page.intermediateSlider();
    const int intermediate = m->intermediateValue();
    QTest::keyClick(m, Qt::Key_Right);
    QCOMPARE(lastLines(page.signalLog(), 2),
             (QStringList{QStringLiteral("intermediate: intermediateChanged(%1)").arg(intermediate + 1),
                          QStringLiteral("intermediate: intermediateMoved(%1)").arg(intermediate + 1)}));
}

void tst_GallerySliders::controlsDriveTheSliders()
{
    SlidersPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    auto *mode = page.findChild<QComboBox *>(QStringLiteral("movementMode"));
    QVERIFY(mode);
    mode->setCurrentIndex(mode->findData(QVariant::fromValue(ZelSpanSlider::NoOverlapping)));
    QCOMPARE(page.horizontalSlider()->handleMovementMode(), ZelSpanSlider::NoOverlapping);
    QCOMPARE(page.verticalSlider()->handleMovementMode(), ZelSpanSlider::NoOverlapping);

    auto *tracking = page.findChild<QCheckBox *>(QStringLiteral("tracking"));
    QVERIFY(tracking);
    tracking->setChecked(false);
    QVERIFY(!page.horizontalSlider()->hasTracking());
    QVERIFY(!page.verticalSlider()->hasTracking());

    auto *duration = page.findChild<QSpinBox *>(QStringLiteral("duration"));
    QVERIFY(duration);
    duration->setValue(10);
    QCOMPARE(page.videoSlider()->duration(), qint64(10000000));
    QCOMPARE(page.videoSlider()->usecsByStep(), qint64(10000000) / page.videoSlider()->maximum());
}

QTEST_MAIN(tst_GallerySliders)
#include "tst_gallery_sliders.moc"
