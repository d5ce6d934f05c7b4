// The messenger: filtering, queued delivery to the GUI thread, log records, modal boxes, dialogs and choosers.

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelMessenger.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelFileDialog.h>
#include <ZelLog/ZelLog.h>

#include "zelgui_testhelpers.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Answers the next modal widget from the event loop it runs.
void answerModal(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
}

// Records the input dialog's initial value, then replaces its text and finishes with a key: "initial -> closed".
void typeIntoDialog(QStringList *seen, const QString &keys, Qt::Key finish)
{
    answerModal([=](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY(dialog);
        // The spin box's own line edit, or the text dialog's.
        auto *input = dialog->findChild<QLineEdit *>();
        const QString initial = input->text();
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(input, keys);
        QTest::keyClick(input, finish);
        *seen << QStringLiteral("%1 -> %2").arg(initial, dialog->isVisible() ? "open" : "closed");
    });
}

// Presses the next box's button `press`: "" presses Escape, a text no button has closes the box.
// `looks` gets "title | icon | buttons" of the box.
void answerBox(const QString &press, QString *looks)
{
    answerModal([press, looks](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        QAbstractButton *target = nullptr;
        QStringList buttons;
        for (QAbstractButton *button : box->buttons()) {
            target = button->text() == press ? button : target;
            buttons << button->text();
        }
        buttons.sort();
        *looks = QStringLiteral("%1 | %2 | %3").arg(box->windowTitle()).arg(box->icon()).arg(buttons.join(QStringLiteral(", ")));
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
        QCoreApplication::processEvents();
        QCOMPARE(trays().size(), 2); // the two filtered through, shown once the loop ran
        QCOMPARE(ZelLog::records().size(), 1); // "held", not shown
        // A message still queued when its messenger goes is dropped with it.
        {
            ZelMessenger gone;
            gone.processMessage(makeMessage(ZelLog::Error, Issue::None, "late", "Camera"));
        }
        QCoreApplication::processEvents();
        QCOMPARE(trays().size(), 2);
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
        // One pop-up shows that message.
        QTRY_COMPARE(trays().size(), 1);
        QVERIFY(trays().constFirst()->findChild<QLabel *>(QStringLiteral("labelText"))->text().endsWith(text));
    }

    void confirmationBoxes_data()
    {
        // The row names the function.
        QTest::addColumn<QString>("press"); // "" presses Escape
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("looks"); // title | icon | buttons
        QTest::newRow("okCancel") << "OK" << 1 << "Confirm | 2 | Cancel, OK";
        QTest::newRow("continueCancel") << "<close>" << 0 << "Confirm | 2 | Cancel, Continue";
        QTest::newRow("yesNo") << "Yes" << 1 << "Overwrite | 4 | No, Yes";
        QTest::newRow("yesNoCancel") << "" << int(QMessageBox::Cancel) << "Overwrite | 4 | Cancel, No, Yes";
        QTest::newRow("saveDiscardCancel") << "Discard" << int(QMessageBox::Discard) << "Save | 4 | Cancel, Discard, Save";
        QTest::newRow("ok") << "" << 0 << " | 3 | OK";
        QTest::newRow("about") << "OK" << 0 << "About | 0 | OK";
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
        answerBox(press, &seen);
        QCOMPARE(run[QLatin1String(QTest::currentDataTag())](), expected);
        QCOMPARE(seen, looks);
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

    // getOpenFileName and getExistingDirectory are driven through the path choosers (tst_zelpathchoosers).
    void choosersForwardToTheFileDialog()
    {
        QStringList seen; // "caption mode", with the directory when it is the start one
        QStringList answer{QStringLiteral("/data/a.tif")};
        const QString start = QDir(QDir::tempPath()).absolutePath();
        ZelFileDialog::setTestAnswer([&](QFileDialog *dialog) {
            const bool atStart = dialog->directory().absolutePath() == start;
            seen << QStringLiteral("%1 %2%3").arg(dialog->windowTitle()).arg(dialog->fileMode()).arg(atStart ? " start" : "");
            return answer;
        });
        const QList<QByteArray> formats{"tif", "png"};
        QCOMPARE(ZelMessenger::getSaveFileName(QStringLiteral("Save"), formats, "test/save", start), answer.first());
        answer << QStringLiteral("/data/b.png");
        QCOMPARE(ZelMessenger::getOpenFileNames(QStringLiteral("Open many"), formats, "test/open", start), answer);
        // Modes: 0 any file, 3 existing files.
        QCOMPARE(seen, (QStringList{"Save 0 start", "Open many 3 start"}));
    }
};

QTEST_MAIN(tst_ZelMessenger)
#include "tst_zelgui_messenger.moc"
