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
#include "zelrange_testhelpers.h"
#include "zelzoom_testhelpers.h"
#include "ZoomPage.h"

#include <ZelGui/ZelBoolComboBox.h>
#include <ZelGui/ZelColorComboBox.h>
#include <ZelGui/ZelColorRectItem.h>
#include <ZelGui/ZelColorSelectWidget.h>
#include <ZelGui/ZelConfigureRectWidget.h>
#include <ZelGui/ZelConfigureSaveWidget.h>
#include <ZelGui/ZelDockWidgetLPOriented.h>
#include <ZelGui/ZelGraphicsStatusWidget.h>
#include <ZelGui/ZelHSLThermoBar.h>
#include <ZelGui/ZelIconedButtonWithLabel.h>
#include <ZelGui/ZelImageFileItemModel.h>
#include <ZelGui/ZelImageFileListView.h>
#include <ZelGui/ZelLineColorPicker.h>
#include <ZelGui/ZelPerfCounterWidget.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSpinBox.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/ZelPerfCounterStore.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGraphicsView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
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
    }

    void rangeControlsReachTheEditorsAndSignalsTheLog()
    {
        RangeEditorsPage page;
        QVERIFY(showActive(page));
        page.findChild<QDoubleSpinBox *>(QStringLiteral("maximum"))->setValue(50.0);
        page.findChild<QDoubleSpinBox *>(QStringLiteral("step"))->setValue(1.0);
        QCOMPARE(page.findChild<ZelRangeWidget *>()->range(), ZelMinMaxRange<int>(0, 50, 1));

        auto *log = page.findChild<QListWidget *>(QStringLiteral("log"));
        int first = log->count();
        QVERIFY(ZelRangeTest::dragThrough(page.findChild<ZelRangeWidget *>()->findChild<QSlider *>(), {30}));
        QCOMPARE(newLines(log, first, false).join(u'|'), QStringLiteral("ZelRangeWidget  pressed()|ZelRangeWidget  moved(30)|"
                                                                         "ZelRangeWidget  valueChanged(30)|ZelRangeWidget  released()"));
        click(page.findChild<ZelRangeIntCheckableWidget *>()->findChild<QCheckBox *>());
        QCOMPARE(newLines(log, first, false).join(u'|'),
                 QStringLiteral("ZelRangeIntCheckableWidget  valueChanged({25, off})|ZelRangeIntCheckableWidget  clicked(false)"));
    }

    void zoomControlsStayInStep()
    {
        ZoomPage page;
        QVERIFY(showActive(page, QSize(900, 600)));
        int first = 0;
        const auto inStep = [&](double zoom, const QString &scale) {
            return page.toolbar()->zoom() == zoom && page.percentBox()->zoom() == zoom
                && page.view()->transform() == QTransform::fromScale(zoom, zoom) && page.scaleBox()->currentText() == scale;
        };
        QVERIFY(inStep(2.0, QStringLiteral("1:2")));
        QVERIFY(!newLines(page.log(), first).isEmpty());

        page.scaleBox()->setFocus(); // the next scale down the list
        QTest::keyClick(page.scaleBox(), Qt::Key_Down);
        QVERIFY(inStep(2.5, QStringLiteral("1:2,5")));
        const QStringList lines = newLines(page.log(), first);
        QCOMPARE(lines.first(), QStringLiteral("GOST scale: 250% (2.5)"));
        QVERIFY(lines.contains(QStringLiteral("toolbar: 250% (2.5)")) && lines.contains(QStringLiteral("percent box: 250% (2.5)")));

        page.percentBox()->setFocus(); // no standard scale: the list is emptied
        QTest::keyClick(page.percentBox(), Qt::Key_Up);
        QVERIFY(inStep(2.51, QString()) && page.scaleBox()->currentIndex() == -1);
        QCOMPARE(newLines(page.log(), first).first(), QStringLiteral("percent box: 251% (2.51)"));

        page.scaleBox()->setFocus(); // beyond the toolbar's largest zoom: clamped
        QTest::keyClick(page.scaleBox(), Qt::Key_End);
        QVERIFY(inStep(32.0, QString()));
        QVERIFY(!page.toolbar()->canExecZoomIn());
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

        docks[3]->setFloating(true);
        QCOMPARE(panels[3]->form(), QStringLiteral("portrait"));
        const QListWidget *log = page.log();
        QVERIFY(!log->findItems(QStringLiteral("Timeline: orientPortrait()"), Qt::MatchEndsWith).isEmpty());

        docks[0]->close(); // comes back through its makeVisible button
        QVERIFY(!panels[0]->isVisible());
        click(page.findChild<QPushButton *>(QStringLiteral("showLayers")));
        QVERIFY(docks[0]->isVisible() && panels[0]->isVisible());
        QVERIFY(!log->findItems(QStringLiteral("GuiUtils::makeVisible(Layers contents)"), Qt::MatchEndsWith).isEmpty());
    }

    void colourPickersReachEachOtherAndTheLog()
    {
        ColourPickersPage page;
        QVERIFY(showActive(page, QSize(900, 650)));
        int first = page.log()->count();
        // A line picker swatch becomes a user colour of the combo box, which sets the selector silently.
        click(page.linePicker()->findChildren<ZelColorRectItem *>().at(2));
        QCOMPARE(newLines(page.log(), first), (QStringList{"line picker: colorChanged(#ff7f50)", "combo: activated(#ff7f50)"}));
        QCOMPARE(page.comboBox()->currentText(), QStringLiteral("User color 1"));
        QCOMPARE(QColor(page.selector()->red(), page.selector()->green(), page.selector()->blue()), QColor(0xff, 0x7f, 0x50));

        auto *blue = page.selector()->findChild<ZelRangeWidget *>(QStringLiteral("blueWidget"))->findChild<QSpinBox *>();
        QTest::keyClick(blue, Qt::Key_Up);
        QCOMPARE(newLines(page.log(), first), (QStringList{"selector: colorChanged(#ff7f51)", "selector: colorChanged(255, 127, 81)"}));
        QCOMPARE(page.selector()->colorBox()->styleSheet(), QStringLiteral("background-color: #ff7f51;"));

        page.penMenu()->actions().at(5)->trigger();
        QCOMPARE(newLines(page.log(), first), QStringList{"pen menu: Red (#ff0000)"});
    }

    void valuesTableDialogAndBoxesReachTheLog()
    {
        ValuesPage page;
        QVERIFY(showActive(page));
        page.log()->clear();
        int first = 0;
        QStringList lines;
        const auto logged = [&](const QString &line) {
            lines += newLines(page.log(), first);
            return lines.contains(line);
        };

        // The dialog refuses a missing and a taken name, then takes a new one.
        QStringList problems;
        QTimer answer;
        connect(&answer, &QTimer::timeout, &page, [&] {
            auto *dialog = qobject_cast<CameraDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            answer.stop();
            QLineEdit *name = dialog->editor()->nameEdit();
            QPushButton *ok = dialog->buttonBox()->button(QDialogButtonBox::Ok);
            for (const QString &typed : {QString(), QStringLiteral("Overview"), QStringLiteral("Telescope")}) {
                name->setFocus();
                name->selectAll();
                QTest::keyClicks(name, typed);
                QTest::mouseClick(ok, Qt::LeftButton);
                if (dialog->isVisible())
                    problems << dialog->findChild<QLabel *>(QStringLiteral("problem"))->text();
            }
            if (dialog->isVisible())
                dialog->done(-1);
        });
        answer.start(0);
        QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("addCamera")), Qt::LeftButton);
        QCOMPARE(problems, (QStringList{QStringLiteral("A camera needs a name."),
                                        QStringLiteral("Another camera is called “Overview”.")}));
        QCOMPARE(page.cameraModel()->names().last(), QStringLiteral("Telescope"));
        QVERIFY(logged(QStringLiteral("dialog: accepted")) && logged(QStringLiteral("cameras: rowsCountChanged() → 4 rows")));

        // Two adjacent rows go in one removal.
        page.cameraView()->setFocus();
        page.cameraView()->selectRow(1);
        page.cameraView()->selectionModel()->select(page.cameraModel()->index(2, 0),
                                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(page.cameraView(), Qt::Key_Delete);
        QCOMPARE(page.cameraModel()->names(), (QStringList{QStringLiteral("Overview"), QStringLiteral("Telescope")}));
        QVERIFY(logged(QStringLiteral("cameras: rowsCountChanged() → 2 rows")));
        QVERIFY(!logged(QStringLiteral("cameras: rowsCountChanged() → 3 rows")));

        page.boolBox()->setFocus();
        QTest::keyClick(page.boolBox(), Qt::Key_Down);
        QVERIFY(logged(QStringLiteral("Boolean box: boolValueChanged(false)")));
    }

    void tablesShowSampleThumbnails()
    {
        // The sample folder holds one file that is not an image; its warning is echoed.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("ZelImageFileItemModel::addImageFile")));
        TablesPage page;
        QVERIFY(showActive(page, QSize(1100, 700)));
        QTRY_VERIFY(!page.isLoading());
        QCOMPARE(page.imageModel()->rowCount(), 12);
        QVERIFY(!page.imageModel()->files().at(0)->iconPixmap.isNull());
        QCOMPARE(page.imageList()->currentIndex(), page.imageModel()->index(0));
        QVERIFY(page.log()->item(page.log()->count() - 1)->text().contains(QLatin1String("not loaded (ZEL-0600)")));
    }

    void colourBarsDriveTheHistogramAndSpinBoxes()
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

        // Spin boxes set the span, and show what the bar keeps.
        ZelThermoBarSpan *hue = page.spanBars().first();
        auto *min = page.findChild<QSpinBox *>(QStringLiteral("hueSpanMin"));
        min->setValue(100);
        QCOMPARE(hue->spanMin(), 100);
        QCOMPARE(newLines(page.signalLog(), first).last(), QStringLiteral("hue span: spanMinChanged(100)"));
        min->setValue(hue->spanMax() + 1); // refused by the bar
        QCOMPARE(min->value(), 100);
    }

    // The capture writes what the form shows, never over an existing file;
    // the rectangle editors draw and log what is applied.
    void formsCaptureAndRectanglesReachTheLog()
    {
        QTemporaryDir temporary;
        const QDir dir(temporary.filePath(QStringLiteral("кадры ночью")));
        QVERIFY(dir.mkpath(QStringLiteral(".")));
        FormsPage page;
        QVERIFY(showActive(page));
        ZelConfigureSaveWidget *form = page.saveForm();
        form->setPath(dir.path());
        auto *format = form->findChild<QComboBox *>(QStringLiteral("format"));
        format->setCurrentIndex(format->findData(QByteArray("jpg")));
        auto *quality = form->findChild<QSpinBox *>(QStringLiteral("quality"));
        quality->setFocus();
        QTest::keyClick(quality, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(quality, QStringLiteral("80"));
        auto *prefix = form->findChild<QLineEdit *>(QStringLiteral("prefix"));
        prefix->setFocus();
        QTest::keyClick(prefix, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(prefix, QStringLiteral("M42 #1 "));
        const QString busy = dir.filePath(QStringLiteral("M42 #1 0001.jpg"));
        QFile taken(busy); // someone else's file: kept as it is
        QVERIFY(taken.open(QIODevice::WriteOnly) && taken.write("not ours") == 8);
        taken.close();

        click(page.captureButton()->findChild<QToolButton *>());
        const QString written = dir.filePath(QStringLiteral("M42 #1 0002.jpg"));
        QImageReader reader(written);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(640, 400));
        QCOMPARE(QFileInfo(busy).size(), qint64(8));
        QVERIFY2(page.captureResult()->text().startsWith(QStringLiteral("Wrote %1 (jpg, 640 x 400").arg(written))
                     && page.captureResult()->text().endsWith(QLatin1String("quality 80)")),
                 qPrintable(page.captureResult()->text()));

        page.tabs()->setCurrentIndex(1);
        ZelConfigureRectWidget *rect = page.rectEditor();
        auto *width = rect->findChild<ZelRangeWidget *>(QStringLiteral("width"))->findChild<QSpinBox *>();
        width->setFocus();
        ZelRangeTest::typeInto(width, QStringLiteral("800"));
        QCOMPARE(page.preview()->edited(RectanglePreview::Rectangle), QRect(320, 176, 800, 360));
        QCOMPARE(page.preview()->applied(RectanglePreview::Rectangle), QRect());
        click(rect->findChild<QPushButton *>(QStringLiteral("btnApply")));
        QCOMPARE(page.preview()->applied(RectanglePreview::Rectangle), QRect(320, 176, 800, 360));
        QVERIFY(page.log()->toPlainText().endsWith(QLatin1String("rectangle: valueApplyed((320, 176)-(1119, 535), 800 x 360)")));
    }

    // The view records its repaints, the counters get a tab for them, the status panel shows the typed text.
    void viewsRecordTheirOwnCounters()
    {
        ViewsPage page;
        QVERIFY(showActive(page));
        QTRY_VERIFY(!zelPerfCounterStore()->values(TimedImageView::repaintMetric).isEmpty());
        QTRY_VERIFY(!zelPerfCounterStore()->values(ViewsPage::lagMetric).isEmpty());
        QStringList tabs;
        for (int i = 0; i < page.counters()->count(); ++i)
            tabs << page.counters()->tabText(i);
        QVERIFY2(tabs.contains(QStringLiteral("M: view repaint, ms")) && tabs.contains(QStringLiteral("M: event loop lag, ms")),
                 qPrintable(tabs.join(u',')));

        ZelGraphicsStatusWidget *panel = page.statusPanel();
        page.statusText()->selectAll();
        QTest::keyClicks(page.statusText(), QStringLiteral("Cooling down"));
        QCOMPARE(panel->status().message().text(), QStringLiteral("Cooling down"));
        page.statusShown()->click();
        QVERIFY(!panel->isVisible());
        const QRect free = page.view()->contentRect();
        QCOMPARE(page.contentRectReadout()->text(),
                 QStringLiteral("(%1, %2) %3 × %4").arg(free.x()).arg(free.y()).arg(free.width()).arg(free.height()));
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
