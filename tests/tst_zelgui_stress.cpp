// Thread stress of what crosses threads: the messenger's queued delivery of
// pop-ups, the image file model's guarded list, the thread-safe label's
// queued text and the perf counter store. Built for every preset; the tsan
// preset runs these alone (label "stress").

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelImageFileItemModel.h>
#include <ZelGui/ZelMessenger.h>
#include <ZelGui/ZelPerfCounterWidget.h>
#include <ZelGui/ZelTCLabel.h>
#include <ZelGui/ZelTrayMessage.h>

#include <ZelCore/ZelPerfCounterStore.h>
#include <ZelLog/ZelLog.h>

#include "zelgui_testhelpers.h"

#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace {

// Runs body(t) on each of count threads, and alongside(k) over and over on extra threads k until they are
// done, while the GUI thread keeps serving its events.
void runOnThreads(int count, const std::function<void(int)> &body, int extra = 0, const std::function<void(int)> &alongside = {})
{
    std::atomic<int> finished{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < count + extra; ++t) {
        threads.emplace_back([&, t] {
            while (t >= count && finished.load() < count)
                alongside(t - count);
            if (t < count) {
                body(t);
                ++finished;
            }
        });
    }
    while (finished.load() < count)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    for (std::thread &thread : threads)
        thread.join();
}

// Records the text of every pop-up as it is shown.
struct PopUpCounter : QObject
{
    QStringList shown;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<ZelTrayMessage *>(watched))
            shown << watched->findChild<QLabel *>(QStringLiteral("labelText"))->text().section(u'\n', -1);
        return false;
    }
};

} // namespace

