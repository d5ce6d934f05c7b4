// The gallery's range editors page: its controls reach the editors and the
// editors' signals reach the log, in order.

#include "RangeEditorsPage.h"

#include "zelrange_testhelpers.h"

#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidget.h>

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QStyleFactory>
#include <QTest>

using namespace ZelRangeTest;

class tst_GalleryRanges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void controlsReachTheEditors();
    void emissionsAreLogged();
};

void tst_GalleryRanges::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_GalleryRanges::controlsReachTheEditors()
{
    RangeEditorsPage page;
    auto *range = page.findChild<ZelRangeWidget *>();
    auto *real = page.findChild<ZelDoubleRangeWidget *>();
    page.findChild<QDoubleSpinBox *>(QStringLiteral("maximum"))->setValue(50.0);
    page.findChild<QDoubleSpinBox *>(QStringLiteral("step"))->setValue(10.0);
    page.findChild<QSpinBox *>(QStringLiteral("decimals"))->setValue(4);

    QCOMPARE(range->range(), ZelMinMaxRange<int>(0, 50, 10));
    QCOMPARE(real->range(), ZelMinMaxRange<double>(0.0, 50.0, 10.0));
    QCOMPARE(real->decimals(), 4);
}

void tst_GalleryRanges::emissionsAreLogged()
{
    RangeEditorsPage page;
    page.resize(1000, 700);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *log = page.findChild<QListWidget *>(QStringLiteral("log"));
    auto *range = page.findChild<ZelRangeWidget *>();
    page.findChild<QDoubleSpinBox *>(QStringLiteral("step"))->setValue(1.0);
    log->clear();

    QVERIFY(dragThrough(range->findChild<QSlider *>(), {70}));
    QStringList lines;
    for (int i = 0; i < log->count(); ++i)
        lines << log->item(i)->text();
    QCOMPARE(lines, (QStringList{QStringLiteral("ZelRangeWidget  pressed()"), QStringLiteral("ZelRangeWidget  moved(70)"),
                                 QStringLiteral("ZelRangeWidget  valueChanged(70)"),
                                 QStringLiteral("ZelRangeWidget  released()")}));

    log->clear();
    auto *checkable = page.findChild<ZelRangeIntCheckableWidget *>();
    auto *box = checkable->findChild<QCheckBox *>();
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
    QCOMPARE(log->count(), 2);
    QCOMPARE(log->item(0)->text(), QStringLiteral("ZelRangeIntCheckableWidget  valueChanged({25, off})"));
    QCOMPARE(log->item(1)->text(), QStringLiteral("ZelRangeIntCheckableWidget  clicked(false)"));
}

QTEST_MAIN(tst_GalleryRanges)
#include "tst_gallery_ranges.moc"
