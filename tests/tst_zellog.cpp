#include <ZelLog/Issue.h>
#include <ZelLog/ZelLog.h>
#include <ZelLog/ZelMessage.h>
#include <ZelLog/ZelMessageFilter.h>
#include <ZelLog/ZelMessageStream.h>
#include <ZelLog/ZelStatus.h>

#include "zelstream_testhelpers.h"

#include <QLoggingCategory>
#include <QSet>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum StreamKind { LogKind, NotifyKind, WarningKind, ErrorKind };

ZelMessageStream openStream(StreamKind kind, const char *function, int line, Issue::ID issue)
{
    switch (kind) {
    case LogKind: return ZelLog::logStream("cam", function, "cam.cpp", line);
    case NotifyKind: return ZelLog::notifyStream("cam", function, "cam.cpp", line);
    case WarningKind: return ZelLog::warningStream("cam", function, "cam.cpp", line, issue);
    case ErrorKind: break;
    }
    return ZelLog::errorStream("cam", function, "cam.cpp", line, issue);
}

// Runs work(index) in count threads at once; false if one hangs.
bool runTogether(int count, const std::function<void(int)> &work)
{
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < count; ++t)
        threads.emplace_back(QThread::create(work, t))->start();
    return std::all_of(threads.begin(), threads.end(), [](auto &thread) { return thread->wait(30000); });
}

// What Qt's logging received while a MessageCapture was alive.
struct Captured {
    int type;
    QStringList where; // category, file, line
    QString text;
};
QList<Captured> s_captured;

struct MessageCapture {
    MessageCapture()
        : previous(qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &c, const QString &text) {
            s_captured.append({type, {QString::fromUtf8(c.category), QString::fromUtf8(c.file), QString::number(c.line)}, text});
        }))
    {
        s_captured.clear();
    }
    ~MessageCapture() { qInstallMessageHandler(previous); }
    QtMessageHandler previous;
};

ZelMessage message(ZelLog::MessageType type, const QString &text, Issue::ID issue = Issue::None)
{
    return ZelMessage(type, u"m"_s, u"f"_s, u"a.cpp"_s, 1, issue, text);
}

} // namespace

class Emitter : public QObject
{
    Q_OBJECT
Q_SIGNALS:
    void messageReady(const ZelMessage &message);
};

class TestZelLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // First: must see the library's own registration, before this test
    // instantiates any of the types' metatypes.
    void metaTypesRegisteredByLibrary();
    void initTestCase();
    void init();

    void streamJoinsItems();
    void streamKindsAndEcho_data();
    void streamKindsAndEcho();
    void recordIssuedOnceByLastCopy();
    void recordsFromManyThreads();
    void sinkKeepsTheNewestRecords();

    void issueCatalogue_data();
    void issueCatalogue();
    void knownIDsAreConsistent();

    void messageEqualityIgnoresOnlyTimestamp_data();
    void messageEqualityIgnoresOnlyTimestamp();
    void textParagraph_data();
    void textParagraph();
    void statusOutcome_data();
    void statusOutcome();

    void filterSharing();
    void filterRefCountAcrossThreads();
    void filterAccept_data();
    void filterAccept();

    void dataStreamRoundTrips();
    void dataStreamRejectsBadInput();
    void queuedSignalAcrossThreads();
};

void TestZelLog::metaTypesRegisteredByLibrary()
{
    for (const char *name : {"ZelMessage", "ZelStatus", "ZelMessageFilter"}) {
        const QMetaType type = QMetaType::fromName(name);
        QVERIFY2(type.isValid(), name);
        QCOMPARE(type.name(), name);
    }
    QCOMPARE(QMetaType::fromName("ZelMessage"), QMetaType::fromType<ZelMessage>());
}

void TestZelLog::initTestCase()
{
    QVERIFY(ZelLog::echoToQt()); // the documented default
}

void TestZelLog::init()
{
    ZelLog::setEchoToQt(false);
    QLoggingCategory::setFilterRules(QString());
    ZelLog::clearRecords();
}

