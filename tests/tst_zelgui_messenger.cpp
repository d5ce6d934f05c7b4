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
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <functional>

namespace {

// The texts of the pop-ups that exist right now, sorted.
QStringList trayTexts()
{
    QStringList texts;
    for (ZelTrayMessage *tray : trays())
        texts << tray->findChild<QLabel *>(QStringLiteral("labelText"))->text();
    texts.sort();
    return texts;
}

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
        // A failed answer must not hang the test.
        QTimer::singleShot(3000, [guard = QPointer<QWidget>(modal)] {
            if (auto *dialog = qobject_cast<QDialog *>(guard.data()))
                dialog->reject();
        });
    });
    timer->start(0);
}

// Records the input dialog as "title: label initial -> closed", then replaces its text and finishes with a key.
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
        *seen << QStringLiteral("%1: %2 %3 -> %4")
                     .arg(dialog->windowTitle(), dialog->labelText(), initial, dialog->isVisible() ? "open" : "closed");
    });
}

// Records a box as "title: text [sorted buttons] icon N[ open]" after pressing `press`, "" Escape, "<close>" close.
void answerBox(QString *seen, const QString &press)
{
    answerModal([seen, press](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        QStringList buttons;
        QAbstractButton *target = nullptr;
        for (QAbstractButton *button : box->buttons()) {
            buttons << button->text();
            if (button->text() == press)
                target = button;
        }
        buttons.sort();
        if (press.isEmpty())
            QTest::keyClick(box, Qt::Key_Escape);
        else if (press == QLatin1String("<close>"))
            box->close();
        else if (target)
            QTest::mouseClick(target, Qt::LeftButton);
        *seen = QStringLiteral("%1: %2 [%3] icon %4%5")
                    .arg(box->windowTitle(), box->text(), buttons.join(','), QString::number(box->icon()),
                         box->isVisible() ? " open" : "");
    });
}

} // namespace

