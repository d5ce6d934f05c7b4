// Progress and status widgets: the busy indicator and its input block, the
// progress dialog, the status form's rows and the long-exposure widget.

#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelInfiniteProgressDialog.h>
#include <ZelGui/ZelLongExposureWidget.h>
#include <ZelGui/ZelProgressDialog.h>
#include <ZelGui/ZelStatusForm.h>

#include "zelgui_testhelpers.h"

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
#include <QVBoxLayout>

namespace {

// Each row of a status form as "name value", or "[class]" for a full-width row.
QStringList formRows(QWidget *form)
{
    QStringList rows;
    auto *layout = qobject_cast<QFormLayout *>(form->layout());
    for (int row = 0; layout && row < layout->rowCount(); ++row) {
        if (auto *span = layout->itemAt(row, QFormLayout::SpanningRole))
            rows << QStringLiteral("[%1]").arg(span->widget()->metaObject()->className());
        else
            rows << qobject_cast<QLabel *>(layout->itemAt(row, QFormLayout::LabelRole)->widget())->text() + ' '
                        + qobject_cast<QLabel *>(layout->itemAt(row, QFormLayout::FieldRole)->widget())->text();
    }
    return rows;
}

} // namespace

class tst_ZelProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )"))); }

    void busyIndicatorBlocksInputWhileItsButtonShows_data()
    {
        QTest::addColumn<QString>("buttonText");
        QTest::addColumn<bool>("hideButton");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("blocks");
        QTest::newRow("no button") << QString() << false << QSize(300, 80) << false;
        QTest::newRow("button") << "Cancel" << false << QSize(300, 100) << true;
        QTest::newRow("button hidden") << "Cancel" << true << QSize(300, 100) << false;
    }

    void busyIndicatorBlocksInputWhileItsButtonShows()
    {
        QFETCH(QString, buttonText);
        QFETCH(bool, hideButton);
        QFETCH(QSize, size);
        QFETCH(bool, blocks);

        QWidget host;
        auto *hostButton = new QPushButton(QStringLiteral("Host"), &host);
        auto *edit = new QLineEdit(&host);
        (new QVBoxLayout(&host))->addWidget(hostButton);
        host.layout()->addWidget(edit);
        int hostClicks = 0;
        connect(hostButton, &QPushButton::clicked, this, [&] { ++hostClicks; });
        host.show();

        auto *busy = new ZelInfiniteProgressDialog(buttonText);
        // Button operations are ignored without a button.
        busy->setButtonText(QStringLiteral("Stop"));
        busy->setButtonVisible(!hideButton);
        busy->show();
        QVERIFY(QTest::qWaitForWindowExposed(busy));
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QCOMPARE(busy->size(), size);
        QCOMPARE(busy->sizeHint(), size + QSize(0, 20));
        QCOMPARE(busy->buttonText(), buttonText.isEmpty() ? QString() : QStringLiteral("Stop"));
        QCOMPARE(busy->isButtonVisible(), blocks);

        QTest::mouseClick(hostButton, Qt::LeftButton, {}, hostButton->rect().center());
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("typed"));
        QCOMPARE(hostClicks, blocks ? 0 : 1);
        QCOMPARE(edit->text(), blocks ? QString() : QStringLiteral("typed"));
        if (blocks) {
            // The button still takes clicks, but keys do not reach it either.
            QSignalSpy clicked(busy, &ZelInfiniteProgressDialog::buttonClicked);
            auto *button = busy->findChild<QPushButton *>();
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
            QTest::keyClick(button, Qt::Key_Space);
            QCOMPARE(clicked.count(), 1);
        }

        delete busy;
        QTest::mouseClick(hostButton, Qt::LeftButton, {}, hostButton->rect().center());
        QCOMPARE(hostClicks, blocks ? 1 : 2);
    }

    void progressDialogForwardsToTheForm()
    {
        ZelProgressDialog dialog(nullptr);
        QCOMPARE(dialog.status(), QStringLiteral("Status"));
        dialog.setMinimumValue(10);
        dialog.setMaximumValue(50);
        dialog.setValue(30);
        dialog.setStatus(QStringLiteral("Saving 3 of 5"));
        auto *bar = dialog.findChild<QProgressBar *>(QStringLiteral("progressBar"));
        QCOMPARE(QList<int>({bar->minimum(), bar->maximum(), bar->value()}), QList<int>({10, 50, 30}));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("status"))->text(), QStringLiteral("Saving 3 of 5"));
    }

    void statusFormRebuildsOnlyForNewNames()
    {
        ZelStatusForm form(nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setStatusFields({{"b", "2"}, {"a", "1"}});
        QCOMPARE(formRows(&form), (QStringList{"<b>a:</b> 1", "<b>b:</b> 2"}));
        QPointer<QLayout> layout = form.layout();
        QPointer<QWidget> value = static_cast<QFormLayout *>(layout.data())->itemAt(0, QFormLayout::FieldRole)->widget();

        form.setStatusFields({{"b", "3"}, {"a", "0"}});
        QCOMPARE(formRows(&form), (QStringList{"<b>a:</b> 0", "<b>b:</b> 3"}));
        QVERIFY(form.layout() == layout && value);

        // A new name rebuilds in case-sensitive order: capitals first.
        form.setStatusFields({{"b", "3"}, {"a", "1"}, {"C", "x"}});
        QCOMPARE(formRows(&form), (QStringList{"<b>C:</b> x", "<b>a:</b> 1", "<b>b:</b> 3"}));
        QVERIFY(value.isNull());
        QCoreApplication::processEvents();
        int visibleLabels = 0; // no stale name label left in sight
        for (QLabel *label : form.findChildren<QLabel *>())
            visibleLabels += label->isVisible();
        QCOMPARE(visibleLabels, 6);
        form.setStatusFields({});
        QVERIFY(formRows(&form).isEmpty());
    }

    void statusLineAndBarAppearOnFirstUse()
    {
        ZelStatusForm form(nullptr);
        IProgressReporter *reporter = &form;
        form.setStatusFields({{"Frames", "12"}});
        QVERIFY(!form.findChild<QProgressBar *>());
        for (int progress : {40, 90}) { // used again, they are not added twice
            reporter->setStatus(QStringLiteral("Capturing"));
            reporter->setProgress(progress);
            QCOMPARE(formRows(&form), (QStringList{"<b>Frames:</b> 12", "[QLabel]", "[QProgressBar]"}));
        }
        auto *bar = form.findChild<QProgressBar *>();
        QCOMPARE(form.findChildren<QProgressBar *>().size(), 1);
        QCOMPARE(bar->value(), 90);

        // A rebuild replaces the rows without them; the bar still works.
        form.setStatusFields({{"Files", "3"}});
        QCOMPARE(formRows(&form), (QStringList{"<b>Files:</b> 3"}));
        reporter->setProgress(95);
        QCOMPARE(bar->value(), 95);
    }

    void indeterminateBeforeProgress()
    {
        ZelStatusForm form(nullptr);
        form.setIndeterminate(true);
        auto *bar = form.findChild<QProgressBar *>();
        QVERIFY(bar && bar->minimum() == 0 && bar->maximum() == 0);
        form.setIndeterminate(false);
        form.setProgress(70);
        QVERIFY(bar->maximum() == 100 && bar->value() == 70);
        QCOMPARE(form.findChildren<QProgressBar *>().size(), 1);
    }

    void exposureBarText_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("short exposure shows its total") << 1000 << 400 << QStringLiteral("1.000 sec");
        QTest::newRow("long exposure counts") << 5000 << 2500 << QStringLiteral("2.500/5.000 sec");
        QTest::newRow("at the threshold") << 1200 << 0 << QStringLiteral("0.000/1.200 sec");
        QTest::newRow("just below it") << 1199 << 600 << QStringLiteral("1.199 sec");
        QTest::newRow("reset") << 5000 << -1 << QString();
    }

    void exposureBarText()
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

    void updateCountsTheExposure()
    {
        ZelLongExposureWidget widget(nullptr);
        QProgressBar *bar = widget.progressBar();
        bar->setRange(0, 10000);
        widget.update(false, 5000, 1000); // not running: the range stays
        QCOMPARE(bar->maximum(), 10000);
        QCOMPARE(bar->text(), QStringLiteral("4.000/10.000 sec"));
        widget.update(true, 5000, 1000);
        QCOMPARE(bar->maximum(), 5000);
        QCOMPARE(bar->text(), QStringLiteral("4.000/5.000 sec"));
    }

    void exposureWidgetForwardsEditorAndCheck()
    {
        ZelLongExposureWidget widget(nullptr);
        widget.setTitle(QStringLiteral("Long exposure"));
        widget.setRange(0.5, 30.0);
        QVERIFY(widget.isCheckable() && !widget.isChecked());
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QStringList emitted;
        connect(&widget, &ZelLongExposureWidget::valueChanged, this, [&](double v) { emitted << QString::number(v); });
        connect(&widget, &ZelLongExposureWidget::statusChanged, this, [&](bool on) { emitted << (on ? "on" : "off"); });

        // The group's check box, clicked where the style puts it.
        QStyleOptionGroupBox option;
        option.initFrom(&widget);
        option.subControls = QStyle::SC_GroupBoxCheckBox | QStyle::SC_GroupBoxLabel;
        option.text = widget.title();
        const QPoint check = widget.style()
                                 ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox, &widget)
                                 .center();
        QTest::mouseClick(&widget, Qt::LeftButton, {}, check);
        QVERIFY(widget.isChecked());

        auto *spin = widget.exposureEditor()->findChild<QDoubleSpinBox *>();
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("2.5"));
        QTest::keyClick(spin, Qt::Key_Return);
        widget.setValue(QVariant(QStringLiteral("4.5")));
        widget.setValue(QVariant(QStringLiteral("not a number")));
        QCOMPARE(spin->value(), 4.5);
        QTest::mouseClick(&widget, Qt::LeftButton, {}, check);
        QVERIFY(!widget.isChecked());

        QVERIFY(emitted.size() >= 4 && emitted.first() == QLatin1String("on") && emitted.contains(QStringLiteral("2.5")));
        QCOMPARE(emitted.mid(emitted.size() - 2), (QStringList{"4.5", "off"}));
    }

    void russianTexts()
    {
        RussianTranslation russian;
        QVERIFY(russian.loaded);
        ZelProgressDialog dialog(nullptr);
        ZelLongExposureProgressBar bar;
        bar.setRange(0, 5000);
        bar.setValue(2500);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Выполнение"));
        QCOMPARE(dialog.status(), QStringLiteral("Состояние"));
        QCOMPARE(bar.text(), QStringLiteral("2.500/5.000 с"));
    }
};

QTEST_MAIN(tst_ZelProgress)
#include "tst_zelgui_progress.moc"
