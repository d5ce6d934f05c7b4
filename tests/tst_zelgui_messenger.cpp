// The messenger: filtering, queued delivery to the GUI thread (also from
// workers, also under load), the log records of plain texts, the modal
// boxes and input dialogs, and the file and directory choosers.

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelMessenger.h>
#include <ZelGui/ZelTrayMessage.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelFileDialog.h>
#include <ZelLog/ZelLog.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
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
#include <QTranslator>

#include <atomic>
#include <functional>

namespace {

ZelMessage makeMessage(ZelLog::MessageType type, const QString &module, const QString &text)
{
    return ZelMessage(type, module, QStringLiteral("void worker()"), QStringLiteral("worker.cpp"), 7, Issue::None,
                      text);
}

QList<ZelTrayMessage *> trays()
{
    QList<ZelTrayMessage *> result;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *tray = qobject_cast<ZelTrayMessage *>(widget))
            result << tray;
    }
    return result;
}

void closeAllTrays()
{
    for (ZelTrayMessage *tray : trays())
        delete tray;
}

// What a modal box looked like when the helper answered it.
struct SeenBox
{
    QString title;
    QString text;
    QStringList buttons;
    int icon = -1;
};

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
        QPointer<QWidget> guard(modal);
        QTimer::singleShot(3000, [guard] {
            if (auto *dialog = qobject_cast<QDialog *>(guard.data()))
                dialog->reject();
        });
    });
    timer->start();
}

// Records the box and then presses the button with the given text, or
// Escape when the text is empty.
void answerBox(SeenBox *seen, const QString &press)
{
    answerModal([seen, press](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            seen->buttons << button->text();
        if (press.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == press) {
                QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no button %1").arg(press)));
    });
}

} // namespace

class tst_ZelMessenger : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void rejectedMessagesEmitAndShowNothing();
    void acceptedMessagesShowOnlyOnceTheLoopRuns();
    void settingKeyTravelsToThePopUp();
    void plainTextsAreLoggedAndShown_data();
    void plainTextsAreLoggedAndShown();
    void filterIsAValueCopy();
    void workerThreadMessagesShowOnTheGuiThread();
    void messagesQueuedAtDestructionAreDropped();
    void stressManyThreadsThroughOneFilter();

    void confirmationBoxes_data();
    void confirmationBoxes();
    void okShowsOneButtonAndNoTitle();
    void boxesSpeakRussian();
    void inputIntReturnsTheValueOrZero_data();
    void inputIntReturnsTheValueOrZero();
    void inputTextReturnsTheTextOrEmpty_data();
    void inputTextReturnsTheTextOrEmpty();
    void aboutShowsTheText();

    void choosersForwardToTheFileDialog();
    void cancelledChoosersReturnEmpty();

    void benchmarkRejectedMessage();
};

void tst_ZelMessenger::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ZelLog::setEchoToQt(false);
}

void tst_ZelMessenger::init()
{
    ZelAbstractAppConfig::reset();
    settingMessageLifeTime(0);
    ZelLog::clearRecords();
    // Any warning fails, except the offscreen platform's notes on what it
    // cannot do for windows (raise, opacity, size hints).
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )")));
}

void tst_ZelMessenger::cleanup()
{
    closeAllTrays();
    ZelFileDialog::clearTestAnswer();
}

void tst_ZelMessenger::rejectedMessagesEmitAndShowNothing()
{
    ZelMessenger messenger;
    ZelMessageFilter filter;
    filter.block(QStringLiteral("Camera"), ZelLog::Warning);
    messenger.setFilter(filter);
    QSignalSpy spy(&messenger, &ZelMessenger::needShowMessage);

    messenger.processMessage(makeMessage(ZelLog::Warning, QStringLiteral("Camera"), QStringLiteral("hot")));
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0);
    QVERIFY(trays().isEmpty());

    // Another type of the same module passes.
    messenger.processMessage(makeMessage(ZelLog::Error, QStringLiteral("Camera"), QStringLiteral("gone")));
    QCOMPARE(spy.count(), 1);
    QTRY_COMPARE(trays().size(), 1);
}

