// The messenger: filtering, queued delivery to the GUI thread, log records, modal boxes, dialogs and choosers.

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelMessenger.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelFileDialog.h>
#include <ZelLog/ZelLog.h>

#include "zelgui_testhelpers.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Answers the next modal widget once it is up, from the event loop it runs.
void answerModal(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(modal);
    });
    timer->start(0);
}

// Records the input dialog's initial value, then replaces its text and finishes with a key: "initial -> closed".
void typeIntoDialog(QStringList *seen, const QString &keys, Qt::Key finish)
{
    answerModal([=](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY(dialog);
        QWidget *input = dialog->findChild<QSpinBox *>();
        input = input ? input : dialog->findChild<QLineEdit *>();
        const QString initial = input->property("text").toString();
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(input, keys);
        QTest::keyClick(input, finish);
        *seen << QStringLiteral("%1 -> %2").arg(initial, dialog->isVisible() ? "open" : "closed");
    });
}

// Records the next box as "title: text [sorted buttons] icon N", then presses `press`: "" Escape, "<close>" closes.
void answerBox(QString *seen, const QString &press)
{
    answerModal([seen, press](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        QStringList buttons;
        for (QAbstractButton *button : box->buttons())
            buttons << button->text();
        QAbstractButton *target = box->buttons().value(buttons.indexOf(press));
        buttons.sort();
        *seen = QStringLiteral("%1: %2 [%3] icon %4")
                    .arg(box->windowTitle(), box->text(), buttons.join(','), QString::number(box->icon()));
        if (press.isEmpty())
            QTest::keyClick(box, Qt::Key_Escape);
        else if (!target)
            box->close();
        else
            QTest::mouseClick(target, Qt::LeftButton);
    });
}

} // namespace