class tst_ZelMessenger : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        ZelLog::setEchoToQt(false);
    }

    void init()
    {
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

    void filteredMessagesShowOnlyOnceTheLoopRuns()
    {
        ZelMessenger messenger;
        ZelMessageFilter filter;
        filter.block(QStringLiteral("Camera"), ZelLog::Warning);
        messenger.setFilter(filter);
        QStringList emitted;
        connect(&messenger, &ZelMessenger::needShowMessage, this, [&](const ZelMessage &m) { emitted << m.text(); });
        messenger.processMessage(makeMessage(ZelLog::Warning, Issue::None, "hot", "Camera"));
        // Another type of the same module passes, and so does the same type of another module.
        messenger.processMessage(makeMessage(ZelLog::Error, Issue::None, "one", "Camera"));
        messenger.processMessage(makeMessage(ZelLog::Warning, Issue::None, "two", "Scan"));
        QCOMPARE(emitted, (QStringList{"one", "two"}));
        QVERIFY(trays().isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(trayTexts(), (QStringList{"one", "two"}));
    }

    void messageStillQueuedGoesWithTheMessenger()
    {
        auto *messenger = new ZelMessenger;
        messenger->error(QStringLiteral("too late"));
        delete messenger;
        QCoreApplication::processEvents();
        QVERIFY(trays().isEmpty());
        QCOMPARE(ZelLog::records().size(), 1); // logged all the same
    }

    void plainTextsAreLoggedAndShown_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("issue");
        QTest::addColumn<QString>("titleWord");
        QTest::newRow("information") << "information" << int(ZelLog::Information) << 0 << "Information";
        QTest::newRow("alert") << "alert" << int(ZelLog::Warning) << 2 << "Warning";
        QTest::newRow("error") << "error" << int(ZelLog::Error) << 2 << "Error";
    }

    void plainTextsAreLoggedAndShown()
    {
        QFETCH(QString, slot);
        QFETCH(int, type);
        QFETCH(int, issue);
        QFETCH(QString, titleWord);
        ZelMessenger messenger;
        QSignalSpy spy(&messenger, &ZelMessenger::needShowMessage);
        const QString text = QStringLiteral("Frame 42 dropped");
        QVERIFY(QMetaObject::invokeMethod(&messenger, qPrintable(slot), Q_ARG(QString, text)));
        QCOMPARE(ZelLog::records().size(), 1);
        const ZelMessage record = ZelLog::records().constFirst();
        QCOMPARE(QList<int>({int(record.messageType()), record.issueID()}), QList<int>({type, issue}));
        QCOMPARE(QStringList({record.module(), record.function(), record.text()}),
                 QStringList({"ZelGui", QStringLiteral("void ZelMessenger::%1(const QString &)").arg(slot), text}));
        // The pop-up shows that message, with an empty key and so without "Don't show again".
        QCOMPARE(spy.count(), 1);
        QVERIFY(spy.at(0).at(1).toString().isEmpty());
        QTRY_COMPARE(trays().size(), 1);
        ZelTrayMessage *tray = trays().constFirst();
        QVERIFY(trayTexts().constFirst().endsWith(text));
        QVERIFY(tray->windowTitle().startsWith(titleWord + QLatin1String(": ")));
        QVERIFY(tray->findChild<QCheckBox *>(QStringLiteral("checkBoxAgain"))->isHidden());
    }

    void stressManyThreadsThroughOneFilter()
    {
        constexpr int threadCount = 8, perThread = 125;
        ZelMessenger messenger;
        ZelMessageFilter filter;
        filter.block(QString(), ZelLog::Warning);
        filter.block(QStringLiteral("Noisy"), ZelLog::Information);
        messenger.setFilter(filter);
        std::atomic<int> accepted{0};
        connect(&messenger, &ZelMessenger::needShowMessage, this, [&] { ++accepted; }, Qt::DirectConnection);
        // A quarter each: held-back alerts, errors, held-back "Noisy" notices, plain notices.
        const std::function<void(const QString &)> senders[] = {
            [&](QString s) { messenger.alert(s); },
            [&](QString s) { messenger.error(s); },
            [&](QString s) { messenger.processMessage(makeMessage(ZelLog::Information, Issue::None, s, "Noisy")); },
            [&](QString s) { messenger.information(s); }};
        QList<QThread *> workers;
        for (int t = 0; t < threadCount; ++t) {
            workers << QThread::create([&senders, t] {
                for (int i = 0; i < perThread; ++i)
                    senders[(t + i) % 4](QStringLiteral("%1/%2").arg(t).arg(i));
            });
            workers.last()->start();
        }
        int ticks = 0; // the GUI thread keeps serving its timers meanwhile
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(5);
        for (QThread *worker : workers) {
            while (!worker->wait(5))
                QCoreApplication::processEvents();
        }
        qDeleteAll(workers);
        const int expected = threadCount * perThread / 2;
        QCOMPARE(accepted.load(), expected);
        QTRY_COMPARE_WITH_TIMEOUT(trays().size(), expected, 60000);
        const int ticksBefore = ticks; // right after the last pop-up the loop serves timers again
        QTRY_VERIFY_WITH_TIMEOUT(ticks > ticksBefore, 1000);
        ticker.stop();
        QCOMPARE(ZelLog::records().size(), threadCount * perThread * 3 / 4); // held-back alerts are logged too
    }

    void confirmationBoxes_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("press"); // "" presses Escape
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("looks"); // icons: 0 none, 2 warning, 3 critical, 4 question
        QTest::newRow("okCancel, OK") << "okCancel" << "OK" << 1 << "Confirm: Sure? [Cancel,OK] icon 2";
        QTest::newRow("continueCancel, window closed") << "continueCancel" << "<close>" << 0
                                                       << "Confirm: Sure? [Cancel,Continue] icon 2";
        QTest::newRow("yesNo, Yes") << "yesNo" << "Yes" << 1 << "Overwrite: Sure? [No,Yes] icon 4";
        QTest::newRow("yesNoCancel, Escape") << "yesNoCancel" << "" << int(QMessageBox::Cancel)
                                             << "Overwrite: Sure? [Cancel,No,Yes] icon 4";
        QTest::newRow("saveDiscardCancel, Discard") << "saveDiscardCancel" << "Discard" << int(QMessageBox::Discard)
                                                    << "Save: Sure? [Cancel,Discard,Save] icon 4";
        QTest::newRow("ok, Escape") << "ok" << "" << 0 << ": Sure? [OK] icon 3";
        QTest::newRow("about, OK") << "about" << "OK" << 0 << "About: Sure? [OK] icon 0";
    }

    void confirmationBoxes()
    {
        QFETCH(QString, function);
        QFETCH(QString, press);
        QFETCH(int, expected);
        QFETCH(QString, looks);
        const QString text = QStringLiteral("Sure?"), title = QStringLiteral("Overwrite");
        ZelMessenger messenger;
        const QHash<QString, std::function<int()>> run{
            {"okCancel", [&] { return int(ZelMessenger::okCancel(text, QMessageBox::Warning)); }},
            {"continueCancel", [&] { return int(ZelMessenger::continueCancel(text, QMessageBox::Warning)); }},
            {"yesNo", [&] { return int(ZelMessenger::yesNo(text, title)); }},
            {"yesNoCancel", [&] { return ZelMessenger::yesNoCancel(text, title); }},
            {"saveDiscardCancel", [&] { return ZelMessenger::saveDiscardCancel(text); }},
            {"ok", [&] { return ZelMessenger::ok(text, QMessageBox::Critical), 0; }},
            {"about", [&] { return messenger.about(text), 0; }}};
        QString seen;
        answerBox(&seen, press);
        QCOMPARE(run[function](), expected);
        QCOMPARE(seen, looks);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void boxesSpeakRussian()
    {
        RussianTranslation russian;
        QVERIFY(russian.loaded);
        QString seen;
        answerBox(&seen, QStringLiteral("Продолжить"));
        QVERIFY(ZelMessenger::continueCancel(QStringLiteral("Дальше?"), QMessageBox::Question));
        QVERIFY2(seen.startsWith(QStringLiteral("Подтверждение: Дальше? [")), qPrintable(seen));
    }

    void inputDialogsReturnTheValueOrNothing()
    {
        ZelMessenger messenger;
        QStringList seen;
        typeIntoDialog(&seen, QStringLiteral("7"), Qt::Key_Return);
        QCOMPARE(messenger.inputInt(QStringLiteral("Frames:"), 5, 9), 7);
        typeIntoDialog(&seen, QStringLiteral("7"), Qt::Key_Escape);
        QCOMPARE(messenger.inputInt(QStringLiteral("Frames:"), 5, 9), 0); // cancelled: 0, outside the range
        typeIntoDialog(&seen, QStringLiteral("-12"), Qt::Key_Return);
        QCOMPARE(messenger.inputInt(QStringLiteral("Frames:"), -20, -10), -12);
        typeIntoDialog(&seen, QStringLiteral("scan_01"), Qt::Key_Return);
        QCOMPARE(messenger.inputText(QStringLiteral("Name:"), QStringLiteral("scan")), QStringLiteral("scan_01"));
        typeIntoDialog(&seen, QStringLiteral("scan_01"), Qt::Key_Escape);
        QCOMPARE(messenger.inputText(QStringLiteral("Name:"), QStringLiteral("scan")), QString());
        // The initial value is 0, clamped into the range.
        QCOMPARE(seen, (QStringList{"Input int: Frames: 5 -> closed", "Input int: Frames: 5 -> closed",
                                    "Input int: Frames: -10 -> closed", "Input text: Name: scan -> closed",
                                    "Input text: Name: scan -> closed"}));
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
        answer.clear(); // cancelled, each gives an empty result
        QVERIFY(ZelMessenger::getOpenFileName(QStringLiteral("Open"), {}, "test/open").isEmpty());
        QVERIFY(ZelMessenger::getExistingDirectory(QStringLiteral("Folder"), "test/dir").isEmpty());
    }
};

QTEST_MAIN(tst_ZelMessenger)
#include "tst_zelgui_messenger.moc"