void tst_ZelMessenger::acceptedMessagesShowOnlyOnceTheLoopRuns()
{
    ZelMessenger messenger;
    QStringList order;
    connect(&messenger, &ZelMessenger::needShowMessage, this,
            [&](const ZelMessage &message) { order << message.text(); });

    messenger.processMessage(makeMessage(ZelLog::Information, QStringLiteral("A"), QStringLiteral("one")));
    messenger.processMessage(makeMessage(ZelLog::Information, QStringLiteral("A"), QStringLiteral("two")));
    QCOMPARE(order, (QStringList{"one", "two"}));
    QVERIFY(trays().isEmpty());

    QCoreApplication::processEvents();
    const QList<ZelTrayMessage *> shown = trays();
    QCOMPARE(shown.size(), 2);
    QStringList texts;
    for (ZelTrayMessage *tray : shown)
        texts << tray->findChild<QLabel *>(QStringLiteral("labelText"))->text();
    texts.sort();
    QCOMPARE(texts, (QStringList{"one", "two"}));
}

void tst_ZelMessenger::settingKeyTravelsToThePopUp()
{
    const QString key = QStringLiteral("notifications/panorama");
    ZelMessenger messenger;
    QSignalSpy spy(&messenger, &ZelMessenger::needShowMessage);

    messenger.processMessage(makeMessage(ZelLog::Information, QStringLiteral("Pano"), QStringLiteral("stitched")), key);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toString(), key);
    QTRY_COMPARE(trays().size(), 1);
    auto *box = trays().constFirst()->findChild<QCheckBox *>(QStringLiteral("checkBoxAgain"));
    QVERIFY(!box->isHidden());
    QVERIFY(box->isEnabled());

    // Switched off, the next one passes the filter but shows nothing.
    ZelAbstractAppConfig::setSetting(key, false);
    messenger.processMessage(makeMessage(ZelLog::Information, QStringLiteral("Pano"), QStringLiteral("again")), key);
    QCOMPARE(spy.count(), 2);
    QCoreApplication::processEvents();
    QCOMPARE(trays().size(), 1);
}

void tst_ZelMessenger::plainTextsAreLoggedAndShown_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("issue");
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("titleWord");

    QTest::newRow("information") << QStringLiteral("information") << int(ZelLog::Information) << 0
                                 << QStringLiteral("void ZelMessenger::information(const QString &)")
                                 << QStringLiteral("Information");
    QTest::newRow("alert") << QStringLiteral("alert") << int(ZelLog::Warning) << 2
                           << QStringLiteral("void ZelMessenger::alert(const QString &)") << QStringLiteral("Warning");
    QTest::newRow("error") << QStringLiteral("error") << int(ZelLog::Error) << 2
                           << QStringLiteral("void ZelMessenger::error(const QString &)") << QStringLiteral("Error");
}

