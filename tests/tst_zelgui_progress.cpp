// Progress and status widgets: the busy indicator and its input block, the
// progress dialog's form, the status form's rows and the long-exposure
// widget with its seconds text.

#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelInfiniteProgressDialog.h>
#include <ZelGui/ZelLongExposureWidget.h>
#include <ZelGui/ZelProgressDialog.h>
#include <ZelGui/ZelStatusForm.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTranslator>
#include <QVBoxLayout>

namespace {

// A window of the host with a button and a line edit to poke at.
struct HostWindow
{
    HostWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        button = new QPushButton(QStringLiteral("Host"), &window);
        edit = new QLineEdit(&window);
        layout->addWidget(button);
        layout->addWidget(edit);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        window.show();
    }

    QWidget window;
    QPushButton *button = nullptr;
    QLineEdit *edit = nullptr;
    int clicks = 0;
};

QStringList formRows(QWidget *form)
{
    QStringList rows;
    auto *layout = qobject_cast<QFormLayout *>(form->layout());
    if (!layout)
        return rows;
    for (int row = 0; row < layout->rowCount(); ++row) {
        auto *name = layout->itemAt(row, QFormLayout::LabelRole);
        auto *value = layout->itemAt(row, QFormLayout::FieldRole);
        auto *span = layout->itemAt(row, QFormLayout::SpanningRole);
        if (span) {
            rows << QStringLiteral("[%1]").arg(QLatin1String(span->widget()->metaObject()->className()));
            continue;
        }
        rows << qobject_cast<QLabel *>(name->widget())->text() + QLatin1Char(' ')
                    + qobject_cast<QLabel *>(value->widget())->text();
    }
    return rows;
}

} // namespace

class tst_ZelProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void busyIndicatorWithoutButton();
    void busyIndicatorWithButtonBlocksInput();
    void hiddenOrDeletedButtonLiftsTheBlock();
    void busyIndicatorAccessors();

    void progressDialogForm();
    void progressDialogForwardsToTheBar();

    void statusFormUpdatesValuesInPlace();
    void statusFormRebuildsForNewNames();
    void statusLineAndBarAppearOnFirstUse();
    void indeterminateBeforeProgress();

    void exposureBarText_data();
    void exposureBarText();
    void updateCountsTheExposure_data();
    void updateCountsTheExposure();
    void exposureWidgetForwardsEditorAndCheck();
    void russianTexts();
};

void tst_ZelProgress::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_ZelProgress::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )")));
}

void tst_ZelProgress::busyIndicatorWithoutButton()
{
    HostWindow host;
    ZelInfiniteProgressDialog busy(QString{});
    busy.setOperationText(QStringLiteral("Loading"));
    busy.show();
    QVERIFY(QTest::qWaitForWindowExposed(&busy));
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));

    QCOMPARE(busy.size(), QSize(300, 80));
    QCOMPARE(busy.sizeHint(), QSize(300, 100));
    QVERIFY(busy.buttonText().isEmpty());
    QVERIFY(!busy.isButtonVisible());
    QVERIFY(busy.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(busy.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(busy.progress()->minimum(), 0);
    QCOMPARE(busy.progress()->maximum(), 0);

    // Nothing is blocked.
    QTest::mouseClick(host.button, Qt::LeftButton, {}, host.button->rect().center());
    QCOMPARE(host.clicks, 1);
    QTest::keyClicks(host.edit, QStringLiteral("ok"));
    QCOMPARE(host.edit->text(), QStringLiteral("ok"));

    // Button operations are ignored.
    busy.setButtonText(QStringLiteral("Stop"));
    busy.setButtonVisible(true);
    QVERIFY(busy.buttonText().isEmpty());
    QVERIFY(!busy.isButtonVisible());
}

void tst_ZelProgress::busyIndicatorWithButtonBlocksInput()
{
    HostWindow host;
    ZelInfiniteProgressDialog busy(QStringLiteral("Cancel"));
    busy.show();
    QVERIFY(QTest::qWaitForWindowExposed(&busy));
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));

    QCOMPARE(busy.size(), QSize(300, 100));
    QCOMPARE(busy.sizeHint(), QSize(300, 120));
    QCOMPARE(busy.buttonText(), QStringLiteral("Cancel"));
    QVERIFY(busy.isButtonVisible());
    QSignalSpy clicked(&busy, &ZelInfiniteProgressDialog::buttonClicked);

    QTest::mouseClick(host.button, Qt::LeftButton, {}, host.button->rect().center());
    QCOMPARE(host.clicks, 0);
    host.edit->setFocus();
    QTest::keyClicks(host.edit, QStringLiteral("typed"));
    QTest::keyClick(host.edit, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(host.edit->text().isEmpty());

    auto *button = busy.findChild<QPushButton *>();
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QCOMPARE(clicked.count(), 1);
    // Keys do not reach the button either.
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(clicked.count(), 1);
}