void TestZelLog::streamJoinsItems()
{
    ZelLog::logStream("m", "f", "a.cpp", 1) << "default local language:" << 96;
    ZelLog::logStream("m", "f", "a.cpp", 1) << "x" << 2.5 << 0.1 << -3 << QByteArray("caf\xc3\xa9") << u"s"_s;
    ZelLog::logStream("m", "f", "a.cpp", 1) << qsizetype(7) << 8u << true << 'c' << quint64(9);
    ZelLog::logStream("m", "f", "a.cpp", 1);
    // A stream around a message that already has text continues it.
    ZelMessageStream(message(ZelLog::Logging, u"Start"_s)) << "more";

    QStringList texts;
    for (const ZelMessage &m : ZelLog::records())
        texts.append(m.text());
    QCOMPARE(texts, QStringList({u"default local language: 96"_s, u"x 2.5 0.1 -3 café s"_s, u"7 8 true c 9"_s,
                                 QString(), u"Start more"_s}));
}

void TestZelLog::streamKindsAndEcho_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("issue");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("echoOn");
    QTest::addColumn<QString>("rules");
    QTest::addColumn<int>("qtType");
    QTest::addColumn<QString>("echo"); // empty: nothing reaches Qt

    const QString all;
    QTest::newRow("log") << int(LogKind) << 0 << int(ZelLog::Logging) << true << all << int(QtDebugMsg)
                         << u"[cam] void f(): text"_s;
    QTest::newRow("notify") << int(NotifyKind) << 0 << int(ZelLog::Information) << true << all << int(QtInfoMsg)
                            << u"[cam] void f(): text"_s;
    QTest::newRow("warning") << int(WarningKind) << int(Issue::ApplicationMessage) << int(ZelLog::Warning) << true
                             << all << int(QtWarningMsg) << u"[cam] void f(): text (ZEL-0002)"_s;
    QTest::newRow("error") << int(ErrorKind) << int(Issue::ImageFileNotLoaded) << int(ZelLog::Error) << true << all
                           << int(QtCriticalMsg) << u"[cam] void f(): text (ZEL-0600)"_s;
    QTest::newRow("error, echo off") << int(ErrorKind) << 1 << int(ZelLog::Error) << false << all << 0 << QString();
    QTest::newRow("log, category off") << int(LogKind) << 0 << int(ZelLog::Logging) << true
                                       << u"zel.log.debug=false"_s << 0 << QString();
    QTest::newRow("warning, debug category off") << int(WarningKind) << 1 << int(ZelLog::Warning) << true
                                                 << u"zel.log.debug=false"_s << int(QtWarningMsg)
                                                 << u"[cam] void f(): text (ZEL-0001)"_s;
}

void TestZelLog::streamKindsAndEcho()
{
    QFETCH(int, kind);
    QFETCH(int, issue);
    QFETCH(int, type);
    QFETCH(bool, echoOn);
    QFETCH(QString, rules);
    QFETCH(int, qtType);
    QFETCH(QString, echo);

    const QDateTime before = QDateTime::currentDateTimeUtc();
    ZelLog::setEchoToQt(echoOn); // both set back in init()
    QLoggingCategory::setFilterRules(rules);
    {
        MessageCapture capture;
        openStream(StreamKind(kind), "void f()", 42, issue) << "text";
    }
    // The sink keeps every record, whatever reaches Qt.
    QCOMPARE(ZelLog::records().size(), 1);
    const ZelMessage m = ZelLog::records().first();
    QCOMPARE(int(m.messageType()), type);
    QCOMPARE(m.issueID(), issue);
    QCOMPARE(QStringList({m.module(), m.function(), m.file(), QString::number(m.line()), m.text()}),
             QStringList({u"cam"_s, u"void f()"_s, u"cam.cpp"_s, u"42"_s, u"text"_s}));
    QVERIFY(m.timestamp() >= before && m.timestamp() <= QDateTime::currentDateTimeUtc());

    QCOMPARE(s_captured.size(), echo.isEmpty() ? 0 : 1);
    for (const Captured &c : std::as_const(s_captured)) {
        QCOMPARE(c.type, qtType);
        QCOMPARE(c.where, QStringList({u"zel.log"_s, u"cam.cpp"_s, u"42"_s}));
        QCOMPARE(c.text, echo);
    }
}