void tst_ZelMessenger::plainTextsAreLoggedAndShown()
{
    QFETCH(QString, slot);
    QFETCH(int, type);
    QFETCH(int, issue);
    QFETCH(QString, function);
    QFETCH(QString, titleWord);

    ZelMessenger messenger;
    QSignalSpy spy(&messenger, &ZelMessenger::needShowMessage);
    const QString text = QStringLiteral("Frame %1 dropped").arg(42);
    QVERIFY(QMetaObject::invokeMethod(&messenger, slot.toLatin1().constData(), Q_ARG(QString, text)));

    const QList<ZelMessage> records = ZelLog::records();
    QCOMPARE(records.size(), 1);
    const ZelMessage &record = records.constFirst();
    QCOMPARE(int(record.messageType()), type);
    QCOMPARE(record.module(), QStringLiteral("ZelGui"));
    QCOMPARE(record.function(), function);
    QVERIFY2(record.file().endsWith(QLatin1String("src/ZelGui/ZelMessenger.cpp")), qPrintable(record.file()));
    QVERIFY(record.line() > 0);
    QCOMPARE(record.issueID(), issue);
    QCOMPARE(record.text(), text);

    // The pop-up shows that message, without "Don't show again".
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<ZelMessage>().text(), text);
    QVERIFY(spy.at(0).at(1).toString().isEmpty());
    QTRY_COMPARE(trays().size(), 1);
    ZelTrayMessage *tray = trays().constFirst();
    QVERIFY(tray->windowTitle().startsWith(titleWord + QLatin1String(": ")));
    QVERIFY(tray->findChild<QLabel *>(QStringLiteral("labelText"))->text().endsWith(text));
    QVERIFY(tray->findChild<QCheckBox *>(QStringLiteral("checkBoxAgain"))->isHidden());

    // A filter that holds the type back still lets it be logged.
    ZelMessageFilter filter;
    filter.block(QString(), ZelLog::MessageType(type));
    messenger.setFilter(filter);
    QVERIFY(QMetaObject::invokeMethod(&messenger, slot.toLatin1().constData(), Q_ARG(QString, text)));
    QCOMPARE(ZelLog::records().size(), 2);
    QCOMPARE(spy.count(), 1);
}

void tst_ZelMessenger::filterIsAValueCopy()
{
    ZelMessenger messenger;
    QVERIFY(messenger.filter().isEmpty());

    ZelMessageFilter filter;
    filter.block(QStringLiteral("Scan"), ZelLog::Logging);
    messenger.setFilter(filter);
    QCOMPARE(messenger.filter(), filter);

    ZelMessageFilter copy = messenger.filter();
    copy.block(QString(), ZelLog::Error);
    QCOMPARE(messenger.filter(), filter);
    QVERIFY(messenger.filter() != copy);

    QSignalSpy spy(&messenger, &ZelMessenger::needShowMessage);
    messenger.processMessage(makeMessage(ZelLog::Error, QStringLiteral("Scan"), QStringLiteral("x")));
    QCOMPARE(spy.count(), 1);
}

void tst_ZelMessenger::workerThreadMessagesShowOnTheGuiThread()
{
    ZelMessenger messenger;
    QThread *worker = QThread::create([&messenger] {
        messenger.error(QStringLiteral("from the worker"));
        messenger.processMessage(makeMessage(ZelLog::Information, QStringLiteral("W"), QStringLiteral("done")));
    });
    worker->start();
    QVERIFY(worker->wait(5000));
    delete worker;

    QTRY_COMPARE(trays().size(), 2);
    for (ZelTrayMessage *tray : trays())
        QCOMPARE(tray->thread(), QCoreApplication::instance()->thread());
    QCOMPARE(ZelLog::records().size(), 1);
}

void tst_ZelMessenger::messagesQueuedAtDestructionAreDropped()
{
    auto *messenger = new ZelMessenger;
    messenger->information(QStringLiteral("late"));
    delete messenger;
    QCoreApplication::processEvents();
    QVERIFY(trays().isEmpty());
}

void tst_ZelMessenger::stressManyThreadsThroughOneFilter()
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

    QList<QThread *> workers;
    for (int t = 0; t < threadCount; ++t) {
        workers << QThread::create([&messenger, t] {
            for (int i = 0; i < perThread; ++i) {
                const QString text = QStringLiteral("%1/%2").arg(t).arg(i);
                switch ((t + i) % 4) {
                case 0:
                    messenger.alert(text); // held back
                    break;
                case 1:
                    messenger.error(text);
                    break;
                case 2:
                    messenger.processMessage(makeMessage(ZelLog::Information, QStringLiteral("Noisy"), text));
                    break;
                default:
                    messenger.information(text);
                    break;
                }
            }
        });
    }
    for (QThread *worker : workers)
        worker->start();

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

    const int expected = threadCount * perThread / 2; // errors and plain notices
    QCOMPARE(accepted.load(), expected);
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(trays().size(), expected, 60000);
    const qint64 deliveryMs = clock.elapsed();
    // Right after the last pop-up the loop serves timers again.
    const int ticksBefore = ticks;
    QTRY_VERIFY_WITH_TIMEOUT(ticks > ticksBefore, 1000);
    ticker.stop();
    QCOMPARE(ZelLog::records().size(), threadCount * perThread * 3 / 4);

    QSet<QString> texts;
    for (ZelTrayMessage *tray : trays())
        texts.insert(tray->findChild<QLabel *>(QStringLiteral("labelText"))->text());
    QCOMPARE(texts.size(), expected);
    qDebug("%d pop-ups delivered in %lld ms after the workers ended", expected, deliveryMs);
}

