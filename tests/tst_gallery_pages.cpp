// The gallery's widget pages: one test per page that its widgets are live,
// drive each other, and reach the page's log in order.

#include "ColourPage.h"
#include "ColourPickersPage.h"
#include "DocksPage.h"
#include "FormsPage.h"
#include "GalleryApplication.h"
#include "OrientingPanel.h"
#include "RangeEditorsPage.h"
#include "SlidersPage.h"
#include "TablesPage.h"
#include "ValuesDemos.h"
#include "ValuesPage.h"
#include "ViewsPage.h"
#include "ZoomPage.h"
#include "zelrange_testhelpers.h"
#include "zelzoom_testhelpers.h"

#include <ZelGui/ZelBoolComboBox.h>
#include <ZelGui/ZelColorRectItem.h>
#include <ZelGui/ZelColorSelectWidget.h>
#include <ZelGui/ZelConfigureRectWidget.h>
#include <ZelGui/ZelConfigureSaveWidget.h>
#include <ZelGui/ZelDockWidgetLPOriented.h>
#include <ZelGui/ZelGraphicsStatusWidget.h>
#include <ZelGui/ZelHSLThermoBar.h>
#include <ZelGui/ZelHorizontalHeaderView.h>
#include <ZelGui/ZelIconedButtonWithLabel.h>
#include <ZelGui/ZelLineColorPicker.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSpinBox.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelPerfCounterStore.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

template<class Page>
bool showActive(Page &page, QSize size = QSize(1000, 700))
{
    page.resize(size);
    page.show();
    return QTest::qWaitForWindowActive(&page);
}

// The log's lines from first on, without their running numbers unless the
// page writes none; first moves past them.
QStringList newLines(const QListWidget *log, int &first, bool numbered = true)
{
    QStringList lines;
    for (; first < log->count(); ++first)
        lines << (numbered ? log->item(first)->text().section(QLatin1String(". "), 1) : log->item(first)->text());
    return lines;
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

} // namespace

