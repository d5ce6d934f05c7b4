// The busy indicator's input block, the status form and the long-exposure widget.

#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelInfiniteProgressDialog.h>
#include <ZelGui/ZelLongExposureWidget.h>
#include <ZelGui/ZelStatusForm.h>

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

// Each row of a status form as "name value", or "[class]" for a full-width row.
static QStringList formRows(QWidget *form)
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

class tst_ZelProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )"))); }

    void busyIndicatorBlocksInputWhileItsButtonShows_data()
    {
        QTest::addColumn<QString>("buttonText");
        QTest::addColumn<bool>("hideButton");
        QTest::newRow("no button") << QString() << false;
        QTest::newRow("button") << "Cancel" << false;
        QTest::newRow("button hidden") << "Cancel" << true;
    }

    void busyIndicatorBlocksInputWhileItsButtonShows()
    {
        QFETCH(QString, buttonText);
        QFETCH(bool, hideButton);
        const bool blocks = !buttonText.isEmpty() && !hideButton;
        QWidget host;
        auto *hostButton = new QPushButton(QStringLiteral("Host"), &host);
        auto *edit = new QLineEdit(&host);
        (new QVBoxLayout(&host))->addWidget(hostButton);
        host.layout()->addWidget(edit);
        QSignalSpy hostClicks(hostButton, &QPushButton::clicked);
        host.show();
        auto *busy = new ZelInfiniteProgressDialog(buttonText);
        busy->setButtonVisible(!hideButton);
        busy->show();
        QVERIFY(QTest::qWaitForWindowExposed(busy) && QTest::qWaitForWindowExposed(&host));
        QTest::mouseClick(hostButton, Qt::LeftButton);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("typed"));
        QCOMPARE(hostClicks.count(), blocks ? 0 : 1);
        QCOMPARE(edit->text(), blocks ? QString() : QStringLiteral("typed"));
        if (blocks) { // the button still takes clicks, but keys do not reach it either
            QSignalSpy clicked(busy, &ZelInfiniteProgressDialog::buttonClicked);
            QTest::mouseClick(busy->findChild<QPushButton *>(), Qt::LeftButton);
            QTest::keyClick(busy->findChild<QPushButton *>(), Qt::Key_Space);
            QCOMPARE(clicked.count(), 1);
        }
        delete busy;
        QTest::mouseClick(hostButton, Qt::LeftButton);
        QCOMPARE(hostClicks.count(), blocks ? 1 : 2); // gone, it blocks nothing
    }

    void statusLineAndBarAppearOnFirstUse()
    {
        ZelStatusForm form(nullptr);
        IProgressReporter *reporter = &form;
        form.setStatusFields({{"b", "2"}, {"C", "x"}});
        for (int progress : {40, 90}) { // used again, they are not added twice
            reporter->setStatus(QStringLiteral("Capturing"));
            reporter->setProgress(progress);
        }
        // Names in case-sensitive order, capitals first; the status line and bar below.
        QCOMPARE(formRows(&form), (QStringList{"<b>C:</b> x", "<b>b:</b> 2", "[QLabel]", "[QProgressBar]"}));
        auto *bar = form.findChild<QProgressBar *>();
        QCOMPARE(bar->value(), 90);
        // The same names only take the new values: the rows stay.
        QPointer<QWidget> value = static_cast<QFormLayout *>(form.layout())->itemAt(0, QFormLayout::FieldRole)->widget();
        form.setStatusFields({{"b", "3"}, {"C", "y"}});
        QCOMPARE(formRows(&form).first(), QStringLiteral("<b>C:</b> y"));
        QVERIFY(value);
        // Rebuilds keep them as the last rows and leave no old labels behind.
        for (int i = 0; i < 200; ++i)
            form.setStatusFields({{QStringLiteral("Files %1").arg(i), "3"}, {"b", "12"}});
        QCOMPARE(formRows(&form), (QStringList{"<b>Files 199:</b> 3", "<b>b:</b> 12", "[QLabel]", "[QProgressBar]"}));
        QVERIFY(value.isNull());
        QCOMPARE(form.findChildren<QWidget *>().size(), 6);
        QCOMPARE(form.findChildren<QLayout *>().size(), 1);
        reporter->setProgress(95);
        QCOMPARE(bar->value(), 95);
    }

    void indeterminateBeforeProgress()
    {
        ZelStatusForm form(nullptr);
        form.setIndeterminate(true);
        auto *bar = form.findChild<QProgressBar *>();
        QVERIFY(bar && bar->minimum() == 0 && bar->maximum() == 0);
        QCOMPARE(formRows(&form), QStringList{"[QProgressBar]"}); // a row even before any field
        form.setIndeterminate(false);
        form.setProgress(70);
        QVERIFY(bar->maximum() == 100 && bar->value() == 70);
        QCOMPARE(form.findChildren<QProgressBar *>().size(), 1);
    }

    void updateSaturatesAtTheEndsOfInt()
    {
        ZelLongExposureWidget widget(nullptr);
        ZelLongExposureProgressBar *bar = widget.progressBar();
        const auto text = [bar](int maximum, int value) {
            bar->setRange(0, maximum);
            bar->setValue(value);
            return bar->text();
        };
        QCOMPARE(text(1000, 400), QStringLiteral("1.000 sec")); // short exposures show their total
        QCOMPARE(text(1200, 0), QStringLiteral("0.000/1.200 sec")); // the counting threshold
        bar->setRange(0, 10000);
        widget.update(false, 5000, 1000); // not running: the range stays
        QCOMPARE(bar->text(), QStringLiteral("4.000/10.000 sec"));
        widget.update(true, 5000, 1000);
        QCOMPARE(bar->text(), QStringLiteral("4.000/5.000 sec"));
        widget.update(true, INT_MAX, -1); // one past the total: held at the total
        QCOMPARE(bar->value(), INT_MAX);
        widget.update(true, 1000, 0);
        widget.update(false, 1000, INT_MIN); // far past the range: the bar keeps its value
        QCOMPARE(bar->value(), 1000);
    }

    void exposureWidgetForwardsEditorAndCheck()
    {
        ZelLongExposureWidget widget(nullptr);
        widget.setRange(0.5, 30.0);
        QStringList emitted;
        connect(&widget, &ZelLongExposureWidget::valueChanged, this, [&](double v) { emitted << QString::number(v); });
        connect(&widget, &ZelLongExposureWidget::statusChanged, this, [&](bool on) { emitted << (on ? "on" : "off"); });
        // The status follows the user's clicks only; Space on the group clicks its check box.
        QTest::keyClick(&widget, Qt::Key_Space);
        auto *spin = widget.exposureEditor()->findChild<QDoubleSpinBox *>();
        spin->setValue(2.5);
        widget.setValue(QVariant(QStringLiteral("4.5")));
        widget.setValue(QVariant(QStringLiteral("not a number")));
        QCOMPARE(spin->value(), 4.5);
        QTest::keyClick(&widget, Qt::Key_Space);
        QVERIFY(emitted.size() >= 4 && emitted.first() == QLatin1String("on") && emitted.contains(QStringLiteral("2.5")));
        QCOMPARE(emitted.mid(emitted.size() - 2), (QStringList{"4.5", "off"}));
    }
};

QTEST_MAIN(tst_ZelProgress)
#include "tst_zelgui_progress.moc"
