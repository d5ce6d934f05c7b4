// The messenger: filtering, queued delivery to the GUI thread (also from
// workers, also under load), the log records of plain texts, the modal
// boxes and input dialogs, and the file and directory choosers.

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
#include <memory>

namespace {

ZelMessage moduleMessage(ZelLog::MessageType type, const QString &module, const QString &text)
{
    return makeMessage(type, Issue::None, text, module);
}

QString trayText(ZelTrayMessage *tray)
{
    return tray->findChild<QLabel *>(QStringLiteral("labelText"))->text();
}

// Answers the next modal widget once it is up, from the event loop it runs.
void answerModal(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(modal);
        // A test that failed to answer must not hang in the dialog.
        QTimer::singleShot(3000, [guard = QPointer<QWidget>(modal)] {
            if (auto *dialog = qobject_cast<QDialog *>(guard.data()))
                dialog->reject();
        });
    });
    timer->start();
}

// What a modal box looked like when it was answered, and whether the answer closed it.
struct SeenBox
{
    QString title, text;
    QStringList buttons; // sorted
    int icon = -1;
    bool closed = false;
};

// Records the box, then presses the button with the given text, Escape for
// "", or closes the window for "<close>".
void answerBox(SeenBox *seen, const QString &press)
{
    answerModal([seen, press](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        *seen = {box->windowTitle(), box->text(), {}, box->icon()};
        QAbstractButton *target = nullptr;
        for (QAbstractButton *button : box->buttons()) {
            seen->buttons << button->text();
            if (button->text() == press)
                target = button;
        }
        seen->buttons.sort();
        if (press.isEmpty())
            QTest::keyClick(box, Qt::Key_Escape);
        else if (press == QLatin1String("<close>"))
            box->close();
        else if (target)
            QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        seen->closed = !box->isVisible();
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
        messenger.processMessage(moduleMessage(ZelLog::Warning, QStringLiteral("Camera"), QStringLiteral("hot")));
        // Another type of the same module passes, and so does the same type of another module.
        messenger.processMessage(moduleMessage(ZelLog::Error, QStringLiteral("Camera"), QStringLiteral("one")));
        messenger.processMessage(moduleMessage(ZelLog::Warning, QStringLiteral("Scan"), QStringLiteral("two")));
        QCOMPARE(emitted, (QStringList{"one", "two"}));
        QVERIFY(trays().isEmpty());
        QCoreApplication::processEvents();
        QStringList texts;
        for (ZelTrayMessage *tray : trays())
            texts << trayText(tray);
        texts.sort();
        QCOMPARE(texts, (QStringList{"one", "two"}));
    }

    void settingKeyTravelsToThePopUp()
    {
        const QString key = QStringLiteral("notifications/panorama");
        ZelMessenger messenger;
        QSignalSpy spy(&messenger, &ZelMessenger::needShowMessage);
        messenger.processMessage(moduleMessage(ZelLog::Information, QStringLiteral("Pano"), QStringLiteral("ok")), key);
        QCOMPARE(spy.at(0).at(1).toString(), key);
        QTRY_COMPARE(trays().size(), 1);
        auto *box = trays().constFirst()->findChild<QCheckBox *>(QStringLiteral("checkBoxAgain"));
        QVERIFY(!box->isHidden() && box->isEnabled());
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
        QVERIFY2(record.file().endsWith(QLatin1String("src/ZelGui/ZelMessenger.cpp")), qPrintable(record.file()));
        QVERIFY(record.line() > 0);

        // The pop-up shows that message, without "Don't show again".
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<ZelMessage>().text(), text);
        QVERIFY(spy.at(0).at(1).toString().isEmpty());
        QTRY_COMPARE(trays().size(), 1);
        ZelTrayMessage *tray = trays().constFirst();
        QVERIFY(tray->windowTitle().startsWith(titleWord + QLatin1String(": ")));
        QVERIFY(trayText(tray).endsWith(text));
        QVERIFY(tray->findChild<QCheckBox *>(QStringLiteral("checkBoxAgain"))->isHidden());
    }

    void filterIsAValueCopy()
    {
        ZelMessenger messenger;
        ZelMessageFilter filter;
        filter.block(QStringLiteral("Scan"), ZelLog::Logging);
        messenger.setFilter(filter);
        QCOMPARE(messenger.filter(), filter);
        ZelMessageFilter copy = messenger.filter();
        copy.block(QString(), ZelLog::Error);
        QCOMPARE(messenger.filter(), filter);
        QSignalSpy spy(&messenger, &ZelMessenger::needShowMessage);
        messenger.processMessage(moduleMessage(ZelLog::Error, QStringLiteral("Scan"), QStringLiteral("x")));
        QCOMPARE(spy.count(), 1);
    }

    void workerThreadMessagesShowOnTheGuiThread()
    {
        ZelMessenger messenger;
        std::unique_ptr<QThread> worker(QThread::create([&messenger] {
            messenger.error(QStringLiteral("from the worker"));
            messenger.processMessage(moduleMessage(ZelLog::Information, QStringLiteral("W"), QStringLiteral("done")));
        }));
        worker->start();
        QVERIFY(worker->wait(5000));
        QTRY_COMPARE(trays().size(), 2);
        for (ZelTrayMessage *tray : trays())
            QCOMPARE(tray->thread(), QCoreApplication::instance()->thread());
        QCOMPARE(ZelLog::records().size(), 1);
    }

    void messagesQueuedAtDestructionAreDropped()
    {
        auto *messenger = new ZelMessenger;
        messenger->information(QStringLiteral("late"));
        delete messenger;
        QCoreApplication::processEvents();
        QVERIFY(trays().isEmpty());
    }

    void stressManyThreadsThroughOneFilter()
    {
        constexpr int threadCount = 8;
        constexpr int perThread = 125;
        ZelMessenger messenger;
        ZelMessageFilter filter;
        filter.block(QString(), ZelLog::Warning);
        filter.block(QStringLiteral("Noisy"), ZelLog::Information);
        messenger.setFilter(filter);
        std::atomic<int> accepted{0};
        connect(&messenger, &ZelMessenger::needShowMessage, this, [&] { ++accepted; }, Qt::DirectConnection);

        // A quarter each: held-back alerts, errors, held-back "Noisy" notices, plain notices.
        QList<QThread *> workers;
        for (int t = 0; t < threadCount; ++t) {
            workers << QThread::create([&messenger, t] {
                for (int i = 0; i < perThread; ++i) {
                    const QString text = QStringLiteral("%1/%2").arg(t).arg(i);
                    const int kind = (t + i) % 4;
                    if (kind == 0)
                        messenger.alert(text);
                    else if (kind == 1)
                        messenger.error(text);
                    else if (kind == 2)
                        messenger.processMessage(moduleMessage(ZelLog::Information, QStringLiteral("Noisy"), text));
                    else
                        messenger.information(text);
                }
            });
            workers.last()->start();
        }

        // The GUI thread keeps serving its timers meanwhile.
        int ticks = 0;
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
        QSet<QString> texts;
        for (ZelTrayMessage *tray : trays())
            texts.insert(trayText(tray));
        QCOMPARE(texts.size(), expected);
    }

    void confirmationBoxes_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("press"); // "" presses Escape
        QTest::addColumn<int>("expected");
        QTest::newRow("okCancel, OK") << "okCancel" << "OK" << 1;
        QTest::newRow("okCancel, Escape") << "okCancel" << "" << 0;
        QTest::newRow("okCancel, window closed") << "okCancel" << "<close>" << 0;
        QTest::newRow("continueCancel, Continue") << "continueCancel" << "Continue" << 1;
        QTest::newRow("continueCancel, Escape") << "continueCancel" << "" << 0;
        QTest::newRow("yesNo, Yes") << "yesNo" << "Yes" << 1;
        QTest::newRow("yesNo, Escape") << "yesNo" << "" << 0;
        QTest::newRow("yesNoCancel, No") << "yesNoCancel" << "No" << int(QMessageBox::No);
        QTest::newRow("yesNoCancel, Escape") << "yesNoCancel" << "" << int(QMessageBox::Cancel);
        QTest::newRow("saveDiscardCancel, Discard") << "saveDiscardCancel" << "Discard" << int(QMessageBox::Discard);
        QTest::newRow("saveDiscardCancel, Escape") << "saveDiscardCancel" << "" << int(QMessageBox::Cancel);
        QTest::newRow("ok, Escape") << "ok" << "" << 0;
        QTest::newRow("about, OK") << "about" << "OK" << 0;
    }

    void confirmationBoxes()
    {
        QFETCH(QString, function);
        QFETCH(QString, press);
        QFETCH(int, expected);

        const QString text = QStringLiteral("The file exists."), title = QStringLiteral("Overwrite?");
        ZelMessenger messenger;
        struct Box
        {
            std::function<int()> run;
            SeenBox looks; // buttons sorted
        };
        const int warning = QMessageBox::Warning, question = QMessageBox::Question;
        const QHash<QString, Box> boxes{
            {"okCancel", {[&] { return int(ZelMessenger::okCancel(text, QMessageBox::Warning)); },
                          {"Confirm", text, {"Cancel", "OK"}, warning}}},
            {"continueCancel", {[&] { return int(ZelMessenger::continueCancel(text, QMessageBox::Warning)); },
                                {"Confirm", text, {"Cancel", "Continue"}, warning}}},
            {"yesNo", {[&] { return int(ZelMessenger::yesNo(text, title)); }, {title, text, {"No", "Yes"}, question}}},
            {"yesNoCancel", {[&] { return ZelMessenger::yesNoCancel(text, title); },
                             {title, text, {"Cancel", "No", "Yes"}, question}}},
            {"saveDiscardCancel", {[&] { return ZelMessenger::saveDiscardCancel(text); },
                                   {"Save", text, {"Cancel", "Discard", "Save"}, question}}},
            {"ok", {[&] { return ZelMessenger::ok(text, QMessageBox::Critical), 0; },
                    {QString(), text, {"OK"}, QMessageBox::Critical}}},
            {"about", {[&] { return messenger.about(text), 0; }, {"About", text, {"OK"}, QMessageBox::NoIcon}}}};
        const Box &box = boxes[function];
        SeenBox seen;
        answerBox(&seen, press);
        QCOMPARE(box.run(), expected);
        QVERIFY(seen.closed);
        QCOMPARE(seen.title, box.looks.title);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.buttons, box.looks.buttons);
        QCOMPARE(seen.icon, box.looks.icon);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void boxesSpeakRussian()
    {
        RussianTranslation russian;
        QVERIFY(russian.loaded);
        SeenBox seen, yesNo;
        answerBox(&seen, QStringLiteral("Продолжить"));
        QVERIFY(ZelMessenger::continueCancel(QStringLiteral("Дальше?"), QMessageBox::Question));
        QCOMPARE(seen.title, QStringLiteral("Подтверждение"));
        answerBox(&yesNo, QStringLiteral("Нет"));
        QVERIFY(!ZelMessenger::yesNo(QStringLiteral("Заменить?"), QStringLiteral("Файл")));
        QCOMPARE(yesNo.buttons, (QStringList{QStringLiteral("Да"), QStringLiteral("Нет")}));
        QVERIFY(yesNo.closed);
    }

    void inputIntReturnsTheValueOrZero_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("expected");
        QTest::newRow("entered") << 5 << 9 << true << 7;
        QTest::newRow("cancelled, 0 outside the range") << 5 << 9 << false << 0;
        QTest::newRow("negative range") << -20 << -10 << true << -12;
    }

    void inputIntReturnsTheValueOrZero()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(bool, accept);
        QFETCH(int, expected);
        ZelMessenger messenger;
        QString title, label;
        bool closed = false;
        answerModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QInputDialog *>(modal);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            label = dialog->labelText();
            auto *spin = dialog->findChild<QSpinBox *>();
            QCOMPARE(QList<int>({spin->minimum(), spin->maximum()}), QList<int>({min, max}));
            QCOMPARE(spin->value(), qBound(min, 0, max)); // the initial 0, clamped into the range
            spin->selectAll();
            QTest::keyClicks(spin, QString::number(accept ? expected : 7));
            QTest::keyClick(spin, accept ? Qt::Key_Return : Qt::Key_Escape);
            closed = !dialog->isVisible();
        });
        QCOMPARE(messenger.inputInt(QStringLiteral("Frames:"), min, max), expected);
        QVERIFY(closed);
        QCOMPARE(title, QStringLiteral("Input int"));
        QCOMPARE(label, QStringLiteral("Frames:"));
    }

    void inputTextReturnsTheTextOrEmpty_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("expected");
        QTest::newRow("typed on") << true << QStringLiteral("scan_01");
        QTest::newRow("cancelled") << false << QString();
    }

    void inputTextReturnsTheTextOrEmpty()
    {
        QFETCH(bool, accept);
        QFETCH(QString, expected);
        ZelMessenger messenger;
        QString title;
        bool closed = false;
        answerModal([&](QWidget *modal) {
            title = modal->windowTitle();
            auto *edit = modal->findChild<QLineEdit *>();
            QCOMPARE(edit->echoMode(), QLineEdit::Normal);
            edit->end(false);
            QTest::keyClicks(edit, QStringLiteral("_01"));
            QTest::keyClick(edit, accept ? Qt::Key_Return : Qt::Key_Escape);
            closed = !modal->isVisible();
        });
        QCOMPARE(messenger.inputText(QStringLiteral("Name:"), QStringLiteral("scan")), expected);
        QVERIFY(closed);
        QCOMPARE(title, QStringLiteral("Input text"));
    }

    void choosersForwardToTheFileDialog()
    {
        QStringList captions, directories;
        QList<QFileDialog::FileMode> modes;
        QStringList answer{QStringLiteral("/data/a.tif")};
        ZelFileDialog::setTestAnswer([&](QFileDialog *dialog) {
            captions << dialog->windowTitle();
            directories << dialog->directory().absolutePath();
            modes << dialog->fileMode();
            return answer;
        });
        const QList<QByteArray> formats{"tif", "png"};
        const QString start = QDir::tempPath();

        QCOMPARE(ZelMessenger::getOpenFileName(QStringLiteral("Open"), formats, "test/open", start), answer.first());
        QCOMPARE(ZelMessenger::getSaveFileName(QStringLiteral("Save"), formats, "test/save", start), answer.first());
        answer << QStringLiteral("/data/b.png");
        QCOMPARE(ZelMessenger::getOpenFileNames(QStringLiteral("Open many"), formats, "test/open", start), answer);
        answer = QStringList{QStringLiteral("/data/out")};
        QCOMPARE(ZelMessenger::getExistingDirectory(QStringLiteral("Folder"), start, "test/dir"), answer.first());
        QCOMPARE(ZelMessenger::getExistingDirectory(QStringLiteral("Folder again"), "test/dir"), answer.first());
        QCOMPARE(captions, (QStringList{"Open", "Save", "Open many", "Folder", "Folder again"}));
        QCOMPARE(directories.mid(0, 4), QStringList(4, QDir(start).absolutePath()));
        QCOMPARE(modes, (QList<QFileDialog::FileMode>{QFileDialog::ExistingFile, QFileDialog::AnyFile,
                                                       QFileDialog::ExistingFiles, QFileDialog::Directory,
                                                       QFileDialog::Directory}));

        // Cancelled, each gives an empty result.
        answer.clear();
        QVERIFY(ZelMessenger::getOpenFileName(QStringLiteral("Open"), {}, "test/open").isEmpty());
        QVERIFY(ZelMessenger::getOpenFileNames(QStringLiteral("Open"), {}, "test/open").isEmpty());
        QVERIFY(ZelMessenger::getSaveFileName(QStringLiteral("Save"), {}, "test/save").isEmpty());
        QVERIFY(ZelMessenger::getExistingDirectory(QStringLiteral("Folder"), "test/dir").isEmpty());
    }

    void benchmarkRejectedMessage()
    {
        ZelMessenger messenger;
        ZelMessageFilter filter;
        filter.block(QString(), ZelLog::Information);
        messenger.setFilter(filter);
        const ZelMessage message = moduleMessage(ZelLog::Information, QStringLiteral("Bench"), QStringLiteral("x"));
        QSignalSpy spy(&messenger, &ZelMessenger::needShowMessage);
        QBENCHMARK {
            messenger.processMessage(message);
        }
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_MAIN(tst_ZelMessenger)
#include "tst_zelgui_messenger.moc"
