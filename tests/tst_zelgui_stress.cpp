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
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Runs body(t) on each of count threads while the GUI thread keeps serving its events.
void runOnThreads(int count, const std::function<void(int)> &body)
{
    std::atomic<int> finished{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < count; ++t) {
        threads.emplace_back([&, t] {
            body(t);
            ++finished;
        });
    }
    while (finished.load() < count)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    for (std::thread &thread : threads)
        thread.join();
}

// Runs body() over and over on a thread of its own until destroyed.
class Background
{
public:
    explicit Background(std::function<void()> body)
        : m_thread([this, body] {
            while (!m_stop)
                body();
        })
    {
    }
    ~Background()
    {
        m_stop = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// Records the text of every pop-up as it is shown.
class PopUpCounter : public QObject
{
public:
    QStringList shown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *tray = qobject_cast<ZelTrayMessage *>(watched))
                shown << tray->findChild<QLabel *>(QStringLiteral("labelText"))->text().section(u'\n', -1);
        }
        return false;
    }
};

} // namespace

class tst_ZelGuiStress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY(m_dir.isValid());
        ZelLog::setEchoToQt(false); // thousands of records; the messenger tests check their contents
    }

    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)"))); }
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
        std::atomic<int> accepted{0};
        connect(&messenger, &ZelMessenger::needShowMessage, this, [&] { ++accepted; }, Qt::DirectConnection);
        PopUpCounter counter;
        qApp->installEventFilter(&counter);

        // One in eight gets through: errors. The rest are held back by type or by module.
        const std::function<void(const QString &)> senders[] = {
            [&](QString s) { messenger.alert(s); },
            [&](QString s) { messenger.error(s); },
            [&](QString s) { messenger.processMessage(makeMessage(ZelLog::Information, Issue::None, s, "Noisy")); },
            [&](QString s) { messenger.processMessage(makeMessage(ZelLog::Warning, Issue::None, s)); }};
        QStringList expected;
        for (int t = 0; t < threadCount; ++t) {
            for (int i = 3; i < perThread; i += 8)
                expected << QStringLiteral("%1/%2").arg(t).arg(i);
        }
        runOnThreads(threadCount, [&](int t) {
            for (int i = 0; i < perThread; ++i) {
                const int slot = i % 8; // 0-2 alert, 3 error, 4-6 noisy, 7 warning
                const int sender = slot < 3 ? 0 : slot == 3 ? 1 : slot < 7 ? 2 : 3;
                senders[sender](QStringLiteral("%1/%2").arg(t).arg(i));
            }
        });
        QCOMPARE(accepted.load(), threadCount * perThread / 8);
        QTRY_COMPARE_WITH_TIMEOUT(counter.shown.size(), expected.size(), 240000);
        QTest::qWait(50); // a late duplicate would show by now
        qApp->removeEventFilter(&counter);
        QStringList shown = counter.shown;
        shown.sort();
        expected.sort();
        QCOMPARE(shown, expected);
        // And they leave on their own.
        QTRY_VERIFY_WITH_TIMEOUT(trays().isEmpty(), 30000);
        settingMessageLifeTime(7);
    }

    void imageModelTakesAddsReadsAndRemovesAtOnce()
    {
        QImage image(96, 64, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QStringList paths;
        for (int i = 0; i < 4; ++i) {
            paths << m_dir.filePath(QStringLiteral("stress%1.png").arg(i));
            QVERIFY(image.save(paths.last()));
        }
        ZelImageFileItemModel model;
        std::atomic<int> inserted{0}, removedRows{0}, removals{0};
        connect(&model, &QAbstractItemModel::rowsInserted, &model,
                [&](const QModelIndex &, int first, int last) { inserted += last - first + 1; }, Qt::DirectConnection);
        connect(&model, &QAbstractItemModel::rowsRemoved, &model,
                [&](const QModelIndex &, int first, int last) { removedRows += last - first + 1; },
                Qt::DirectConnection);

        constexpr int writers = 4, perWriter = 40;
        {
            const auto read = [&] {
                for (int r = 0, rows = model.rowCount(); r < rows; ++r) {
                    for (int role : {Qt::DisplayRole, Qt::ToolTipRole, Qt::DecorationRole})
                        model.data(model.index(r), role);
                }
                model.containsFile(paths.first());
                (void)model.files().size();
            };
            Background reader1(read), reader2(read);
            Background remover([&] {
                if (model.removeRows(0, 1))
                    ++removals;
                std::this_thread::yield();
            });
            runOnThreads(writers, [&](int w) {
                for (int i = 0; i < perWriter; ++i) {
                    if (i % 4 == 0)
                        model.addImageFile(paths.at(w));
                    else
                        model.addImageFile(
                            new ZelImageFile{{}, {}, QStringLiteral("w%1-%2").arg(w).arg(i), {}, {}, false, {}});
                }
            });
        }

        QCOMPARE(inserted.load(), writers * perWriter);
        QCOMPARE(removedRows.load(), removals.load());
        QCOMPARE(model.rowCount(), inserted - removedRows);
        QCOMPARE(model.files().size(), model.rowCount());
    }

    void labelTakesTextsFromManyThreads()
    {
        constexpr int threadCount = 8, perThread = 1000;
        ZelTCLabel label;
        label.show();
        runOnThreads(threadCount, [&](int t) {
            for (int i = 0; i < perThread; ++i)
                (i % 2 ? label.Set(QStringLiteral("%1/%2").arg(t).arg(i))
                       : label.setLabelText(QStringLiteral("%1/%2").arg(t).arg(i)));
        });
        // Every queued text is applied in the GUI thread; the one set last wins.
        label.setLabelText(QStringLiteral("last"));
        QTRY_COMPARE(label.labelText(), QStringLiteral("last"));
        QCOMPARE(label.text(), QStringLiteral("last"));
    }

    void labelDeletedWithTextsInFlight()
    {
        auto *label = new ZelTCLabel;
        {
            int i = 0;
            Background writer([&] { label->setLabelText(QString::number(++i)); });
            QTest::qWait(20);
        }
        delete label; // the texts still queued go with it
        QCoreApplication::processEvents();
    }

    void perfCounterStoreTakesValuesFromManyThreads()
    {
        constexpr int threadCount = 8, perThread = 1000;
        ZelPerfCounterStore store;
        QStringList announced;
        std::mutex announcedMutex;
        connect(&store, &ZelPerfCounterStore::metricAdded, this,
                [&](const QString &name) {
                    std::lock_guard<std::mutex> lock(announcedMutex);
                    announced << name;
                },
                Qt::DirectConnection);
        {
            Background reader([&] {
                const QHash<QString, QList<double>> data = store.data();
                for (const QString &metric : store.metrics())
                    (void)store.values(metric).size();
                (void)data.size();
            });
            runOnThreads(threadCount, [&](int t) {
                for (int i = 0; i < perThread; ++i) {
                    store.addValue(QStringLiteral("own%1").arg(t), i);
                    store.addValue(QStringLiteral("shared"), t);
                }
            });
        }

        announced.sort();
        QStringList metrics = store.metrics();
        metrics.sort();
        QCOMPARE(announced, metrics); // each metric announced exactly once
        QCOMPARE(metrics.size(), threadCount + 1);
        QCOMPARE(store.values(QStringLiteral("shared")).size(), ZelPerfCounterStore::historySize);
        for (int t = 0; t < threadCount; ++t) {
            const QList<double> own = store.values(QStringLiteral("own%1").arg(t));
            QCOMPARE(own.size(), ZelPerfCounterStore::historySize);
            QCOMPARE(own.last(), double(perThread - 1)); // each thread's values in its order
            QCOMPARE(own.first(), double(perThread - ZelPerfCounterStore::historySize));
        }
    }

    void perfCounterWidgetFollowsMetricsFromManyThreads()
    {
        constexpr int threadCount = 8, perThread = 1000;
        ZelPerfCounterWidget widget;
        widget.setRefreshInterval(1); // redraws from the store while the values arrive
        widget.resize(500, 300);
        widget.show();
        const int tabsBefore = widget.count();
        runOnThreads(threadCount, [&](int t) {
            for (int i = 0; i < perThread; ++i)
                zelPerfCounterStore()->addValue(QStringLiteral("stress/widget%1").arg(t), i % 97);
        });
        // One tab per new metric, announced from the worker threads and added on the GUI thread.
        QTRY_COMPARE(widget.count(), tabsBefore + threadCount);
        QStringList names;
        for (int i = tabsBefore; i < widget.count(); ++i)
            names << widget.tabText(i);
        names.sort();
        for (int t = 0; t < threadCount; ++t)
            QVERIFY2(names.at(t).contains(QStringLiteral("stress/widget%1").arg(t)), qPrintable(names.join(u',')));
        QTest::qWait(20); // a few more refreshes over the full histories
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_ZelGuiStress)
#include "tst_zelgui_stress.moc"