void tst_ZelMessenger::confirmationBoxes_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("icon");

    const QStringList okCancel{"OK", "Cancel"};
    const QStringList continueCancel{"Continue", "Cancel"};
    const QStringList yesNo{"Yes", "No"};
    const QStringList yesNoCancel{"Yes", "No", "Cancel"};
    const QStringList saveDiscardCancel{"Save", "Discard", "Cancel"};
    const int warning = QMessageBox::Warning;
    const int question = QMessageBox::Question;

    QTest::newRow("okCancel, OK") << "okCancel" << "OK" << 1 << "Confirm" << okCancel << warning;
    QTest::newRow("okCancel, Cancel") << "okCancel" << "Cancel" << 0 << "Confirm" << okCancel << warning;
    QTest::newRow("okCancel, Escape") << "okCancel" << "" << 0 << "Confirm" << okCancel << warning;
    QTest::newRow("continueCancel, Continue") << "continueCancel" << "Continue" << 1 << "Confirm" << continueCancel
                                              << warning;
    QTest::newRow("continueCancel, Escape") << "continueCancel" << "" << 0 << "Confirm" << continueCancel << warning;
    QTest::newRow("yesNo, Yes") << "yesNo" << "Yes" << 1 << "Overwrite?" << yesNo << question;
    QTest::newRow("yesNo, No") << "yesNo" << "No" << 0 << "Overwrite?" << yesNo << question;
    QTest::newRow("yesNo, Escape") << "yesNo" << "" << 0 << "Overwrite?" << yesNo << question;
    QTest::newRow("yesNoCancel, Yes") << "yesNoCancel" << "Yes" << int(QMessageBox::Yes) << "Overwrite?"
                                      << yesNoCancel << question;
    QTest::newRow("yesNoCancel, No") << "yesNoCancel" << "No" << int(QMessageBox::No) << "Overwrite?" << yesNoCancel
                                     << question;
    QTest::newRow("yesNoCancel, Escape") << "yesNoCancel" << "" << int(QMessageBox::Cancel) << "Overwrite?"
                                         << yesNoCancel << question;
    QTest::newRow("saveDiscardCancel, Save") << "saveDiscardCancel" << "Save" << int(QMessageBox::Save) << "Save"
                                             << saveDiscardCancel << question;
    QTest::newRow("saveDiscardCancel, Discard") << "saveDiscardCancel" << "Discard" << int(QMessageBox::Discard)
                                                << "Save" << saveDiscardCancel << question;
    QTest::newRow("saveDiscardCancel, Escape") << "saveDiscardCancel" << "" << int(QMessageBox::Cancel) << "Save"
                                               << saveDiscardCancel << question;
}