void tst_ZelProgress::hiddenOrDeletedButtonLiftsTheBlock()
{
    HostWindow host;
    auto *busy = new ZelInfiniteProgressDialog(QStringLiteral("Cancel"));
    busy->show();
    QVERIFY(QTest::qWaitForWindowExposed(busy));
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));

    busy->setButtonVisible(false);
    QVERIFY(!busy->isButtonVisible());
    QTest::mouseClick(host.button, Qt::LeftButton, {}, host.button->rect().center());
    QCOMPARE(host.clicks, 1);

    busy->setButtonVisible(true);
    QTest::mouseClick(host.button, Qt::LeftButton, {}, host.button->rect().center());
    QCOMPARE(host.clicks, 1);

    delete busy;
    QTest::mouseClick(host.button, Qt::LeftButton, {}, host.button->rect().center());
    QCOMPARE(host.clicks, 2);
    QTest::keyClicks(host.edit, QStringLiteral("free"));
    QCOMPARE(host.edit->text(), QStringLiteral("free"));
}

void tst_ZelProgress::busyIndicatorAccessors()
{
    ZelInfiniteProgressDialog busy(QStringLiteral("Stop"));
    busy.setText(QStringLiteral("kept"));
    busy.setOperationText(QStringLiteral("Stitching"));
    busy.setButtonText(QStringLiteral("Abort"));
    busy.setProgressBarVisible(false);
    QCOMPARE(busy.text(), QStringLiteral("kept"));
    QCOMPARE(busy.property("text").toString(), QStringLiteral("kept"));
    QCOMPARE(busy.operationText(), QStringLiteral("Stitching"));
    QCOMPARE(busy.buttonText(), QStringLiteral("Abort"));
    QVERIFY(!busy.isProgressBarVisible());
    QVERIFY(!busy.property("progressBarVisible").toBool());
    busy.setProperty("progressBarVisible", true);
    QVERIFY(busy.isProgressBarVisible());

    busy.show();
    QVERIFY(QTest::qWaitForWindowExposed(&busy));
    // The kept text is not shown anywhere.
    for (QLabel *label : busy.findChildren<QLabel *>()) {
        if (label->text() == QLatin1String("kept"))
            QVERIFY(!label->isVisible());
    }
}

