// A message the filter holds back, through the messenger against the
// filter's own decision.

#include <ZelGui/ZelMessenger.h>

#include <ZelLog/ZelMessage.h>
#include <ZelLog/ZelMessageFilter.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

class bench_ZelMessenger : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rejectedMessage_data();
    void rejectedMessage();
};

void bench_ZelMessenger::rejectedMessage_data()
{
    QTest::addColumn<bool>("ours");
    QTest::newRow("ours") << true;
    QTest::newRow("primitive") << false;
}

void bench_ZelMessenger::rejectedMessage()
{
    QFETCH(bool, ours);
    ZelMessenger messenger;
    ZelMessageFilter filter;
    filter.block(QString(), ZelLog::Information);
    messenger.setFilter(filter);
    const ZelMessage message(ZelLog::Information, QStringLiteral("Bench"), QStringLiteral("void bench()"),
                             QStringLiteral("bench.cpp"), 1, Issue::None, QStringLiteral("x"));
    QSignalSpy spy(&messenger, &ZelMessenger::needShowMessage);
    bool accepted = false;
    QBENCHMARK {
        if (ours)
            messenger.processMessage(message);
        else
            accepted |= filter.accept(message);
    }
    QVERIFY(spy.isEmpty() && !accepted);
}

QTEST_MAIN(bench_ZelMessenger)
#include "bench_zelmessenger.moc"