void TestZelLog::recordIssuedOnceByLastCopy()
{
    ZelStatus status;
    {
        ZelMessageStream first = ZelLog::errorStream("m", "f", "a.cpp", 3, Issue::ImageFileNotLoaded);
        first << "first";
        {
            ZelMessageStream second = first;
            second << "second";
            status = second;
        }
        QCOMPARE(ZelLog::records().size(), 0); // first still holds it
        {
            // Assigning over a copy issues nothing while another copy lives.
            ZelMessageStream replaced = ZelLog::logStream("m", "f", "a.cpp", 2);
            replaced << "replaced";
            ZelMessageStream holder = replaced;
            holder = first;
            QCOMPARE(ZelLog::records().size(), 0);
        }
        QCOMPARE(ZelLog::records().size(), 1);
        QCOMPARE(ZelLog::records().first().text(), u"replaced"_s);
    }
    QCOMPARE(ZelLog::records().size(), 2);
    QCOMPARE(ZelLog::records().last().text(), u"first second"_s);
    QCOMPARE(status.message().text(), u"first second"_s);
    QVERIFY(!status.isOk());

    // The usual one-liner: the temporary stream dies at the end of the statement.
    const ZelStatus inline_ = ZelLog::warningStream("m", "f", "a.cpp", 4, Issue::CameraBusy) << "busy";
    QCOMPARE(ZelLog::records().size(), 3);
    QCOMPARE(ZelLog::records().last(), inline_.message());
}

void TestZelLog::recordsFromManyThreads()
{
    constexpr int threadCount = 8;
    constexpr int perThread = 200;
    QVERIFY(runTogether(threadCount, [](int t) {
        for (int i = 0; i < perThread; ++i)
            ZelLog::logStream("thread", "run", "t.cpp", t) << i;
    }));

    const QList<ZelMessage> records = ZelLog::records();
    QCOMPARE(records.size(), threadCount * perThread);
    // Each thread's records are present once, in the order it sent them.
    QList<int> next(threadCount, 0);
    for (const ZelMessage &m : records) {
        QVERIFY(m.line() >= 0 && m.line() < threadCount);
        QCOMPARE(m.text(), QString::number(next[m.line()]++));
    }
}

void TestZelLog::sinkKeepsTheNewestRecords()
{
    for (int i = 0; i <= ZelLog::recordLimit; ++i)
        ZelLog::logStream("Test", "sink", "f.cpp", i) << i;

    const QList<ZelMessage> records = ZelLog::records();
    QVERIFY(records.size() <= ZelLog::recordLimit);
    QVERIFY(records.size() >= ZelLog::recordLimit * 9 / 10);
    // The newest survive, in order, and the oldest went first.
    QCOMPARE(records.last().line(), ZelLog::recordLimit);
    QCOMPARE(records.first().line(), ZelLog::recordLimit + 1 - int(records.size()));
}

void TestZelLog::issueCatalogue_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("readable");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("description");

    QTest::newRow("none") << 0 << u"ZEL-0000"_s << true << QString();
    QTest::newRow("one digit") << 2 << u"ZEL-0002"_s << true << u"Application message"_s;
    QTest::newRow("three digits") << 600 << u"ZEL-0600"_s << true << u"The image file cannot be loaded"_s;
    QTest::newRow("gap") << 599 << u"ZEL-0599"_s << false << QString();
    QTest::newRow("four digits") << 1234 << u"ZEL-1234"_s << false << QString();
    QTest::newRow("wider than four") << 123456 << u"ZEL-123456"_s << false << QString();
    QTest::newRow("negative") << -2 << u"ZEL--002"_s << false << QString();
}

void TestZelLog::issueCatalogue()
{
    QFETCH(int, id);
    QFETCH(QString, readable);
    QFETCH(bool, known);
    QFETCH(QString, description);
    QCOMPARE(Issue::readableID(id), readable);
    QCOMPARE(Issue::isKnown(id), known);
    QCOMPARE(Issue::description(id), description);
}

void TestZelLog::knownIDsAreConsistent()
{
    const QList<Issue::ID> ids = Issue::knownIDs();
    QVERIFY(std::adjacent_find(ids.cbegin(), ids.cend(), std::greater_equal<Issue::ID>()) == ids.cend());
    for (Issue::ID id : {Issue::None, Issue::ApplicationMessage, Issue::ImageFileNotLoaded})
        QVERIFY(ids.contains(id));
    for (Issue::ID id : ids) {
        QVERIFY(Issue::isKnown(id));
        QCOMPARE(Issue::description(id).isEmpty(), id == Issue::None); // only "no issue" has none
    }
}