void tst_ZelProgress::progressDialogForm()
{
    QWidget parent;
    ZelProgressDialog dialog(&parent);
    QCOMPARE(dialog.objectName(), QStringLiteral("ZelProgressDialog"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Progress"));
    QCOMPARE(dialog.minimumSize(), QSize(400, 100));
    QCOMPARE(dialog.maximumSize(), QSize(400, 100));
    QCOMPARE(dialog.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(dialog.status(), QStringLiteral("Status"));
    QCOMPARE(dialog.value(), 24);
    QCOMPARE(dialog.parentWidget(), &parent);
}

void tst_ZelProgress::progressDialogForwardsToTheBar()
{
    ZelProgressDialog dialog(nullptr);
    dialog.setMinimumValue(10);
    dialog.setMaximumValue(50);
    dialog.setValue(30);
    dialog.setStatus(QStringLiteral("Saving 3 of 5"));
    auto *bar = dialog.findChild<QProgressBar *>(QStringLiteral("progressBar"));
    QCOMPARE(bar->minimum(), 10);
    QCOMPARE(bar->maximum(), 50);
    QCOMPARE(bar->value(), 30);
    QCOMPARE(dialog.minimumValue(), 10);
    QCOMPARE(dialog.maximumValue(), 50);
    QCOMPARE(dialog.value(), 30);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("status"))->text(), QStringLiteral("Saving 3 of 5"));

    // Out of range values are the bar's business: ignored.
    dialog.setValue(80);
    QCOMPARE(dialog.value(), 30);
}

void tst_ZelProgress::statusFormUpdatesValuesInPlace()
{
    ZelStatusForm form(nullptr);
    form.setStatusFields({{QStringLiteral("Camera"), QStringLiteral("ready")},
                          {QStringLiteral("Bin"), QStringLiteral("2x2")}});
    QCOMPARE(formRows(&form), (QStringList{"<b>Bin:</b> 2x2", "<b>Camera:</b> ready"}));
    QPointer<QLayout> layout = form.layout();
    QPointer<QLabel> camera = qobject_cast<QLabel *>(
        static_cast<QFormLayout *>(form.layout())->itemAt(1, QFormLayout::FieldRole)->widget());

    form.setStatusFields({{QStringLiteral("Camera"), QStringLiteral("busy")},
                          {QStringLiteral("Bin"), QStringLiteral("1x1")}});
    QCOMPARE(formRows(&form), (QStringList{"<b>Bin:</b> 1x1", "<b>Camera:</b> busy"}));
    QCOMPARE(form.layout(), layout.data());
    QVERIFY(camera);
    QCOMPARE(camera->text(), QStringLiteral("busy"));
}

void tst_ZelProgress::statusFormRebuildsForNewNames()
{
    ZelStatusForm form(nullptr);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setStatusFields({{QStringLiteral("b"), QStringLiteral("2")}, {QStringLiteral("a"), QStringLiteral("1")}});
    QPointer<QLabel> oldValue = qobject_cast<QLabel *>(
        static_cast<QFormLayout *>(form.layout())->itemAt(0, QFormLayout::FieldRole)->widget());

    // Case-sensitive order: capitals first.
    form.setStatusFields({{QStringLiteral("b"), QStringLiteral("3")},
                          {QStringLiteral("a"), QStringLiteral("1")},
                          {QStringLiteral("C"), QStringLiteral("x")}});
    QCOMPARE(formRows(&form), (QStringList{"<b>C:</b> x", "<b>a:</b> 1", "<b>b:</b> 3"}));
    QVERIFY(oldValue.isNull());
    // No stale name label is left in sight (new rows show from the loop).
    QCoreApplication::processEvents();
    int visibleLabels = 0;
    for (QLabel *label : form.findChildren<QLabel *>())
        visibleLabels += label->isVisible();
    QCOMPARE(visibleLabels, 6);

    form.setStatusFields({});
    QVERIFY(formRows(&form).isEmpty());
}

void tst_ZelProgress::statusLineAndBarAppearOnFirstUse()
{
    ZelStatusForm form(nullptr);
    IProgressReporter *reporter = &form;
    form.setStatusFields({{QStringLiteral("Frames"), QStringLiteral("12")}});
    QVERIFY(!form.findChild<QProgressBar *>());

    reporter->setStatus(QStringLiteral("Capturing"));
    reporter->setProgress(40);
    QCOMPARE(formRows(&form), (QStringList{"<b>Frames:</b> 12", "[QLabel]", "[QProgressBar]"}));
    auto *bar = form.findChild<QProgressBar *>();
    QCOMPARE(bar->value(), 40);
    QCOMPARE(bar->maximum(), 100);

    // Used again, they are not added twice.
    reporter->setStatus(QStringLiteral("Saving"));
    reporter->setProgress(90);
    QCOMPARE(formRows(&form).size(), 3);
    QCOMPARE(form.findChildren<QProgressBar *>().size(), 1);
    QCOMPARE(bar->value(), 90);

    // A rebuild replaces the rows without them.
    form.setStatusFields({{QStringLiteral("Files"), QStringLiteral("3")}});
    QCOMPARE(formRows(&form), (QStringList{"<b>Files:</b> 3"}));
    reporter->setProgress(95);
    QCOMPARE(bar->value(), 95);
}

void tst_ZelProgress::indeterminateBeforeProgress()
{
    ZelStatusForm form(nullptr);
    form.setIndeterminate(true);
    auto *bar = form.findChild<QProgressBar *>();
    QVERIFY(bar);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 0);
    form.setIndeterminate(false);
    QCOMPARE(bar->maximum(), 100);
    form.setProgress(70);
    QCOMPARE(bar->value(), 70);
    QCOMPARE(form.findChildren<QProgressBar *>().size(), 1);
}

void tst_ZelProgress::exposureBarText_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("short exposure shows its total") << 1000 << 400 << QStringLiteral("1.000 sec");
    QTest::newRow("long exposure counts") << 5000 << 2500 << QStringLiteral("2.500/5.000 sec");
    QTest::newRow("10 s") << 10000 << 1500 << QStringLiteral("1.500/10.000 sec");
    QTest::newRow("at the threshold") << 1200 << 0 << QStringLiteral("0.000/1.200 sec");
    QTest::newRow("just below it") << 1199 << 600 << QStringLiteral("1.199 sec");
    QTest::newRow("reset") << 5000 << -1 << QString();
}

