// The gallery's widget pages: their controls drive the widgets, the widgets
// drive each other, and every emission reaches the page's log in order.

#include "FormsPage.h"
#include "RangeEditorsPage.h"
#include "SlidersPage.h"
#include "ViewsPage.h"
#include "ZoomPage.h"
#include "zelrange_testhelpers.h"
#include "zelzoom_testhelpers.h"

#include <ZelGui/ZelConfigureRectWidget.h>
#include <ZelGui/ZelConfigureSaveWidget.h>
#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelGraphicsStatusWidget.h>
#include <ZelGui/ZelIconedButtonWithLabel.h>
#include <ZelGui/ZelPerfCounterWidget.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelVideoSlider.h>
#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSlider.h>
#include <ZelGui/ZelZoomSpinBox.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/ZelPerfCounterStore.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDir>
#include <QGraphicsView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>

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

        auto *slider = page.toolbar()->findChild<ZelZoomSlider *>(); // the toolbar's shortcut
        slider->setFocus();
        ZelZoomTest::pressStandardKey(slider, QKeySequence::ZoomIn);
        QVERIFY(inStep(3.0, QString()));

        page.scaleBox()->setFocus(); // a scale beyond the toolbar's largest zoom is clamped
        QTest::keyClick(page.scaleBox(), Qt::Key_End);
        QVERIFY(inStep(32.0, QString()));
        QVERIFY(!page.toolbar()->canExecZoomIn());
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

QTEST_MAIN(tst_GalleryPages)
#include "tst_gallery_pages.moc"