void TestZelLog::messageEqualityIgnoresOnlyTimestamp_data()
{
    QTest::addColumn<ZelMessage>("other");
    QTest::addColumn<bool>("equal");

    const QString m = u"m"_s, f = u"f"_s, file = u"a.cpp"_s, t = u"t"_s;
    QTest::newRow("same fields") << ZelMessage(ZelLog::Warning, m, f, file, 5, 601, t) << true;
    QTest::newRow("type") << ZelMessage(ZelLog::Error, m, f, file, 5, 601, t) << false;
    QTest::newRow("module") << ZelMessage(ZelLog::Warning, u"n"_s, f, file, 5, 601, t) << false;
    QTest::newRow("function") << ZelMessage(ZelLog::Warning, m, u"g"_s, file, 5, 601, t) << false;
    QTest::newRow("file") << ZelMessage(ZelLog::Warning, m, f, u"b.cpp"_s, 5, 601, t) << false;
    QTest::newRow("line") << ZelMessage(ZelLog::Warning, m, f, file, 6, 601, t) << false;
    QTest::newRow("issue") << ZelMessage(ZelLog::Warning, m, f, file, 5, 600, t) << false;
    QTest::newRow("text") << ZelMessage(ZelLog::Warning, m, f, file, 5, 601, u"u"_s) << false;
    QTest::newRow("default") << ZelMessage() << false;
}

void TestZelLog::messageEqualityIgnoresOnlyTimestamp()
{
    QFETCH(ZelMessage, other);
    QFETCH(bool, equal);

    // Made later than every row, so the timestamps differ.
    const QDateTime stamp = QDateTime::currentDateTimeUtc();
    while (QDateTime::currentDateTimeUtc() == stamp)
        QThread::msleep(1);
    ZelMessage base(ZelLog::Warning, u"m"_s, u"f"_s, u"a.cpp"_s, 5, 601, u"t"_s);
    QVERIFY(base.timestamp() != other.timestamp());
    QCOMPARE(base == other, equal);
    QCOMPARE(other == base, equal);
    QCOMPARE(base != other, !equal);
    const ZelMessage copy = base; // a value: editing one leaves the other alone
    base.appendText(u"x"_s);
    QCOMPARE(copy.text() + base.text(), u"ttx"_s);
}

void TestZelLog::textParagraph_data()
{
    QTest::addColumn<ZelMessage>("message");
    QTest::addColumn<QStringList>("parts"); // a leading '!' marks what must be absent

    QTest::newRow("error with issue")
        << ZelMessage(ZelLog::Error, u"io"_s, u"QList<int> load()"_s, u"load.cpp"_s, 12, Issue::ImageFileNotLoaded,
                      u"<b>a.png</b> & \"b\""_s)
        << QStringList{u"Error"_s, u"ZEL-0600"_s, u"&lt;b&gt;a.png&lt;/b&gt; &amp; &quot;b&quot;"_s,
                       u"QList&lt;int&gt; load()"_s, u"load.cpp:12"_s, u"!<b>a.png"_s, u"!QList<int>"_s};
    QTest::newRow("notice without issue")
        << ZelMessage(ZelLog::Information, u"ui"_s, u"f()"_s, u"ui.cpp"_s, 3, Issue::None, u"Saved"_s)
        << QStringList{u"Information"_s, u"Saved"_s, u"ui.cpp:3"_s, u"!ZEL-"_s};
}

void TestZelLog::textParagraph()
{
    QFETCH(ZelMessage, message);
    QFETCH(QStringList, parts);

    const QString html = message.toTextParagraph();
    QVERIFY2(html.startsWith("<p>"_L1) && html.endsWith("</p>"_L1), qPrintable(html));
    QCOMPARE(html.count("<p>"_L1) + html.count("</p>"_L1), 2);
    for (const QString &part : parts) {
        const bool absent = part.startsWith(u'!');
        QVERIFY2(html.contains(absent ? part.mid(1) : part) != absent, qPrintable(part + " in "_L1 + html));
    }
}

void TestZelLog::statusOutcome_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("ok");

    QTest::newRow("error") << int(ZelLog::Error) << false;
    QTest::newRow("warning") << int(ZelLog::Warning) << false;
    QTest::newRow("information") << int(ZelLog::Information) << true;
    QTest::newRow("logging") << int(ZelLog::Logging) << true;
    QTest::newRow("profiling") << int(ZelLog::Profiling) << true;
}

