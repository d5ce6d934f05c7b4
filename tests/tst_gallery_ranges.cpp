// The gallery's range editors page: its controls reach the editors, their signals the log, in order.

#include "RangeEditorsPage.h"
#include "zelrange_testhelpers.h"

#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidget.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QStyleFactory>

using namespace ZelRangeTest;

class tst_GalleryRanges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void controlsReachTheEditorsAndSignalsTheLog()
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
        QVERIFY(dragThrough(page.findChild<ZelRangeWidget *>()->findChild<QSlider *>(), {30}));
        QCOMPARE(lines(), QStringLiteral("ZelRangeWidget  pressed()|ZelRangeWidget  moved(30)|"
                                         "ZelRangeWidget  valueChanged(30)|ZelRangeWidget  released()"));
        auto *box = page.findChild<ZelRangeIntCheckableWidget *>()->findChild<QCheckBox *>();
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
        QCOMPARE(lines(), QStringLiteral("ZelRangeIntCheckableWidget  valueChanged({25, off})|ZelRangeIntCheckableWidget  clicked(false)"));
    }
};

QTEST_MAIN(tst_GalleryRanges)
#include "tst_gallery_ranges.moc"