void tst_ZelMessenger::confirmationBoxes()
{
    QFETCH(QString, function);
    QFETCH(QString, press);
    QFETCH(int, expected);
    QFETCH(QString, title);
    QFETCH(QStringList, buttons);
    QFETCH(int, icon);

    const QString text = QStringLiteral("The file exists.");
    SeenBox seen;
    answerBox(&seen, press);
    int result = -1;
    if (function == QLatin1String("okCancel"))
        result = ZelMessenger::okCancel(text, QMessageBox::Warning);
    else if (function == QLatin1String("continueCancel"))
        result = ZelMessenger::continueCancel(text, QMessageBox::Warning);
    else if (function == QLatin1String("yesNo"))
        result = ZelMessenger::yesNo(text, title);
    else if (function == QLatin1String("yesNoCancel"))
        result = ZelMessenger::yesNoCancel(text, title);
    else
        result = ZelMessenger::saveDiscardCancel(text);

    QCOMPARE(result, expected);
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.icon, icon);
    QStringList seenButtons = seen.buttons;
    seenButtons.sort();
    buttons.sort();
    QCOMPARE(seenButtons, buttons);
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_ZelMessenger::okShowsOneButtonAndNoTitle()
{
    SeenBox seen;
    answerBox(&seen, QStringLiteral("OK"));
    ZelMessenger::ok(QStringLiteral("Done."), QMessageBox::Critical);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(seen.title.isEmpty());
    QCOMPARE(seen.icon, int(QMessageBox::Critical));

    // Escape closes it as well.
    SeenBox escaped;
    answerBox(&escaped, QString());
    ZelMessenger::ok(QStringLiteral("Done."), QMessageBox::Information);
    QCOMPARE(escaped.text, QStringLiteral("Done."));
}

void tst_ZelMessenger::boxesSpeakRussian()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")));
    QCoreApplication::installTranslator(&translator);
    SeenBox seen;
    answerBox(&seen, QStringLiteral("Продолжить"));
    const bool result = ZelMessenger::continueCancel(QStringLiteral("Дальше?"), QMessageBox::Question);
    SeenBox yesNo;
    answerBox(&yesNo, QStringLiteral("Нет"));
    const bool no = ZelMessenger::yesNo(QStringLiteral("Заменить?"), QStringLiteral("Файл"));
    QCoreApplication::removeTranslator(&translator);

    QVERIFY(result);
    QCOMPARE(seen.title, QStringLiteral("Подтверждение"));
    QVERIFY(!no);
    QStringList buttons = yesNo.buttons;
    buttons.sort();
    QCOMPARE(buttons, (QStringList{QStringLiteral("Да"), QStringLiteral("Нет")}));
}

void tst_ZelMessenger::inputIntReturnsTheValueOrZero_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("expected");

    QTest::newRow("entered") << 5 << 9 << QStringLiteral("7") << true << 7;
    QTest::newRow("cancelled, 0 outside the range") << 5 << 9 << QStringLiteral("7") << false << 0;
    QTest::newRow("stepped up from the minimum") << 5 << 9 << QStringLiteral("up") << true << 7;
    QTest::newRow("negative range") << -20 << -10 << QStringLiteral("-12") << true << -12;
}

void tst_ZelMessenger::inputIntReturnsTheValueOrZero()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QString, typed);
    QFETCH(bool, accept);
    QFETCH(int, expected);

    ZelMessenger messenger;
    QString title;
    QString label;
    answerModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY(dialog);
        title = dialog->windowTitle();
        label = dialog->labelText();
        auto *spin = dialog->findChild<QSpinBox *>();
        QVERIFY(spin);
        QCOMPARE(spin->minimum(), min);
        QCOMPARE(spin->maximum(), max);
        // The initial 0 is clamped into the range.
        QCOMPARE(spin->value(), qBound(min, 0, max));
        if (typed == QLatin1String("up")) {
            QTest::keyClick(spin, Qt::Key_Up);
            QTest::keyClick(spin, Qt::Key_Up);
        } else {
            spin->selectAll();
            QTest::keyClicks(spin, typed);
        }
        QTest::keyClick(spin, accept ? Qt::Key_Return : Qt::Key_Escape);
    });
    QCOMPARE(messenger.inputInt(QStringLiteral("Frames:"), min, max), expected);
    QCOMPARE(title, QStringLiteral("Input int"));
    QCOMPARE(label, QStringLiteral("Frames:"));
}