void tst_ZelProgress::exposureBarText()
{
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(QString, text);

    ZelLongExposureProgressBar bar;
    bar.setRange(0, maximum);
    if (value < 0)
        bar.reset();
    else
        bar.setValue(value);
    QCOMPARE(bar.text(), text);
}

void tst_ZelProgress::updateCountsTheExposure_data()
{
    QTest::addColumn<bool>("status");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("expectedMaximum");
    QTest::addColumn<int>("expectedValue");
    QTest::addColumn<QString>("text");

    // The bar starts at the range 0..10000.
    QTest::newRow("running, new total") << true << 5000 << 1000 << 5000 << 4000 << QStringLiteral("4.000/5.000 sec");
    QTest::newRow("not running keeps the range") << false << 5000 << 1000 << 10000 << 4000
                                                 << QStringLiteral("4.000/10.000 sec");
    QTest::newRow("running, same total") << true << 10000 << 2500 << 10000 << 7500
                                         << QStringLiteral("7.500/10.000 sec");
}

void tst_ZelProgress::updateCountsTheExposure()
{
    QFETCH(bool, status);
    QFETCH(int, total);
    QFETCH(int, left);
    QFETCH(int, expectedMaximum);
    QFETCH(int, expectedValue);
    QFETCH(QString, text);

    ZelLongExposureWidget widget(nullptr);
    widget.progressBar()->setRange(0, 10000);
    widget.update(status, total, left);
    QCOMPARE(widget.progressBar()->maximum(), expectedMaximum);
    QCOMPARE(widget.progressBar()->value(), expectedValue);
    QCOMPARE(widget.progressBar()->text(), text);
}

void tst_ZelProgress::exposureWidgetForwardsEditorAndCheck()
{
    ZelLongExposureWidget widget(nullptr);
    widget.setTitle(QStringLiteral("Long exposure"));
    widget.setRange(0.5, 30.0);
    widget.setSingleStep(0.5);
    QVERIFY(widget.isCheckable());
    QVERIFY(!widget.isChecked());
    QCOMPARE(widget.exposureEditor()->decimals(), 3);
    QCOMPARE(widget.progressBar()->alignment(), Qt::AlignCenter);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));

    QStringList emitted;
    connect(&widget, &ZelLongExposureWidget::valueChanged, this,
            [&](double value) { emitted << QStringLiteral("value %1").arg(value); });
    connect(&widget, &ZelLongExposureWidget::statusChanged, this,
            [&](bool status) { emitted << QStringLiteral("status %1").arg(status); });

    // The group's check box, clicked where the style puts it.
    QStyleOptionGroupBox option;
    option.initFrom(&widget);
    option.subControls = QStyle::SC_GroupBoxCheckBox | QStyle::SC_GroupBoxLabel;
    option.text = widget.title();
    option.features = QStyleOptionFrame::None;
    const QRect check =
        widget.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox, &widget);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, check.center());
    QVERIFY(widget.isChecked());

    // The editor's spin box, typed into.
    auto *spin = widget.exposureEditor()->findChild<QDoubleSpinBox *>();
    QVERIFY(spin);
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("2.5"));
    QTest::keyClick(spin, Qt::Key_Return);

    widget.setValue(QVariant(QStringLiteral("4.5")));
    widget.setValue(QVariant(QStringLiteral("not a number")));
    QCOMPARE(spin->value(), 4.5);

    QTest::mouseClick(&widget, Qt::LeftButton, {}, check.center());
    QVERIFY(!widget.isChecked());

    QVERIFY(emitted.size() >= 4);
    QCOMPARE(emitted.first(), QStringLiteral("status 1"));
    QCOMPARE(emitted.last(), QStringLiteral("status 0"));
    QVERIFY(emitted.contains(QStringLiteral("value 2.5")));
    QCOMPARE(emitted.at(emitted.size() - 2), QStringLiteral("value 4.5"));
}

void tst_ZelProgress::russianTexts()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")));
    QCoreApplication::installTranslator(&translator);
    ZelProgressDialog dialog(nullptr);
    ZelLongExposureProgressBar bar;
    bar.setRange(0, 5000);
    bar.setValue(2500);
    const QString barText = bar.text();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Выполнение"));
    QCOMPARE(dialog.status(), QStringLiteral("Состояние"));
    QCOMPARE(barText, QStringLiteral("2.500/5.000 с"));
}

QTEST_MAIN(tst_ZelProgress)
#include "tst_zelgui_progress.moc"