void TestZelLog::statusOutcome()
{
    QFETCH(int, type);
    QFETCH(bool, ok);

    const ZelMessage why = message(ZelLog::MessageType(type), u"why"_s, Issue::ApplicationMessage);
    const ZelStatus fromMessage(why);
    QCOMPARE(fromMessage.isOk(), ok);
    QCOMPARE(bool(fromMessage), ok);
    QCOMPARE(fromMessage.message(), why);

    ZelMessageStream stream(why);
    stream << "and more";
    const ZelStatus fromStream = stream;
    QCOMPARE(fromStream.isOk(), ok);
    // A copy of the text so far: what the stream collects later is not in it.
    stream << "later";
    QCOMPARE(fromStream.message().text(), u"why and more"_s);

    // Equal when the messages are; a status with a message is never Ok.
    QCOMPARE(fromMessage, ZelStatus(why));
    QVERIFY(fromMessage != fromStream);
    QVERIFY(fromMessage != ZelStatus(message(type == ZelLog::Error ? ZelLog::Warning : ZelLog::Error, u"why"_s, 2)));
    QVERIFY(fromMessage != ZelStatus::Ok);
    QCOMPARE(ZelStatus(), ZelStatus::Ok);
    QVERIFY(ZelStatus::Ok.isOk() && ZelStatus::Ok.message().text().isEmpty());
}

void TestZelLog::filterSharing()
{
    const QSet<ZelLog::MessageType> warning{ZelLog::Warning};
    ZelMessageFilter a;
    a.block(u"cam"_s, ZelLog::Warning);
    {
        ZelMessageFilter b = a;
        ZelMessageFilter c;
        c = b;
        QCOMPARE(a.shareCount(), 3);
        c.block(u"cam"_s, ZelLog::Error);
        QCOMPARE(c.shareCount(), 1);
        QCOMPARE(a.shareCount(), 2);
        QCOMPARE(a.blockedTypes(u"cam"_s), warning);
        QCOMPARE(c.blockedTypes(u"cam"_s), (QSet<ZelLog::MessageType>{ZelLog::Warning, ZelLog::Error}));
        b.block(u"cam"_s, ZelLog::Warning); // changes nothing, so copies nothing
        QCOMPARE(a.shareCount(), 2);
        // Unblocking the last rule, or one never made, leaves a default filter.
        b.unblock(u"cam"_s, ZelLog::Warning);
        b.unblock(u"never"_s, ZelLog::Error);
        QCOMPARE(a.shareCount(), 1);
        QVERIFY(b.isEmpty() && b.rules().isEmpty());
        QCOMPARE(b, ZelMessageFilter());
        QVERIFY(!a.accept(ZelMessage(ZelLog::Warning, u"cam"_s, {}, {}, 0)));
    }
    const ZelMessageFilter &alias = a;
    a = alias;
    QCOMPARE(a.shareCount(), 1);
    QCOMPARE(a.blockedTypes(u"cam"_s), warning);
}

void TestZelLog::filterRefCountAcrossThreads()
{
    ZelMessageFilter shared;
    shared.block(QString(), ZelLog::Profiling);
    QVERIFY(runTogether(8, [&shared](int) {
        for (int i = 0; i < 50000; ++i) {
            ZelMessageFilter copy = shared;
            ZelMessageFilter second(copy);
            second = shared;
        }
    }));
    QCOMPARE(shared.shareCount(), 1);
    QCOMPARE(shared.blockedTypes(QString()), QSet<ZelLog::MessageType>{ZelLog::Profiling});
}

void TestZelLog::filterAccept_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("accepted");

    // The filter: cam blocks Warning, stage blocks Error and Information,
    // every module blocks Logging.
    QTest::newRow("cam warning") << u"cam"_s << int(ZelLog::Warning) << false;
    QTest::newRow("cam error") << u"cam"_s << int(ZelLog::Error) << true;
    QTest::newRow("other warning") << u"other"_s << int(ZelLog::Warning) << true;
    QTest::newRow("stage information") << u"stage"_s << int(ZelLog::Information) << false;
    QTest::newRow("cam logging, blocked for all") << u"cam"_s << int(ZelLog::Logging) << false;
    QTest::newRow("no module, logging") << QString() << int(ZelLog::Logging) << false;
    QTest::newRow("no module, warning") << QString() << int(ZelLog::Warning) << true;
    QTest::newRow("case matters") << u"Cam"_s << int(ZelLog::Warning) << true;
}

