// Dialog frames, the about box and the button with a label: the prepare,
// validate and apply sequence, button roles, keys, texts and tabs.

#include "zelforms_testhelpers.h"
#include "zelgui_testhelpers.h"

#include <ZelGui/ZelAboutWidget.h>
#include <ZelGui/ZelDialog.h>
#include <ZelGui/ZelDialogWidget.h>
#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelIconedButtonWithLabel.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelCore.h>
#include <ZelCore/ZelVersion.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QToolButton>
#include <QVBoxLayout>

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
    QStringList *m_log;
};

struct AboutAccess : ZelAboutWidget { using ZelAboutWidget::showEvent; }; // reached through a member pointer

} // namespace

class tst_ZelDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QCoreApplication::setApplicationName(QStringLiteral("Imaging"));
        QCoreApplication::setApplicationVersion(QStringLiteral("2.5"));
        QCoreApplication::setOrganizationDomain(QStringLiteral("imaging.test"));
    }
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)")));
        ZelAbstractAppConfig::reset();
        settingLanguage(QLocale::English);
    }
    void cleanup() { ZelVersion::clearTestRevision(); }

    void buttonRoles_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("expected");
        const QStringList accepted{"valid?", "apply", "accepted"};
        QTest::newRow("accept") << int(QDialogButtonBox::AcceptRole) << true << accepted;
        QTest::newRow("yes") << int(QDialogButtonBox::YesRole) << true << accepted;
        QTest::newRow("accept, invalid: stays open") << int(QDialogButtonBox::AcceptRole) << false << QStringList{"valid?"};
        QTest::newRow("reject") << int(QDialogButtonBox::RejectRole) << true << QStringList{"rejected"};
        QTest::newRow("no: nothing") << int(QDialogButtonBox::NoRole) << true << QStringList();
        QTest::newRow("apply: nothing") << int(QDialogButtonBox::ApplyRole) << true << QStringList();
        QTest::newRow("second box: refused") << int(QDialogButtonBox::AcceptRole) << true << QStringList();
    }

    void buttonRoles()
    {
        QFETCH(int, role);
        QFETCH(bool, valid);
        QStringList log;
        QPointer<LoggingDialog> dialog = new LoggingDialog(&log);
        dialog->valid = valid;
        QVERIFY(dialog->isModal() && log.isEmpty()); // prepared when first shown
        QVERIFY(dialog->setupDialogButtonBox(dialog->box));
        QDialogButtonBox *box = dialog->box;
        if (QTest::currentDataTag() == QLatin1String("second box: refused")) {
            box = new QDialogButtonBox(dialog);
            dialog->layout()->addWidget(box);
            QVERIFY(!dialog->setupDialogButtonBox(box));
        }
        QPushButton *button = box->addButton(QStringLiteral("Button"), QDialogButtonBox::ButtonRole(role));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        dialog->hide(); // prepared on the first showing only
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(log, QStringList{QStringLiteral("prepare")});
        log.clear();
        click(button);
        QTEST(log, "expected");
        const bool closes = !log.isEmpty() && log.constLast() != QLatin1String("valid?");
        if (closes) {
            QTRY_VERIFY(dialog.isNull()); // deleted on close
        } else {
            QVERIFY(dialog->isVisible());
            delete dialog;
        }
    }

    // Enter presses the default button, Escape rejects; the first Enter finds the contents invalid.
    void keysAcceptAndReject_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Enter") << Qt::Key_Return << QStringList{"valid?", "valid?", "apply", "accepted"};
        QTest::newRow("Escape") << Qt::Key_Escape << QStringList{"rejected"};
    }

    void keysAcceptAndReject()
    {
        QFETCH(Qt::Key, key);
        QStringList log;
        QPointer<LoggingDialog> dialog = new LoggingDialog(&log);
        dialog->box->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        dialog->box->button(QDialogButtonBox::Ok)->setDefault(true);
        dialog->setupDialogButtonBox(dialog->box);
        dialog->valid = false;
        answerModal([&](QWidget *modal) {
            QWidget *focus = modal->focusWidget();
            QTest::keyClick(focus, key);
            if (modal->isVisible()) { // refused: make it valid and try again
                dialog->valid = true;
                QTest::keyClick(focus, key);
            }
        });
        const int result = dialog->exec();
        QTEST(log.mid(1), "expected");
        QCOMPARE(log.constFirst(), QStringLiteral("prepare"));
        QCOMPARE(result, key == Qt::Key_Return ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QTRY_VERIFY(dialog.isNull());
    }

    void dialogWidgetFramesItsContent()
    {
        for (const QDialogButtonBox::StandardButton press : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel}) {
            ZelDialogWidget dialog(nullptr);
            auto *edit = new QLineEdit;
            dialog.addWidgetToDialog(edit, QStringLiteral("Rename"));
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Rename"));
            QString typed;
            answerModal([&](QWidget *modal) {
                QTest::keyClicks(modal->focusWidget(), QStringLiteral("frame 1"));
                typed = edit->text();
                click(modal->findChild<QDialogButtonBox *>()->button(press));
            });
            QCOMPARE(dialog.exec(), press == QDialogButtonBox::Ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
            QCOMPARE(typed, QStringLiteral("frame 1")); // the content had the focus
            QVERIFY(dialog.size().width() >= edit->minimumSizeHint().width());
        }
    }

    void aboutBoxTexts_data()
    {
        QTest::addColumn<QString>("revision");
        QTest::addColumn<QString>("version");
        QTest::newRow("with a revision") << "abc1234" << "Imaging 2.5 (abc1234)";
        QTest::newRow("without a revision") << "" << "Imaging 2.5";
    }

    void aboutBoxTexts()
    {
        QFETCH(QString, revision);
        ZelVersion::setTestRevision(revision);
        auto *about = new ZelAboutWidget(nullptr);
        QTEST(about->findChild<QLabel *>(QStringLiteral("avVersion"))->text(), "version");
        QCOMPARE(about->windowTitle(), QStringLiteral("About application Imaging"));
        QCOMPARE(about->findChild<QTabWidget *>()->tabText(0), QStringLiteral("About application Imaging"));
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("avURL"))->text(), ZelCore::toHTMLReference(QStringLiteral("imaging.test")));
        QVERIFY(!about->findChild<QLabel *>(QStringLiteral("avLocalURL")));
        QVERIFY(about->isWindow() && about->windowModality() == Qt::ApplicationModal);

        QPointer<ZelAboutWidget> guard(about);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        click(about->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));
        QTRY_VERIFY(guard.isNull()); // closed and deleted
    }

    void aboutBoxInRussian()
    {
        RussianTranslation russian;
        QVERIFY(russian.loaded);
        settingLanguage(QLocale::Russian);
        ZelVersion::setTestRevision(QString());
        ZelAboutWidget about(nullptr);
        about.setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(about.windowTitle(), QStringLiteral("О приложении Imaging"));
        auto *link = about.findChild<QLabel *>(QStringLiteral("avLocalURL"));
        QVERIFY(link && link->text().contains(QLatin1String("href=\"https://")));
        // Below the organisation's link, above the closing stretch.
        auto *page = about.findChild<QWidget *>(QStringLiteral("tabAbout"));
        auto *layout = qobject_cast<QVBoxLayout *>(page->layout());
        QCOMPARE(layout->indexOf(link), layout->count() - 2);
        QCOMPARE(layout->indexOf(about.findChild<QLabel *>(QStringLiteral("avURL"))), layout->count() - 3);
        QVERIFY(layout->itemAt(layout->count() - 1)->spacerItem());
    }

    void aboutBoxTabs()
    {
        ZelAboutWidget about(nullptr);
        about.setAttribute(Qt::WA_DeleteOnClose, false);
        auto *table = new QTableWidget(2, 2);
        about.addMetaInformation(QStringLiteral("Libraries"), table);
        auto *tabs = about.findChild<QTabWidget *>();
        QCOMPARE(tabs->tabText(1), QStringLiteral("Libraries"));
        QCOMPARE(tabs->widget(1), table);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
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
        QPixmap red(16, 16);
        red.fill(Qt::red);
        widget.setText(QStringLiteral("Capture"));
        widget.setButtonTooltip(QStringLiteral("Capture a frame"));
        widget.setButtonIcon(QIcon(red));
        widget.setIconSize(QSize(32, 32));
        auto *button = widget.findChild<QToolButton *>();
        QCOMPARE(QStringList({button->text(), button->toolTip()}), QStringList({"Capture", "Capture a frame"}));
        QCOMPARE(button->iconSize(), QSize(32, 32));
        QVERIFY(!button->icon().isNull() && button->toolButtonStyle() == Qt::ToolButtonTextUnderIcon);
        widget.show();
        QVERIFY(QTest::qWaitForWindowActive(&widget));

        click(button);
        widget.setCheckable(true);
        click(button);
        widget.setFocus(); // reaches the button
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        widget.setChecked(true);
        QVERIFY(widget.isChecked());
        QCOMPARE(log, QStringList({"clicked", "clicked(0)", "toogled(1)", "clicked", "clicked(1)", "toogled(0)", "clicked",
                                   "clicked(0)", "toogled(1)"}));
    }
};

QTEST_MAIN(tst_ZelDialogs)
#include "tst_zeldialogs.moc"