void tst_ZelMessenger::inputTextReturnsTheTextOrEmpty_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("expected");

    QTest::newRow("initial kept") << QStringLiteral("scan") << QString() << true << QStringLiteral("scan");
    QTest::newRow("typed on") << QStringLiteral("scan") << QStringLiteral("_01") << true << QStringLiteral("scan_01");
    QTest::newRow("cancelled") << QStringLiteral("scan") << QStringLiteral("_01") << false << QString();
}

void tst_ZelMessenger::inputTextReturnsTheTextOrEmpty()
{
    QFETCH(QString, initial);
    QFETCH(QString, typed);
    QFETCH(bool, accept);
    QFETCH(QString, expected);

    ZelMessenger messenger;
    QString title;
    answerModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY(dialog);
        title = dialog->windowTitle();
        auto *edit = dialog->findChild<QLineEdit *>();
        QVERIFY(edit);
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
        edit->end(false);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, accept ? Qt::Key_Return : Qt::Key_Escape);
    });
    QCOMPARE(messenger.inputText(QStringLiteral("Name:"), initial), expected);
    QCOMPARE(title, QStringLiteral("Input text"));
}

void tst_ZelMessenger::aboutShowsTheText()
{
    ZelMessenger messenger;
    SeenBox seen;
    answerBox(&seen, QStringLiteral("OK"));
    messenger.about(QStringLiteral("Viewer 1.0"));
    QCOMPARE(seen.title, QStringLiteral("About"));
    QCOMPARE(seen.text, QStringLiteral("Viewer 1.0"));
}

void tst_ZelMessenger::choosersForwardToTheFileDialog()
{
    QStringList captions;
    QStringList directories;
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
    answer = QStringList{QStringLiteral("/data/a.tif"), QStringLiteral("/data/b.png")};
    QCOMPARE(ZelMessenger::getOpenFileNames(QStringLiteral("Open many"), formats, "test/open", start), answer);
    answer = QStringList{QStringLiteral("/data/out")};
    QCOMPARE(ZelMessenger::getExistingDirectory(QStringLiteral("Folder"), start, "test/dir"),
             QStringLiteral("/data/out"));
    QCOMPARE(ZelMessenger::getExistingDirectory(QStringLiteral("Folder again"), "test/dir"),
             QStringLiteral("/data/out"));

    QCOMPARE(captions, (QStringList{"Open", "Save", "Open many", "Folder", "Folder again"}));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(directories.at(i), QDir(start).absolutePath());
    QCOMPARE(modes, (QList<QFileDialog::FileMode>{QFileDialog::ExistingFile, QFileDialog::AnyFile,
                                                   QFileDialog::ExistingFiles, QFileDialog::Directory,
                                                   QFileDialog::Directory}));
}

void tst_ZelMessenger::cancelledChoosersReturnEmpty()
{
    ZelFileDialog::setTestAnswer([](QFileDialog *) { return QStringList(); });
    QVERIFY(ZelMessenger::getOpenFileName(QStringLiteral("Open"), {}, "test/open").isEmpty());
    QVERIFY(ZelMessenger::getOpenFileNames(QStringLiteral("Open"), {}, "test/open").isEmpty());
    QVERIFY(ZelMessenger::getSaveFileName(QStringLiteral("Save"), {}, "test/save").isEmpty());
    QVERIFY(ZelMessenger::getExistingDirectory(QStringLiteral("Folder"), "test/dir").isEmpty());
}

void tst_ZelMessenger::benchmarkRejectedMessage()
{
    ZelMessenger messenger;
    ZelMessageFilter filter;
    filter.block(QString(), ZelLog::Information);
    messenger.setFilter(filter);
    const ZelMessage message = makeMessage(ZelLog::Information, QStringLiteral("Bench"), QStringLiteral("dropped"));
    QSignalSpy spy(&messenger, &ZelMessenger::needShowMessage);
    QBENCHMARK {
        messenger.processMessage(message);
    }
    QCOMPARE(spy.count(), 0);
}

QTEST_MAIN(tst_ZelMessenger)
#include "tst_zelgui_messenger.moc"