void TestZelLog::filterAccept()
{
    QFETCH(QString, module);
    QFETCH(int, type);
    QFETCH(bool, accepted);

    ZelMessageFilter filter;
    filter.block(u"cam"_s, ZelLog::Warning);
    filter.block(u"stage"_s, ZelLog::Error);
    filter.block(u"stage"_s, ZelLog::Information);
    filter.block(QString(), ZelLog::Logging);

    const ZelMessage message(ZelLog::MessageType(type), module, u"f"_s, QString(), 0);
    QCOMPARE(filter.accept(message), accepted);
    QVERIFY(ZelMessageFilter().accept(message));
}

void TestZelLog::dataStreamRoundTrips()
{
    // As QVariants: the stream operators and the registration by name both take part.
    const ZelMessage sent(ZelLog::Warning, u"cam"_s, u"void f()"_s, u"cam.cpp"_s, 9, Issue::CameraBusy, u"busy ü"_s);
    ZelMessageFilter filter;
    filter.block(QString(), ZelLog::Profiling);
    filter.block(u"cam"_s, ZelLog::Error);
    const QVariantList values{QVariant::fromValue(sent), QVariant::fromValue(ZelMessage()),
                              QVariant::fromValue(ZelStatus::Ok), QVariant::fromValue(ZelStatus(sent)),
                              QVariant::fromValue(ZelStatus(message(ZelLog::Information, {}))),
                              QVariant::fromValue(filter), QVariant::fromValue(ZelMessageFilter())};
    QDataStream::Status status = QDataStream::Ok;
    const auto read = readBack<QVariantList>(streamed(values), &status);
    QCOMPARE(status, QDataStream::Ok);
    QCOMPARE(read, values);
    QCOMPARE(read.at(0).metaType().name(), "ZelMessage");
    QCOMPARE(read.at(0).value<ZelMessage>().timestamp(), sent.timestamp());
    for (int i : {2, 3, 4})
        QCOMPARE(read.at(i).value<ZelStatus>().isOk(), i != 3);
    QCOMPARE(read.at(5).value<ZelMessageFilter>().blockedTypes(u"cam"_s), QSet<ZelLog::MessageType>{ZelLog::Error});
}

void TestZelLog::dataStreamRejectsBadInput()
{
    const ZelMessage error = message(ZelLog::Error, u"t"_s, 1);
    QDataStream::Status status = QDataStream::Ok;

    readBack<ZelMessage>(streamed(error).chopped(3), &status);
    QCOMPARE(status, QDataStream::ReadPastEnd);

    // A "success" flag paired with an error message was not written by us.
    QCOMPARE(readBack<ZelStatus>(streamed(true, error), &status), ZelStatus());
    QCOMPARE(status, QDataStream::ReadCorruptData);

    // 9 is no message type.
    const auto filter = readBack<ZelMessageFilter>(streamed(QMap<QString, QList<qint32>>{{u"cam"_s, {1, 9}}}), &status);
    QCOMPARE(status, QDataStream::ReadCorruptData);
    QVERIFY(filter.isEmpty());
}

void TestZelLog::queuedSignalAcrossThreads()
{
    Emitter emitter;
    QList<ZelMessage> received;
    connect(&emitter, &Emitter::messageReady, this, [&received](const ZelMessage &m) {
        QCOMPARE(QThread::currentThread(), QCoreApplication::instance()->thread());
        received.append(m);
    }, Qt::QueuedConnection);
    const ZelMessage sent(ZelLog::Warning, u"cam"_s, u"f"_s, u"c.cpp"_s, 4, Issue::CameraNotResponding, u"timeout"_s);
    std::unique_ptr<QThread> worker(QThread::create([&] { Q_EMIT emitter.messageReady(sent); }));
    worker->start();
    QVERIFY(worker->wait(10000));
    QVERIFY(received.isEmpty()); // queued, not called in the worker
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.first(), sent);
}

QTEST_GUILESS_MAIN(TestZelLog)
#include "tst_zellog.moc"