class tst_ZelGuiStress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        ZelLog::setEchoToQt(false); // thousands of records; the messenger tests check their contents
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
    }

    void cleanup() { ZelLog::clearRecords(); }

    void messengerShowsOnePopUpPerAcceptedMessage()
    {
        constexpr int threadCount = 8, perThread = 1000;
        // Pop-ups that leave after a second keep the screen, and the run, short.
        settingMessageLifeTime(1);
        ZelMessenger messenger;
        ZelMessageFilter filter;
        filter.block(QString(), ZelLog::Warning);
        filter.block(QStringLiteral("Noisy"), ZelLog::Information);
        messenger.setFilter(filter);
        PopUpCounter counter;
        qApp->installEventFilter(&counter);

        // One in eight gets through: errors. The rest are held back by module or by type.
        const std::function<void(const QString &)> senders[] = {
            [&](QString s) { messenger.alert(s); }, [&](QString s) { messenger.error(s); },
            [&](QString s) { messenger.processMessage(makeMessage(ZelLog::Information, Issue::None, s, "Noisy")); },
            [&](QString s) { messenger.processMessage(makeMessage(ZelLog::Warning, Issue::None, s)); }};
        runOnThreads(threadCount, [&](int t) {
            for (int i = 0; i < perThread; ++i) {
                // 0 alert, 1 error, 2 noisy, 3-7 warning
                senders[qMin(i % 8, 3)](QStringLiteral("%1/%2").arg(t).arg(i));
            }
        });
        QTRY_COMPARE_WITH_TIMEOUT(counter.shown.size(), threadCount * perThread / 8, 240000);
        QTest::qWait(50); // a late duplicate would show by now
        // Each error once, and nothing else.
        QCOMPARE(QSet<QString>(counter.shown.cbegin(), counter.shown.cend()).size(), counter.shown.size());
        for (const QString &text : std::as_const(counter.shown))
            QVERIFY2(text.section(u'/', 1).toInt() % 8 == 1, qPrintable(text));
        // And they leave on their own.
        QTRY_VERIFY_WITH_TIMEOUT(trays().isEmpty(), 30000);
    }

    void imageModelTakesAddsReadsAndRemovesAtOnce()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("stress.png"));
        QImage image(96, 64, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(path));
        ZelImageFileItemModel model;
        std::atomic<int> inserted{0}, removedRows{0}, removals{0};
        connect(
            &model, &QAbstractItemModel::rowsInserted, &model,
            [&](const QModelIndex &, int first, int last) { inserted += last - first + 1; }, Qt::DirectConnection);
        connect(
            &model, &QAbstractItemModel::rowsRemoved, &model,
            [&](const QModelIndex &, int first, int last) { removedRows += last - first + 1; }, Qt::DirectConnection);

        constexpr int writers = 4, perWriter = 40;
        // Two readers of every row and role and a remover work while the writers add.
        const auto alongside = [&](int k) {
            if (k == 0 && model.removeRows(0, 1))
                ++removals;
            for (int r = 0, rows = k ? model.rowCount() : 0; r < rows; ++r) {
                for (int role : {Qt::DisplayRole, Qt::ToolTipRole, Qt::DecorationRole})
                    model.data(model.index(r), role);
            }
            model.containsFile(path);
        };
        runOnThreads(
            writers,
            [&](int w) {
                for (int i = 0; i < perWriter; ++i) {
                    if (i % 4 == 0)
                        model.addImageFile(path);
                    else
                        model.addImageFile(new ZelImageFile{{}, {}, QStringLiteral("w%1-%2").arg(w).arg(i), {}, {}, false, {}});
                }
            },
            3, alongside);

        QCOMPARE(inserted.load(), writers * perWriter);
        QCOMPARE(removedRows.load(), removals.load());
        QCOMPARE(model.rowCount(), inserted - removedRows);
        QCOMPARE(model.files().size(), model.rowCount());
    }

    void labelTakesTextsFromManyThreadsAndGoesWithTextsInFlight()
    {
        constexpr int threadCount = 8, perThread = 1000;
        auto *label = new ZelTCLabel;
        label->show();
        runOnThreads(threadCount, [&](int t) {
            for (int i = 0; i < perThread; ++i)
                (i % 2 ? label->Set(QStringLiteral("%1/%2").arg(t).arg(i)) : label->setLabelText(QStringLiteral("%1/%2").arg(t).arg(i)));
        });
        // Every queued text is applied in the GUI thread; the one set last wins.
        label->setLabelText(QStringLiteral("last"));
        QTRY_COMPARE(label->labelText(), QStringLiteral("last"));
        QCOMPARE(label->text(), QStringLiteral("last"));
        // Deleted with a thousand texts still queued, it takes them along.
        std::thread writer([label] {
            for (int i = 0; i < 1000; ++i)
                label->setLabelText(QString::number(i));
        });
        writer.join();
        delete label;
        QCoreApplication::processEvents();
    }

    void perfCountersTakeValuesFromManyThreads()
    {
        constexpr int threadCount = 8, perThread = 1000;
        const QSharedPointer<ZelPerfCounterStore> store = zelPerfCounterStore();
        QObject context;
        std::atomic<int> announced{0};
        connect(
            store.data(), &ZelPerfCounterStore::metricAdded, &context, [&] { ++announced; }, Qt::DirectConnection);
        ZelPerfCounterWidget widget;
        widget.setRefreshInterval(1); // redraws from the store while the values arrive
        widget.show();
        const int tabsBefore = widget.count();
        runOnThreads(
            threadCount,
            [&](int t) {
                for (int i = 0; i < perThread; ++i) {
                    store->addValue(QStringLiteral("stress/own%1").arg(t), i);
                    store->addValue(QStringLiteral("stress/shared"), t);
                }
            },
            1,
            [&](int) {
                for (const QString &metric : store->metrics())
                    (void)store->values(metric).size();
                (void)store->data().size();
            });

        // Each metric announced once from the worker threads, its tab added on the GUI thread.
        QCOMPARE(announced.load(), threadCount + 1);
        QTRY_COMPARE(widget.count(), tabsBefore + threadCount + 1);
        QCOMPARE(store->values(QStringLiteral("stress/shared")).size(), ZelPerfCounterStore::historySize);
        for (int t = 0; t < threadCount; ++t) {
            const QList<double> own = store->values(QStringLiteral("stress/own%1").arg(t));
            QCOMPARE(own.size(), ZelPerfCounterStore::historySize);
            QCOMPARE(own.last(), double(perThread - 1)); // each thread's values in its order
            QCOMPARE(own.first(), double(perThread - ZelPerfCounterStore::historySize));
        }
    }
};

QTEST_MAIN(tst_ZelGuiStress)
#include "tst_zelgui_stress.moc"
