// Dialog frames, the about box and the button with a label: the prepare,
// validate and apply sequence, button roles, keys, texts and tabs.

#include "zelforms_testhelpers.h"

#include <ZelGui/ZelAboutWidget.h>
#include <ZelGui/ZelDialog.h>
#include <ZelGui/ZelDialogWidget.h>
#include <ZelGui/ZelIconedButtonWithLabel.h>

#include <ZelCore/ZelVersion.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest/qtestspontaneevent.h>

using namespace ZelFormsTest;

namespace {

// Logs its steps: "prepare", "valid?", "apply", then "accepted" or "rejected".
class LoggingDialog : public ZelDialog
{
public:
    explicit LoggingDialog(QStringList *log, QWidget *parent = nullptr)
        : ZelDialog(parent)
        , box(new QDialogButtonBox(this))
        , m_log(log)
    {
        new QVBoxLayout(this);
        layout()->addWidget(new QLineEdit(this));
        layout()->addWidget(box);
        connect(this, &QDialog::accepted, this, [log] { log->append(QStringLiteral("accepted")); });
        connect(this, &QDialog::rejected, this, [log] { log->append(QStringLiteral("rejected")); });
    }

    bool valid = true;
    QDialogButtonBox *const box;

protected:
    void prepareDialog() override { m_log->append(QStringLiteral("prepare")); }
    void applyDialog() override { m_log->append(QStringLiteral("apply")); }
    bool isDialogValid() const override
    {
        m_log->append(QStringLiteral("valid?"));
        return valid;
    }

private:
    QStringList *const m_log;
};

struct AboutAccess : ZelAboutWidget
{
    using ZelAboutWidget::showEvent;
}; // reached through a member pointer

} // namespace

class tst_ZelDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Imaging"));
        QCoreApplication::setApplicationVersion(QStringLiteral("2.5"));
    }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)"))); }
    void cleanup() { ZelVersion::clearTestRevision(); }

    // A button of each role, or a key in the content (Enter presses the default button).
    void buttonRolesAndKeys_data()
    {
        QTest::addColumn<int>("role"); // negative: minus the key pressed instead
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("accept") << int(QDialogButtonBox::AcceptRole) << true << QStringList{"valid?", "apply", "accepted"};
        QTest::newRow("accept, invalid: stays open") << int(QDialogButtonBox::AcceptRole) << false << QStringList{"valid?"};
        QTest::newRow("second box: refused") << int(QDialogButtonBox::AcceptRole) << true << QStringList();
        QTest::newRow("Enter") << -int(Qt::Key_Return) << true << QStringList{"valid?", "apply", "accepted"};
        QTest::newRow("Escape") << -int(Qt::Key_Escape) << true << QStringList{"rejected"};
    }

    void buttonRolesAndKeys()
    {
        QFETCH(int, role);
        QFETCH(bool, valid);
        QStringList log;
        QPointer<LoggingDialog> dialog = new LoggingDialog(&log);
        dialog->valid = valid;
        QVERIFY(dialog->setupDialogButtonBox(dialog->box));
        QDialogButtonBox *box = dialog->box;
        if (QTest::currentDataTag() == QLatin1String("second box: refused")) {
            box = new QDialogButtonBox(dialog);
            dialog->layout()->addWidget(box);
            QVERIFY(!dialog->setupDialogButtonBox(box));
        }
        QPushButton *button = box->addButton(QStringLiteral("Button"), QDialogButtonBox::ButtonRole(qMax(role, 0)));
        button->setDefault(true);
        dialog->show();
        dialog->hide(); // prepared on the first showing only
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(log, QStringList{QStringLiteral("prepare")});
        log.clear();
        if (role < 0)
            QTest::keyClick(dialog->findChild<QLineEdit *>(), Qt::Key(-role));
        else
            click(button);
        QTEST(log, "expected");
        const bool closes = !log.isEmpty() && log.constLast() != QLatin1String("valid?");
        QTRY_COMPARE(dialog.isNull(), closes); // deleted on close
        delete dialog;
    }

    void dialogWidgetFramesItsContent()
    {
        ZelDialogWidget dialog(nullptr);
        auto *edit = new QLineEdit;
        dialog.addWidgetToDialog(edit, QStringLiteral("Rename"));
        answerModal([&](QWidget *modal) {
            QTest::keyClicks(modal->focusWidget(), QStringLiteral("frame 1"));
            click(modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(edit->text(), QStringLiteral("frame 1")); // the content had the focus
    }

    void aboutBoxShowsTheVersionAndClosesOnOk()
    {
        ZelVersion::setTestRevision(QString());
        QCOMPARE(ZelAboutWidget(nullptr).findChild<QLabel *>(QStringLiteral("avVersion"))->text(), QStringLiteral("Imaging 2.5"));
        ZelVersion::setTestRevision(QStringLiteral("abc1234"));
        QPointer<ZelAboutWidget> about = new ZelAboutWidget(nullptr);
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("avVersion"))->text(), QStringLiteral("Imaging 2.5 (abc1234)"));
        about->show();
        click(about->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));
        QTRY_VERIFY(about.isNull()); // closed and deleted
    }

    void aboutBoxTabs()
    {
        ZelAboutWidget about(nullptr);
        about.addMetaInformation(QStringLiteral("Libraries"), new QTableWidget(2, 2));
        auto *tabs = about.findChild<QTabWidget *>();
        about.show();
        tabs->setCurrentIndex(1);
        QShowEvent spontaneous; // the window system showing it again keeps the tab
        QSpontaneKeyEvent::setSpontaneous(&spontaneous);
        (about.*(&AboutAccess::showEvent))(&spontaneous); // sendEvent() would clear the flag
        QCOMPARE(tabs->currentIndex(), 1);
        about.hide();
        about.show(); // shown by the program: the first tab again
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void iconedButtonPassesOnItsButton()
    {
        ZelIconedButtonWithLabel widget(nullptr);
        QStringList log;
        connect(&widget, qOverload<>(&ZelIconedButtonWithLabel::clicked), this, [&] { log << QStringLiteral("clicked"); });
        connect(&widget, qOverload<bool>(&ZelIconedButtonWithLabel::clicked), this,
                [&](bool on) { log << QStringLiteral("clicked(%1)").arg(on); });
        connect(&widget, &ZelIconedButtonWithLabel::toogled, this, [&](bool on) { log << QStringLiteral("toogled(%1)").arg(on); });
        auto *button = widget.findChild<QToolButton *>();
        widget.show();
        QVERIFY(QTest::qWaitForWindowActive(&widget));

        click(button);
        widget.setCheckable(true);
        click(button);
        widget.setFocus(); // reaches the button
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(log, QStringList({"clicked", "clicked(0)", "toogled(1)", "clicked", "clicked(1)", "toogled(0)", "clicked", "clicked(0)"}));
    }
};

QTEST_MAIN(tst_ZelDialogs)
#include "tst_zeldialogs.moc"