class tst_ZelMessenger : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        ZelLog::setEchoToQt(false);
        ZelAbstractAppConfig::reset();
        settingMessageLifeTime(0);
        ZelLog::clearRecords();
        // Any warning fails, except the offscreen platform's notes on what it cannot do.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )")));
    }

    void cleanup()
    {
        qDeleteAll(trays());
        ZelFileDialog::clearTestAnswer();
    }

    void filteredMessagesShowOnlyOnceTheLoopRunsOnTheirMessenger()
    {
        ZelMessenger messenger;
        ZelMessageFilter filter;
        filter.block(QStringLiteral("Camera"), ZelLog::Warning);
        filter.block(QStringLiteral("ZelGui"), ZelLog::Warning);
        messenger.setFilter(filter);
        QStringList emitted;
        connect(&messenger, &ZelMessenger::needShowMessage, this, [&](const ZelMessage &m) { emitted << m.text(); });
        messenger.processMessage(makeMessage(ZelLog::Warning, Issue::None, "hot", "Camera"));
        messenger.alert(QStringLiteral("held")); // held back, but logged before the filter
        // Another type of the same module passes, and so does the same type of another module.
        messenger.processMessage(makeMessage(ZelLog::Error, Issue::None, "one", "Camera"));
        messenger.processMessage(makeMessage(ZelLog::Warning, Issue::None, "two", "Scan"));
        QCOMPARE(emitted, (QStringList{"one", "two"}));
        QVERIFY(trays().isEmpty());
        // A message still queued goes with its messenger, logged all the same.
        auto *late = new ZelMessenger;
        late->error(QStringLiteral("too late"));
        delete late;
        QCoreApplication::processEvents();
        QCOMPARE(trays().size(), 2); // the two filtered through, shown once the loop ran
        QCOMPARE(ZelLog::records().size(), 2); // "held" and "too late", neither shown
    }

    void plainTextsAreLoggedAndShown_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("issue");
        QTest::newRow("information") << "information" << int(ZelLog::Information) << 0;
        QTest::newRow("alert") << "alert" << int(ZelLog::Warning) << 2;
        QTest::newRow("error") << "error" << int(ZelLog::Error) << 2;
    }

    void plainTextsAreLoggedAndShown()
    {
        QFETCH(QString, slot);
        QFETCH(int, type);
        QFETCH(int, issue);
        ZelMessenger messenger;
        const QString text = QStringLiteral("Frame 42 dropped");
        QVERIFY(QMetaObject::invokeMethod(&messenger, qPrintable(slot), Q_ARG(QString, text)));
        QCOMPARE(ZelLog::records().size(), 1);
        const ZelMessage record = ZelLog::records().constFirst();
        QCOMPARE(QList<int>({int(record.messageType()), record.issueID()}), QList<int>({type, issue}));
        QCOMPARE(QStringList({record.module(), record.text()}), QStringList({"ZelGui", text}));
        // One pop-up shows that message, with an empty key and so without "Don't show again".
        QTRY_COMPARE(trays().size(), 1);
        QVERIFY(trays().constFirst()->findChild<QLabel *>(QStringLiteral("labelText"))->text().endsWith(text));
        QVERIFY(trays().constFirst()->findChild<QCheckBox *>(QStringLiteral("checkBoxAgain"))->isHidden());
    }

    void confirmationBoxes_data()
    {
        // The row names the function.
        QTest::addColumn<QString>("press"); // "" presses Escape
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("looks"); // icons: 0 none, 2 warning, 3 critical, 4 question
        QTest::newRow("okCancel") << "OK" << 1 << "Confirm: Sure? [Cancel,OK] icon 2";
        QTest::newRow("continueCancel") << "<close>" << 0 << "Confirm: Sure? [Cancel,Continue] icon 2";
        QTest::newRow("yesNo") << "Yes" << 1 << "Overwrite: Sure? [No,Yes] icon 4";
        QTest::newRow("yesNoCancel") << "" << int(QMessageBox::Cancel) << "Overwrite: Sure? [Cancel,No,Yes] icon 4";
        QTest::newRow("saveDiscardCancel") << "Discard" << int(QMessageBox::Discard)
                                           << "Save: Sure? [Cancel,Discard,Save] icon 4";
        QTest::newRow("ok") << "" << 0 << ": Sure? [OK] icon 3";
        QTest::newRow("about") << "OK" << 0 << "About: Sure? [OK] icon 0";
    }

    void confirmationBoxes()
    {
        QFETCH(QString, press);
        QFETCH(int, expected);
        QFETCH(QString, looks);
        const QString text = QStringLiteral("Sure?");
        ZelMessenger messenger;
        const QHash<QString, std::function<int()>> run{
            {"okCancel", [&] { return int(ZelMessenger::okCancel(text, QMessageBox::Warning)); }},
            {"continueCancel", [&] { return int(ZelMessenger::continueCancel(text, QMessageBox::Warning)); }},
            {"yesNo", [&] { return int(ZelMessenger::yesNo(text, QStringLiteral("Overwrite"))); }},
            {"yesNoCancel", [&] { return ZelMessenger::yesNoCancel(text, QStringLiteral("Overwrite")); }},
            {"saveDiscardCancel", [&] { return ZelMessenger::saveDiscardCancel(text); }},
            {"ok", [&] { return ZelMessenger::ok(text, QMessageBox::Critical), 0; }},
            {"about", [&] { return messenger.about(text), 0; }}};
        QString seen;
        answerBox(&seen, press);
        QCOMPARE(run[QLatin1String(QTest::currentDataTag())](), expected);
        QCOMPARE(seen, looks);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void inputDialogsReturnTheValueOrNothing()
    {
        ZelMessenger messenger;
        QStringList seen;
        typeIntoDialog(&seen, QStringLiteral("7"), Qt::Key_Escape);
        QCOMPARE(messenger.inputInt(QStringLiteral("Frames:"), 5, 9), 0); // cancelled: 0, outside the range
        typeIntoDialog(&seen, QStringLiteral("-12"), Qt::Key_Return);
        QCOMPARE(messenger.inputInt(QStringLiteral("Frames:"), -20, -10), -12);
        typeIntoDialog(&seen, QStringLiteral("scan_01"), Qt::Key_Return);
        QCOMPARE(messenger.inputText(QStringLiteral("Name:"), QStringLiteral("scan")), QStringLiteral("scan_01"));
        // The initial value is 0, clamped into the range.
        QCOMPARE(seen, (QStringList{"5 -> closed", "-10 -> closed", "scan -> closed"}));
    }

    void choosersForwardToTheFileDialog()
    {
        QStringList seen; // "caption mode", with the directory when it is the start one
        QStringList answer{QStringLiteral("/data/a.tif")};
        const QString start = QDir(QDir::tempPath()).absolutePath();
        ZelFileDialog::setTestAnswer([&](QFileDialog *dialog) {
            const bool atStart = dialog->directory().absolutePath() == start;
            seen << QStringLiteral("%1 %2%3").arg(dialog->windowTitle()).arg(dialog->fileMode()).arg(
                atStart ? " start" : "");
            return answer;
        });
        const QList<QByteArray> formats{"tif", "png"};
        QCOMPARE(ZelMessenger::getOpenFileName(QStringLiteral("Open"), formats, "test/open", start), answer.first());
        QCOMPARE(ZelMessenger::getSaveFileName(QStringLiteral("Save"), formats, "test/save", start), answer.first());
        answer << QStringLiteral("/data/b.png");
        QCOMPARE(ZelMessenger::getOpenFileNames(QStringLiteral("Open many"), formats, "test/open", start), answer);
        answer = QStringList{QStringLiteral("/data/out")};
        QCOMPARE(ZelMessenger::getExistingDirectory(QStringLiteral("Folder"), start, "test/dir"), answer.first());
        QCOMPARE(ZelMessenger::getExistingDirectory(QStringLiteral("Folder again"), "test/dir"), answer.first());
        // Modes: 0 any file, 1 existing file, 2 directory, 3 existing files.
        QCOMPARE(seen, (QStringList{"Open 1 start", "Save 0 start", "Open many 3 start", "Folder 2 start",
                                    "Folder again 2"}));
    }
};

QTEST_MAIN(tst_ZelMessenger)
#include "tst_zelgui_messenger.moc"
