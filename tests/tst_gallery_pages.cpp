// The gallery's widget pages: their controls drive the widgets, the widgets
// drive each other, and every emission reaches the page's log in order.

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
#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelGraphicsStatusWidget.h>
#include <ZelGui/ZelHorizontalHeaderView.h>
#include <ZelGui/ZelHSLThermoBar.h>
#include <ZelGui/ZelIconedButtonWithLabel.h>
#include <ZelGui/ZelImageFileItemModel.h>
#include <ZelGui/ZelImageFileListView.h>
#include <ZelGui/ZelLineColorPicker.h>
#include <ZelGui/ZelPerfCounterWidget.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelVideoSlider.h>
#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSpinBox.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/ZelAbstractAppConfig.h>
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

    void docksTabOrientAndComeBack()
    {
        DocksPage page;
        page.resize(900, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QList<ZelDockWidgetLPOriented *> docks = page.docks();
        const QList<OrientingPanel *> panels = page.panels(); // Layers, Adjust, Info, Timeline
        QTRY_COMPARE(page.mainWindow()->tabifiedDockWidgets(docks[1]), QList<QDockWidget *>{docks[2]});
        QStringList forms;
        for (const OrientingPanel *panel : panels)
            forms << panel->form();
        QCOMPARE(forms, (QStringList{"portrait", "portrait", "portrait", "landscape"}));

        docks[3]->setFloating(true);
        QCOMPARE(panels[3]->form(), QStringLiteral("portrait"));
        const QListWidget *log = page.log();
        QVERIFY(!log->findItems(QStringLiteral("Timeline: orientPortrait()"), Qt::MatchEndsWith).isEmpty());
        page.mainWindow()->addDockWidget(Qt::TopDockWidgetArea, docks[3]);
        docks[3]->setFloating(false);
        QCOMPARE(panels[3]->form(), QStringLiteral("landscape"));

        // A closed panel comes back through its makeVisible button.
        docks[0]->close();
        QVERIFY(!panels[0]->isVisible());
        auto *show = page.findChild<QPushButton *>(QStringLiteral("showLayers"));
        QTest::mouseClick(show, Qt::LeftButton, {}, show->rect().center());
        QVERIFY(docks[0]->isVisible() && panels[0]->isVisible());
        QVERIFY(!log->findItems(QStringLiteral("GuiUtils::makeVisible(Layers contents)"), Qt::MatchEndsWith).isEmpty());
    }

    void colourPickersReachEachOtherAndTheLog()
    {
        ColourPickersPage page;
        page.resize(900, 650);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        int first = 0;
        const auto newLines = [&] {
            QStringList lines;
            for (; first < page.log()->count(); ++first)
                lines << page.log()->item(first)->text().section(QLatin1String(". "), 1);
            return lines;
        };
        // A swatch of the line picker selects its colour in the combo box
        // (as a user colour), which sets the selector silently.
        ZelColorRectItem *coral = page.linePicker()->findChildren<ZelColorRectItem *>().at(2);
        QTest::mouseClick(coral, Qt::LeftButton, {}, coral->rect().center());
        QCOMPARE(newLines(), (QStringList{"line picker: colorChanged(#ff7f50)", "combo: activated(#ff7f50)"}));
        QCOMPARE(page.comboBox()->currentText(), QStringLiteral("User color 1"));
        QCOMPARE(QColor(page.selector()->red(), page.selector()->green(), page.selector()->blue()), QColor(0xff, 0x7f, 0x50));

        // The selector's own edits are logged and colour its box.
        auto *blue = page.selector()->findChild<ZelRangeWidget *>(QStringLiteral("blueWidget"))->findChild<QSpinBox *>();
        QTest::keyClick(blue, Qt::Key_Up);
        QCOMPARE(newLines(), (QStringList{"selector: colorChanged(#ff7f51)", "selector: colorChanged(255, 127, 81)"}));
        QCOMPARE(page.selector()->colorBox()->styleSheet(), QStringLiteral("background-color: #ff7f51;"));

        // Colour menu entries reach their bound handlers.
        page.penMenu()->actions().at(5)->trigger();
        QCOMPARE(newLines(), QStringList{"pen menu: Red (#ff0000)"});
    }

    void valuesTableDialogAndBoxesReachTheLog()
    {
        ValuesPage page;
        page.resize(1000, 700);
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QListWidget *log = page.log();
        const auto logged = [log](const QString &line) {
            for (int i = 0; i < log->count(); ++i) {
                if (log->item(i)->text().section(QLatin1String(". "), 1) == line)
                    return true;
            }
            return false;
        };
        log->clear();

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
            auto *problem = dialog->findChild<QLabel *>(QStringLiteral("problem"));
            for (const QString &typed : {QString(), QStringLiteral("Overview"), QStringLiteral("Telescope")}) {
                name->setFocus();
                name->selectAll();
                QTest::keyClicks(name, typed);
                QTest::mouseClick(ok, Qt::LeftButton);
                if (dialog->isVisible())
                    problems << problem->text();
            }
            if (dialog->isVisible())
                dialog->done(-1);
        });
        answer.start(0);
        auto *add = page.findChild<QPushButton *>(QStringLiteral("addCamera"));
        QVERIFY(add);
        QTest::mouseClick(add, Qt::LeftButton);
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

    void tablesKeepTheirLayoutAcrossRestarts()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString ini = dir.filePath(QStringLiteral("gallery.ini"));
        ZelAbstractAppConfig::reset();
        ZelAbstractAppConfig::attachIniFile(ini);
        QString layout;
        {
            TablesPage page;
            ZelHorizontalHeaderView *header = page.header();
            // A profile of its own, then a wider, moved column.
            auto *name = page.findChild<QLineEdit *>(QStringLiteral("newProfile"));
            QTest::keyClicks(name, QStringLiteral("Wide"));
            QTest::keyClick(name, Qt::Key_Return);
            QCOMPARE(page.profileBox()->currentText(), QStringLiteral("Wide"));
            header->resizeSection(2, 230);
            header->moveSection(4, 1);
            layout = QString::fromLatin1(header->saveState().toBase64());
        }
        // A restart: the memory is gone, the file is read again.
        ZelAbstractAppConfig::reset();
        ZelAbstractAppConfig::attachIniFile(ini);
        TablesPage page;
        QCOMPARE(QString::fromLatin1(page.header()->saveState().toBase64()), layout);
        QCOMPARE(page.header()->sectionSize(2), 230);
        QCOMPARE(page.profileBox()->currentText(), QStringLiteral("Wide"));
        QCOMPARE(page.table()->model()->rowCount(), 300);
        ZelAbstractAppConfig::attachIniFile(QString());
    }

    void tablesShowSampleThumbnails()
    {
        // The sample folder holds one file that is not an image; its warning is echoed.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("ZelImageFileItemModel::addImageFile")));
        TablesPage page;
        page.resize(1100, 700);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTRY_VERIFY(!page.isLoading());
        QCOMPARE(page.imageModel()->rowCount(), 12);
        const QModelIndex first = page.imageModel()->index(0);
        QVERIFY(!page.imageModel()->files().at(0)->iconPixmap.isNull());
        QCOMPARE(page.imageList()->currentIndex(), first);
        QVERIFY(page.log()->item(page.log()->count() - 1)->text().contains(QLatin1String("not loaded (ZEL-0600)")));
    }

    void colourBarsDriveTheHistogramAndSpinBoxes()
    {
        ColourPage page;
        page.resize(1000, 650);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto lastLine = [&page] {
            const QListWidget *log = page.signalLog();
            return log->item(log->count() - 1)->text().section(QLatin1String(". "), 1);
        };

        // The rainbow under the plot turns the hue histogram.
        ZelHSLThermoBarRotate *shift = page.hueShiftBar();
        const QPoint from(2, shift->height() / 2);
        QTest::mousePress(shift, Qt::LeftButton, {}, from);
        QTest::mouseMove(shift, from + QPoint(shift->width() / 4, 0));
        QTest::mouseRelease(shift, Qt::LeftButton, {}, from + QPoint(shift->width() / 4, 0));
        QVERIFY(shift->translateStartStep() > 0);
        QCOMPARE(page.histogram()->hueShift(), shift->translateStartStep());
        QCOMPARE(lastLine(), QStringLiteral("hue shift: translateStartStepChanged(%1)").arg(shift->translateStartStep()));

        // Spin boxes set the span, and show what the bar keeps.
        ZelThermoBarSpan *hue = page.spanBars().first();
        auto *min = page.findChild<QSpinBox *>(QStringLiteral("hueSpanMin"));
        QVERIFY(min);
        min->setValue(100);
        QCOMPARE(hue->spanMin(), 100);
        QCOMPARE(lastLine(), QStringLiteral("hue span: spanMinChanged(100)"));
        min->setValue(hue->spanMax() + 1); // refused by the bar
        QCOMPARE(min->value(), 100);

        // The component, log mode and selection reach the histogram.
        page.findChild<QComboBox *>(QStringLiteral("histogramComponent"))->setCurrentIndex(2);
        page.findChild<QCheckBox *>(QStringLiteral("logMode"))->setChecked(true);
        QCOMPARE(page.histogram()->component(), ZelHSLHistogram::Lightness);
        QVERIFY(page.histogram()->logMode());
        QCOMPARE(page.selectionBar()->range(), std::make_pair(0, 255));
        page.findChild<QSpinBox *>(QStringLiteral("selectionMax"))->setValue(99);
        QCOMPARE(page.histogram()->data().lightnessMax, 99);
        QCOMPARE(page.selectionBar()->spanMax(), 99);
    }

    // The capture writes the format, quality, directory and prefix the form
    // shows, never over an existing file, and shows what it wrote.
    void formsCaptureWritesWhatTheFormSays()
    {
        QTemporaryDir temporary;
        const QDir dir(temporary.filePath(QStringLiteral("кадры ночью")));
        QVERIFY(dir.mkpath(QStringLiteral(".")));
        FormsPage page;
        page.resize(1000, 700);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
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

        auto *button = page.captureButton()->findChild<QToolButton *>();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        const QString written = dir.filePath(QStringLiteral("M42 #1 0002.jpg"));
        QImageReader reader(written);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(640, 400));
        QCOMPARE(QFileInfo(busy).size(), qint64(8));
        QVERIFY2(page.captureResult()->text().startsWith(QStringLiteral("Wrote %1 (jpg, 640 x 400").arg(written))
                     && page.captureResult()->text().endsWith(QLatin1String("quality 80)")),
                 qPrintable(page.captureResult()->text()));
        QVERIFY(!page.capturePreview()->pixmap().isNull());

        format->setCurrentIndex(format->findData(QByteArray("bmp")));
        QCOMPARE(page.capture(), dir.filePath(QStringLiteral("M42 #1 0003.bmp")));
        QVERIFY(!page.captureResult()->text().contains(QLatin1String("quality")));
    }

    void formsCaptureRefusesBadPlaces_data()
    {
        QTest::addColumn<QString>("path"); // under the temporary directory unless absolute
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("why");
        QTest::newRow("no directory") << QString() << "Object_" << "No directory is chosen.";
        QTest::newRow("missing directory") << "missing" << "Object_" << "is not an existing directory.";
        QTest::newRow("a file") << "file.txt" << "Object_" << "is not an existing directory.";
        QTest::newRow("not writable") << "/proc" << "Object_" << "Cannot write /proc/Object_0001.png";
        QTest::newRow("prefix leaves") << "" << "../Object_" << "would leave the directory.";
    }

    void formsCaptureRefusesBadPlaces()
    {
        QFETCH(QString, path);
        QFETCH(QString, prefix);
        QFETCH(QString, why);
        QTemporaryDir parent;
        QDir root(parent.path());
        QVERIFY(root.mkdir(QStringLiteral("dir")));
        QFile file(root.filePath(QStringLiteral("dir/file.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        FormsPage page;
        const bool absolute = path.startsWith(u'/');
        page.saveForm()->setPath(absolute || QTest::currentDataTag() == QLatin1String("no directory")
                                     ? path
                                     : QDir(root.filePath(QStringLiteral("dir"))).filePath(path));
        auto *prefixEdit = page.saveForm()->findChild<QLineEdit *>(QStringLiteral("prefix"));
        prefixEdit->setText(prefix);
        auto *format = page.saveForm()->findChild<QComboBox *>(QStringLiteral("format"));
        format->setCurrentIndex(format->findData(QByteArray("png")));

        QCOMPARE(page.capture(), QString());
        QVERIFY2(page.captureResult()->text().startsWith(QLatin1String("Not written.")) && page.captureResult()->text().contains(why),
                 qPrintable(page.captureResult()->text()));
        QCOMPARE(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("dir")});
        QCOMPARE(QDir(root.filePath(QStringLiteral("dir"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("file.txt")});
        QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/Object_0001.png")));
    }

    // The picture follows the editors as they are edited and as applied.
    void formsRectanglesDrawAsEdited()
    {
        FormsPage page;
        page.resize(1000, 700);
        page.show();
        page.tabs()->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowActive(&page));
        ZelConfigureRectWidget *rect = page.rectEditor();
        auto *width = rect->findChild<ZelRangeWidget *>(QStringLiteral("width"))->findChild<QSpinBox *>();
        width->setFocus();
        ZelRangeTest::typeInto(width, QStringLiteral("800"));
        QCOMPARE(page.preview()->edited(RectanglePreview::Rectangle), QRect(320, 176, 800, 360));
        QCOMPARE(page.preview()->applied(RectanglePreview::Rectangle), QRect());
        auto *apply = rect->findChild<QPushButton *>(QStringLiteral("btnApply"));
        QTest::mouseClick(apply, Qt::LeftButton, Qt::NoModifier, apply->rect().center());
        QCOMPARE(page.preview()->applied(RectanglePreview::Rectangle), QRect(320, 176, 800, 360));
        QVERIFY(page.log()->toPlainText().endsWith(QLatin1String("rectangle: valueApplyed((320, 176)-(1119, 535), 800 x 360)")));
    }

    // The view records its repaints; the counters get a tab for them.
    void viewsRecordTheirOwnCounters()
    {
        ViewsPage page;
        page.resize(1000, 700);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTRY_VERIFY(!zelPerfCounterStore()->values(TimedImageView::repaintMetric).isEmpty());
        QTRY_VERIFY(!zelPerfCounterStore()->values(ViewsPage::lagMetric).isEmpty());
        QStringList tabs;
        for (int i = 0; i < page.counters()->count(); ++i)
            tabs << page.counters()->tabText(i);
        QVERIFY2(tabs.contains(QStringLiteral("M: view repaint, ms")) && tabs.contains(QStringLiteral("M: event loop lag, ms")),
                 qPrintable(tabs.join(u',')));

        // The status panel sits in the middle of the view and shows the typed text.
        ZelGraphicsStatusWidget *panel = page.statusPanel();
        const QWidget *viewport = page.view()->viewport();
        QVERIFY(panel->isVisible());
        QTRY_COMPARE(panel->pos(), QPoint((viewport->width() - 1) / 2 - 349, (viewport->height() - 1) / 2 - 124));
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