class tst_GalleryPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ZelZoomTest::useFusionStyle(); }
    void init() { ZelZoomTest::failOnOtherWarnings(); }

    void slidersLogEmissionsInOrder()
    {
        SlidersPage page;
        QVERIFY(showActive(page));
        ZelSpanSlider *h = page.horizontalSlider();
        const int lower = h->lowerValue() + 1, upper = h->upperValue();
        int first = page.signalLog()->count();
        QTest::keyClick(h, Qt::Key_Right);
        QCOMPARE(newLines(page.signalLog(), first),
                 (QStringList{QStringLiteral("horizontal: lowerValueChanged(%1)").arg(lower),
                              QStringLiteral("horizontal: spanChanged(%1, %2)").arg(lower).arg(upper)}));
        // "Clear log" empties the shared log, and its numbering starts again at 1.
        click(page.signalLog()->parentWidget()->findChild<QPushButton *>());
        QCOMPARE(page.signalLog()->count(), 0);
        QTest::keyClick(h, Qt::Key_Left);
        QCOMPARE(page.signalLog()->item(0)->text(), QStringLiteral("1. horizontal: lowerValueChanged(%1)").arg(lower - 1));
    }

    void rangeControlsReachTheEditorsAndSignalsTheLog()
    {
        RangeEditorsPage page;
        QVERIFY(showActive(page));
        auto *log = page.findChild<QListWidget *>(QStringLiteral("log"));
        int first = log->count();
        QVERIFY(ZelRangeTest::dragThrough(page.findChild<ZelRangeWidget *>()->findChild<QSlider *>(), {30}));
        QCOMPARE(newLines(log, first, false).join(u'|'),
                 QStringLiteral("ZelRangeWidget  pressed()|ZelRangeWidget  moved(30)|"
                                "ZelRangeWidget  valueChanged(30)|ZelRangeWidget  released()"));
        click(page.findChild<ZelRangeIntCheckableWidget *>()->findChild<QCheckBox *>());
        QCOMPARE(newLines(log, first, false).join(u'|'),
                 QStringLiteral("ZelRangeIntCheckableWidget  valueChanged({25, off})|ZelRangeIntCheckableWidget  clicked(false)"));
    }

    void zoomControlsStayInStep()
    {
        ZoomPage page;
        QVERIFY(showActive(page, QSize(900, 600)));
        int first = page.log()->count();
        page.scaleBox()->setFocus(); // the next scale down the list
        QTest::keyClick(page.scaleBox(), Qt::Key_Down);
        QCOMPARE(page.scaleBox()->currentText(), QStringLiteral("1:2,5"));
        QCOMPARE(page.toolbar()->zoom(), 2.5);
        QCOMPARE(page.percentBox()->zoom(), 2.5);
        QCOMPARE(page.view()->transform(), QTransform::fromScale(2.5, 2.5));
        QCOMPARE(newLines(page.log(), first).first(), QStringLiteral("GOST scale: 250% (2.5)"));
    }

    void docksTabOrientAndComeBack()
    {
        DocksPage page;
        QVERIFY(showActive(page, QSize(900, 600)));
        const QList<ZelDockWidgetLPOriented *> docks = page.docks();
        const QList<OrientingPanel *> panels = page.panels(); // Layers, Adjust, Info, Timeline
        QTRY_COMPARE(page.mainWindow()->tabifiedDockWidgets(docks[1]), QList<QDockWidget *>{docks[2]});
        QCOMPARE(panels[0]->form(), QStringLiteral("portrait"));
        QCOMPARE(panels[3]->form(), QStringLiteral("landscape"));

        docks[0]->close(); // comes back through its makeVisible button
        click(page.findChild<QPushButton *>(QStringLiteral("showLayers")));
        QVERIFY(docks[0]->isVisible() && panels[0]->isVisible());
        QVERIFY(!page.log()->findItems(QStringLiteral("GuiUtils::makeVisible(Layers contents)"), Qt::MatchEndsWith).isEmpty());
    }

    void colourPickersReachEachOtherAndTheLog()
    {
        ColourPickersPage page;
        QVERIFY(showActive(page, QSize(900, 650)));
        int first = page.log()->count();
        // A line picker swatch becomes a user colour of the combo box, which sets the selector silently.
        click(page.linePicker()->findChildren<ZelColorRectItem *>().at(2));
        QCOMPARE(newLines(page.log(), first), (QStringList{"line picker: colorChanged(#ff7f50)", "combo: activated(#ff7f50)"}));
        QCOMPARE(QColor(page.selector()->red(), page.selector()->green(), page.selector()->blue()), QColor(0xff, 0x7f, 0x50));

        page.penMenu()->actions().at(5)->trigger();
        QCOMPARE(newLines(page.log(), first), QStringList{"pen menu: Red (#ff0000)"});
    }

    void valuesTableAndBoxesReachTheLog()
    {
        ValuesPage page;
        QVERIFY(showActive(page));
        page.log()->clear();
        int first = 0;
        // Two adjacent rows go in one removal.
        page.cameraView()->setFocus();
        page.cameraView()->selectRow(1);
        page.cameraView()->selectionModel()->select(page.cameraModel()->index(2, 0),
                                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(page.cameraView(), Qt::Key_Delete);
        QCOMPARE(page.cameraModel()->names(), QStringList{QStringLiteral("Overview")});
        page.boolBox()->setFocus();
        QTest::keyClick(page.boolBox(), Qt::Key_Down);
        QCOMPARE(
            newLines(page.log(), first),
            (QStringList{QStringLiteral("cameras: rowsCountChanged() → 1 rows"), QStringLiteral("Boolean box: boolValueChanged(false)")}));
    }

    void tablesKeepTheirLayoutAcrossRestarts()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("gallery.ini"));
        ZelAbstractAppConfig::reset();
        ZelAbstractAppConfig::attachIniFile(ini);
        QByteArray layout;
        {
            TablesPage page;
            // A profile of its own, then a wider, moved column.
            auto *name = page.findChild<QLineEdit *>(QStringLiteral("newProfile"));
            QTest::keyClicks(name, QStringLiteral("Wide"));
            QTest::keyClick(name, Qt::Key_Return);
            page.header()->resizeSection(2, 230);
            page.header()->moveSection(4, 1);
            layout = page.header()->saveState();
        }
        // A restart: the memory is gone, the file is read again.
        ZelAbstractAppConfig::reset();
        ZelAbstractAppConfig::attachIniFile(ini);
        TablesPage page;
        QCOMPARE(page.header()->saveState(), layout);
        QCOMPARE(page.profileBox()->currentText(), QStringLiteral("Wide"));
        ZelAbstractAppConfig::attachIniFile(QString());
    }

    void colourBarsDriveTheHistogram()
    {
        ColourPage page;
        QVERIFY(showActive(page, QSize(1000, 650)));
        int first = page.signalLog()->count();

        // The rainbow under the plot turns the hue histogram.
        ZelHSLThermoBarRotate *shift = page.hueShiftBar();
        const QPoint from(2, shift->height() / 2), to = from + QPoint(shift->width() / 4, 0);
        QTest::mousePress(shift, Qt::LeftButton, {}, from);
        QTest::mouseMove(shift, to);
        QTest::mouseRelease(shift, Qt::LeftButton, {}, to);
        QVERIFY(shift->translateStartStep() > 0);
        QCOMPARE(page.histogram()->hueShift(), shift->translateStartStep());
        QCOMPARE(newLines(page.signalLog(), first).last(),
                 QStringLiteral("hue shift: translateStartStepChanged(%1)").arg(shift->translateStartStep()));
    }

    // The capture writes a file; the rectangle editors draw and log what is applied.
    void formsCaptureAndRectanglesReachTheLog()
    {
        QTemporaryDir temporary;
        FormsPage page;
        QVERIFY(showActive(page));
        page.saveForm()->setPath(temporary.path());
        click(page.captureButton()->findChild<QToolButton *>());
        QCOMPARE(QDir(temporary.path()).entryList(QDir::Files).size(), 1);

        page.tabs()->setCurrentIndex(1);
        ZelConfigureRectWidget *rect = page.rectEditor();
        auto *width = rect->findChild<ZelRangeWidget *>(QStringLiteral("width"))->findChild<QSpinBox *>();
        width->setFocus();
        ZelRangeTest::typeInto(width, QStringLiteral("800"));
        click(rect->findChild<QPushButton *>(QStringLiteral("btnApply")));
        QCOMPARE(page.preview()->applied(RectanglePreview::Rectangle), QRect(320, 176, 800, 360));
        QVERIFY(page.log()->toPlainText().endsWith(QLatin1String("rectangle: valueApplyed((320, 176)-(1119, 535), 800 x 360)")));
    }

    // The view records its repaints, the counters get a tab for them, the status panel shows the typed text.
    void viewsRecordTheirOwnCounters()
    {
        ViewsPage page;
        QVERIFY(showActive(page));
        QTRY_VERIFY(!zelPerfCounterStore()->values(ViewsPage::lagMetric).isEmpty());
        ZelGraphicsStatusWidget *panel = page.statusPanel();
        page.statusText()->selectAll();
        QTest::keyClicks(page.statusText(), QStringLiteral("Cooling down"));
        QCOMPARE(panel->status().message().text(), QStringLiteral("Cooling down"));
        page.statusShown()->click();
        QVERIFY(!panel->isVisible());
    }
};

int main(int argc, char *argv[])
{
    // The gallery's own application object: its font database feeds the font box.
    GalleryApplication app(argc, argv);
    tst_GalleryPages test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_gallery_pages.moc"
