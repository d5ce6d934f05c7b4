#include <ZelLog/Issue.h>
#include <ZelLog/ZelLog.h>
#include <ZelLog/ZelMessage.h>
#include <ZelLog/ZelMessageFilter.h>
#include <ZelLog/ZelMessageStream.h>
#include <ZelLog/ZelStatus.h>

#include <QBuffer>
#include <QDataStream>
#include <QLoggingCategory>
#include <QSet>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace {

enum StreamKind { LogKind, NotifyKind, WarningKind, ErrorKind };

ZelMessageStream openStream(StreamKind kind, const char *module, const char *function, const char *file, int line,
                            Issue::ID issue)
{
    switch (kind) {
    case LogKind:
        return ZelLog::logStream(module, function, file, line);
    case NotifyKind:
        return ZelLog::notifyStream(module, function, file, line);
    case WarningKind:
        return ZelLog::warningStream(module, function, file, line, issue);
    case ErrorKind:
        break;
    }
    return ZelLog::errorStream(module, function, file, line, issue);
}

template<typename T>
QByteArray serialized(const T &value)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << value;
    return bytes;
}

template<typename T>
T deserialized(const QByteArray &bytes, QDataStream::Status *status = nullptr)
{
    T value;
    QDataStream in(bytes);
    in >> value;
    if (status)
        *status = in.status();
    return value;
}

// What Qt's logging received while a MessageCapture was alive.
struct CapturedMessage {
    QtMsgType type;
    QString category;
    QString file;
    int line;
    QString text;
};

QList<CapturedMessage> s_captured;

void captureHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    s_captured.append({type, QString::fromUtf8(context.category), QString::fromUtf8(context.file), context.line, text});
}

struct MessageCapture {
    MessageCapture()
        : previous(qInstallMessageHandler(captureHandler))
    {
        s_captured.clear();
    }
    ~MessageCapture() { qInstallMessageHandler(previous); }
    Q_DISABLE_COPY_MOVE(MessageCapture)
    QtMessageHandler previous;
};

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
    void streamKinds_data();
    void streamKinds();
    void recordIssuedOnceByLastCopy();
    void streamAssignmentIssuesReplacedRecord();
    void recordsFromManyThreads();
    void sinkKeepsTheNewestRecords();
    void echoToQt_data();
    void echoToQt();
    void echoFollowsCategoryAndSwitch();

    void readableID_data();
    void readableID();
    void description_data();
    void description();
    void knownIDsAreConsistent();

    void messageDefaultsAndSharing();
    void messageEqualityIgnoresOnlyTimestamp_data();
    void messageEqualityIgnoresOnlyTimestamp();
    void textParagraph_data();
    void textParagraph();

    void statusOutcome_data();
    void statusOutcome();
    void statusDefault();
    void statusEquality_data();
    void statusEquality();

    void filterSharing();
    void filterRefCountAcrossThreads();
    void filterAccept_data();
    void filterAccept();
    void filterUnblockRestoresDefault();

    void dataStreamRoundTrips();
    void dataStreamRejectsBadInput();
    void variantRoundTrips();
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
    ZelLog::setEchoToQt(false);
}

void TestZelLog::init()
{
    ZelLog::clearRecords();
}

void TestZelLog::streamJoinsItems()
{
    ZelLog::logStream("m", "f", "a.cpp", 1) << "default local language:" << 96;
    ZelLog::logStream("m", "f", "a.cpp", 1) << QStringLiteral("alone");
    ZelLog::logStream("m", "f", "a.cpp", 1) << "x" << 2.5 << 0.1 << -3 << QByteArray("caf\xc3\xa9")
                                            << QStringLiteral("s");
    ZelLog::logStream("m", "f", "a.cpp", 1) << qsizetype(7) << 8u << true << 'c' << quint64(9);
    ZelLog::logStream("m", "f", "a.cpp", 1);
    // A stream around a message that already has text continues it.
    ZelMessageStream(ZelMessage(ZelLog::Logging, QStringLiteral("m"), QString(), QString(), 0, Issue::None,
                                QStringLiteral("Start")))
        << "more";

    const QList<ZelMessage> records = ZelLog::records();
    QCOMPARE(records.size(), 6);
    QCOMPARE(records.at(0).text(), QStringLiteral("default local language: 96"));
    QCOMPARE(records.at(1).text(), QStringLiteral("alone"));
    QCOMPARE(records.at(2).text(), QStringLiteral("x 2.5 0.1 -3 café s"));
    QCOMPARE(records.at(3).text(), QStringLiteral("7 8 true c 9"));
    QCOMPARE(records.at(4).text(), QString());
    QCOMPARE(records.at(5).text(), QStringLiteral("Start more"));
}

void TestZelLog::streamKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("issue");
    QTest::addColumn<int>("expectedType");
    QTest::addColumn<int>("expectedIssue");

    QTest::newRow("log") << int(LogKind) << 0 << int(ZelLog::Logging) << 0;
    QTest::newRow("notify") << int(NotifyKind) << 0 << int(ZelLog::Information) << 0;
    QTest::newRow("warning") << int(WarningKind) << int(Issue::ImageFileNotFound) << int(ZelLog::Warning)
                             << int(Issue::ImageFileNotFound);
    QTest::newRow("error") << int(ErrorKind) << int(Issue::ImageFileNotLoaded) << int(ZelLog::Error)
                           << int(Issue::ImageFileNotLoaded);
}

void TestZelLog::streamKinds()
{
    QFETCH(int, kind);
    QFETCH(int, issue);
    QFETCH(int, expectedType);
    QFETCH(int, expectedIssue);

    const QDateTime before = QDateTime::currentDateTimeUtc();
    openStream(StreamKind(kind), "camera", "void Camera::open(int)", "camera.cpp", 42, issue) << "text";

    const QList<ZelMessage> records = ZelLog::records();
    QCOMPARE(records.size(), 1);
    const ZelMessage &m = records.first();
    QCOMPARE(int(m.messageType()), expectedType);
    QCOMPARE(m.issueID(), expectedIssue);
    QCOMPARE(m.module(), QStringLiteral("camera"));
    QCOMPARE(m.function(), QStringLiteral("void Camera::open(int)"));
    QCOMPARE(m.file(), QStringLiteral("camera.cpp"));
    QCOMPARE(m.line(), 42);
    QCOMPARE(m.text(), QStringLiteral("text"));
    QVERIFY(m.timestamp() >= before);
    QVERIFY(m.timestamp() <= QDateTime::currentDateTimeUtc());
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
        QCOMPARE(first.message().text(), QStringLiteral("first second"));
    }
    QCOMPARE(ZelLog::records().size(), 1);
    QCOMPARE(ZelLog::records().first().text(), QStringLiteral("first second"));
    QCOMPARE(status.message().text(), QStringLiteral("first second"));
    QVERIFY(!status.isOk());

    // The usual one-liner: the temporary stream dies at the end of the statement.
    const ZelStatus inline_ = ZelLog::warningStream("m", "f", "a.cpp", 4, Issue::CameraBusy) << "busy";
    QCOMPARE(ZelLog::records().size(), 2);
    QCOMPARE(ZelLog::records().last(), inline_.message());
}

void TestZelLog::streamAssignmentIssuesReplacedRecord()
{
    ZelMessageStream kept = ZelLog::logStream("m", "f", "a.cpp", 1);
    kept << "kept";
    {
        ZelMessageStream replaced = ZelLog::logStream("m", "f", "a.cpp", 2);
        replaced << "replaced";
        ZelMessageStream holder = replaced;
        holder = kept;
        QCOMPARE(ZelLog::records().size(), 0);
    }
    QCOMPARE(ZelLog::records().size(), 1);
    QCOMPARE(ZelLog::records().first().text(), QStringLiteral("replaced"));
}

void TestZelLog::recordsFromManyThreads()
{
    constexpr int threadCount = 8;
    constexpr int perThread = 200;
    std::atomic<bool> go{false};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back(QThread::create([t, &go] {
            while (!go.load())
                QThread::yieldCurrentThread();
            for (int i = 0; i < perThread; ++i)
                ZelLog::logStream("thread", "run", "t.cpp", t) << i;
        }));
        threads.back()->start();
    }
    go = true;
    for (auto &thread : threads)
        QVERIFY(thread->wait(30000));

    const QList<ZelMessage> records = ZelLog::records();
    QCOMPARE(records.size(), threadCount * perThread);
    QList<int> next(threadCount, 0);
    for (const ZelMessage &m : records) {
        const int t = m.line();
        QVERIFY(t >= 0 && t < threadCount);
        // Each thread's records are present once, in the order it sent them.
        QCOMPARE(m.text(), QString::number(next[t]));
        ++next[t];
    }
    for (int count : std::as_const(next))
        QCOMPARE(count, perThread);
}

void TestZelLog::echoToQt_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("issue");
    QTest::addColumn<int>("expectedQtType");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("log") << int(LogKind) << 0 << int(QtDebugMsg) << QStringLiteral("[cam] void f(): hello");
    QTest::newRow("notify") << int(NotifyKind) << 0 << int(QtInfoMsg) << QStringLiteral("[cam] void f(): hello");
    QTest::newRow("warning") << int(WarningKind) << 2 << int(QtWarningMsg)
                             << QStringLiteral("[cam] void f(): hello (ZEL-0002)");
    QTest::newRow("error") << int(ErrorKind) << 600 << int(QtCriticalMsg)
                           << QStringLiteral("[cam] void f(): hello (ZEL-0600)");
}

void TestZelLog::echoToQt()
{
    QFETCH(int, kind);
    QFETCH(int, issue);
    QFETCH(int, expectedQtType);
    QFETCH(QString, expectedText);

    ZelLog::setEchoToQt(true);
    {
        MessageCapture capture;
        openStream(StreamKind(kind), "cam", "void f()", "cam.cpp", 17, issue) << "hello";
    }
    ZelLog::setEchoToQt(false);

    QCOMPARE(s_captured.size(), 1);
    const CapturedMessage &c = s_captured.first();
    QCOMPARE(int(c.type), expectedQtType);
    QCOMPARE(c.category, QStringLiteral("zel.log"));
    QCOMPARE(c.text, expectedText);
    QCOMPARE(c.file, QStringLiteral("cam.cpp"));
    QCOMPARE(c.line, 17);
}

void TestZelLog::echoFollowsCategoryAndSwitch()
{
    {
        MessageCapture capture;
        ZelLog::errorStream("cam", "f", "a.cpp", 1, 1) << "echo is off";
        QCOMPARE(s_captured.size(), 0);

        ZelLog::setEchoToQt(true);
        QLoggingCategory::setFilterRules(QStringLiteral("zel.log.debug=false"));
        ZelLog::logStream("cam", "f", "a.cpp", 1) << "silenced";
        ZelLog::warningStream("cam", "f", "a.cpp", 1, 1) << "still shown";
        QLoggingCategory::setFilterRules(QString());
        ZelLog::setEchoToQt(false);
    }
    QCOMPARE(s_captured.size(), 1);
    QCOMPARE(s_captured.first().text, QStringLiteral("[cam] f: still shown (ZEL-0001)"));
    // The sink keeps everything regardless.
    QCOMPARE(ZelLog::records().size(), 3);
}

void TestZelLog::readableID_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none") << 0 << QStringLiteral("ZEL-0000");
    QTest::newRow("one digit") << 2 << QStringLiteral("ZEL-0002");
    QTest::newRow("three digits") << 600 << QStringLiteral("ZEL-0600");
    QTest::newRow("four digits") << 1234 << QStringLiteral("ZEL-1234");
    QTest::newRow("wider than four") << 123456 << QStringLiteral("ZEL-123456");
    QTest::newRow("negative") << -2 << QStringLiteral("ZEL--002");
}

void TestZelLog::readableID()
{
    QFETCH(int, id);
    QFETCH(QString, expected);
    QCOMPARE(Issue::readableID(id), expected);
}

void TestZelLog::description_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none") << 0 << true << QString();
    QTest::newRow("application message") << 2 << true << QStringLiteral("Application message");
    QTest::newRow("image not loaded") << 600 << true << QStringLiteral("The image file cannot be loaded");
    QTest::newRow("image not found") << 601 << true << QStringLiteral("The image file does not exist");
    QTest::newRow("settings type") << 700 << true << QStringLiteral("The settings value has the wrong type");
    QTest::newRow("camera") << 800 << true << QStringLiteral("The camera is not responding");
    QTest::newRow("gap") << 599 << false << QString();
    QTest::newRow("negative") << -600 << false << QString();
}

void TestZelLog::description()
{
    QFETCH(int, id);
    QFETCH(bool, known);
    QFETCH(QString, expected);
    QCOMPARE(Issue::isKnown(id), known);
    QCOMPARE(Issue::description(id), expected);
}

void TestZelLog::knownIDsAreConsistent()
{
    const QList<Issue::ID> ids = Issue::knownIDs();
    QVERIFY(std::adjacent_find(ids.cbegin(), ids.cend(), std::greater_equal<Issue::ID>()) == ids.cend());
    for (Issue::ID id : {Issue::None, Issue::ApplicationMessage, Issue::ImageFileNotLoaded})
        QVERIFY(ids.contains(id));
    for (Issue::ID id : ids) {
        QVERIFY(Issue::isKnown(id));
        // Only "no issue" goes without a description.
        QCOMPARE(Issue::description(id).isEmpty(), id == Issue::None);
    }
}

void TestZelLog::messageDefaultsAndSharing()
{
    const ZelMessage empty;
    QCOMPARE(empty.messageType(), ZelLog::Logging);
    QVERIFY(empty.module().isEmpty() && empty.function().isEmpty() && empty.file().isEmpty());
    QVERIFY(empty.text().isEmpty());
    QCOMPARE(empty.line(), 0);
    QCOMPARE(empty.issueID(), Issue::None);
    QVERIFY(!empty.timestamp().isValid());

    ZelMessage edited;
    edited.setText(QStringLiteral("a"));
    edited.appendText(QStringLiteral("b"));
    QCOMPARE(edited.text(), QStringLiteral("ab"));
    QVERIFY(edited != empty);

    ZelMessage copy = edited;
    copy.appendText(QStringLiteral("c"));
    QCOMPARE(edited.text(), QStringLiteral("ab"));
    QCOMPARE(copy.text(), QStringLiteral("abc"));
}

void TestZelLog::messageEqualityIgnoresOnlyTimestamp_data()
{
    QTest::addColumn<ZelMessage>("other");
    QTest::addColumn<bool>("equal");

    const QString m = QStringLiteral("m");
    const QString f = QStringLiteral("f");
    const QString file = QStringLiteral("a.cpp");
    const QString t = QStringLiteral("t");
    QTest::newRow("same fields") << ZelMessage(ZelLog::Warning, m, f, file, 5, 601, t) << true;
    QTest::newRow("type") << ZelMessage(ZelLog::Error, m, f, file, 5, 601, t) << false;
    QTest::newRow("module") << ZelMessage(ZelLog::Warning, QStringLiteral("n"), f, file, 5, 601, t) << false;
    QTest::newRow("function") << ZelMessage(ZelLog::Warning, m, QStringLiteral("g"), file, 5, 601, t) << false;
    QTest::newRow("file") << ZelMessage(ZelLog::Warning, m, f, QStringLiteral("b.cpp"), 5, 601, t) << false;
    QTest::newRow("line") << ZelMessage(ZelLog::Warning, m, f, file, 6, 601, t) << false;
    QTest::newRow("issue") << ZelMessage(ZelLog::Warning, m, f, file, 5, 600, t) << false;
    QTest::newRow("text") << ZelMessage(ZelLog::Warning, m, f, file, 5, 601, QStringLiteral("u")) << false;
    QTest::newRow("default") << ZelMessage() << false;
}

void TestZelLog::messageEqualityIgnoresOnlyTimestamp()
{
    QFETCH(ZelMessage, other);
    QFETCH(bool, equal);

    // Made later than every row, so the timestamps differ.
    QDateTime stamp = QDateTime::currentDateTimeUtc();
    while (QDateTime::currentDateTimeUtc() == stamp)
        QThread::msleep(1);
    const ZelMessage base(ZelLog::Warning, QStringLiteral("m"), QStringLiteral("f"), QStringLiteral("a.cpp"), 5,
                          601, QStringLiteral("t"));
    QVERIFY(base.timestamp() != other.timestamp());
    QCOMPARE(base == other, equal);
    QCOMPARE(other == base, equal);
    QCOMPARE(base != other, !equal);
}

void TestZelLog::textParagraph_data()
{
    QTest::addColumn<ZelMessage>("message");
    QTest::addColumn<QStringList>("contains");
    QTest::addColumn<QStringList>("lacks");

    QTest::newRow("error with issue")
        << ZelMessage(ZelLog::Error, QStringLiteral("io"), QStringLiteral("QList<int> load()"),
                      QStringLiteral("load.cpp"), 12, Issue::ImageFileNotLoaded,
                      QStringLiteral("<b>a.png</b> & \"b\""))
        << QStringList{QStringLiteral("Error"), QStringLiteral("ZEL-0600"),
                       QStringLiteral("&lt;b&gt;a.png&lt;/b&gt; &amp; &quot;b&quot;"),
                       QStringLiteral("QList&lt;int&gt; load()"), QStringLiteral("load.cpp:12")}
        << QStringList{QStringLiteral("<b>a.png"), QStringLiteral("QList<int>")};
    QTest::newRow("notice without issue")
        << ZelMessage(ZelLog::Information, QStringLiteral("ui"), QStringLiteral("f()"), QStringLiteral("ui.cpp"),
                      3, Issue::None, QStringLiteral("Saved"))
        << QStringList{QStringLiteral("Information"), QStringLiteral("Saved"), QStringLiteral("ui.cpp:3")}
        << QStringList{QStringLiteral("ZEL-")};
}

void TestZelLog::textParagraph()
{
    QFETCH(ZelMessage, message);
    QFETCH(QStringList, contains);
    QFETCH(QStringList, lacks);

    const QString html = message.toTextParagraph();
    QVERIFY2(html.startsWith(QLatin1String("<p>")) && html.endsWith(QLatin1String("</p>")), qPrintable(html));
    QCOMPARE(html.count(QLatin1String("<p>")), 1);
    QCOMPARE(html.count(QLatin1String("</p>")), 1);
    for (const QString &part : contains)
        QVERIFY2(html.contains(part), qPrintable(part + QLatin1String(" missing in ") + html));
    for (const QString &part : lacks)
        QVERIFY2(!html.contains(part), qPrintable(part + QLatin1String(" found in ") + html));
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

    const ZelMessage message(ZelLog::MessageType(type), QStringLiteral("m"), QStringLiteral("f"),
                             QStringLiteral("a.cpp"), 1, Issue::ApplicationMessage, QStringLiteral("why"));
    const ZelStatus fromMessage(message);
    QCOMPARE(fromMessage.isOk(), ok);
    QCOMPARE(bool(fromMessage), ok);
    QCOMPARE(fromMessage.message(), message);

    ZelMessageStream stream(message);
    stream << "and more";
    const ZelStatus fromStream = stream;
    QCOMPARE(fromStream.isOk(), ok);
    QCOMPARE(fromStream.message().text(), QStringLiteral("why and more"));
    // A copy of the text so far: what the stream collects later is not in it.
    stream << "later";
    QCOMPARE(fromStream.message().text(), QStringLiteral("why and more"));
}

void TestZelLog::statusDefault()
{
    const ZelStatus status;
    QVERIFY(status.isOk());
    QVERIFY(ZelStatus::Ok.isOk());
    QCOMPARE(status, ZelStatus::Ok);
    QCOMPARE(status.message(), ZelMessage());
    QVERIFY(ZelStatus::Ok.message().text().isEmpty());
}

void TestZelLog::statusEquality_data()
{
    QTest::addColumn<ZelStatus>("a");
    QTest::addColumn<ZelStatus>("b");
    QTest::addColumn<bool>("equal");

    const auto make = [](ZelLog::MessageType type, const char *text) {
        return ZelStatus(ZelMessage(type, QStringLiteral("m"), QStringLiteral("f"), QStringLiteral("a.cpp"), 1,
                                    Issue::None, QString::fromUtf8(text)));
    };
    QTest::newRow("default and Ok") << ZelStatus() << ZelStatus::Ok << true;
    QTest::newRow("same error") << make(ZelLog::Error, "x") << make(ZelLog::Error, "x") << true;
    QTest::newRow("other text") << make(ZelLog::Error, "x") << make(ZelLog::Error, "y") << false;
    QTest::newRow("error and warning") << make(ZelLog::Error, "x") << make(ZelLog::Warning, "x") << false;
    QTest::newRow("success with message") << make(ZelLog::Information, "x") << ZelStatus::Ok << false;
}

void TestZelLog::statusEquality()
{
    QFETCH(ZelStatus, a);
    QFETCH(ZelStatus, b);
    QFETCH(bool, equal);
    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
    QCOMPARE(a != b, !equal);
}

void TestZelLog::filterSharing()
{
    ZelMessageFilter a;
    a.block(QStringLiteral("cam"), ZelLog::Warning);
    QCOMPARE(a.shareCount(), 1);
    {
        ZelMessageFilter b = a;
        ZelMessageFilter c;
        c = b;
        QCOMPARE(a.shareCount(), 3);
        QCOMPARE(c.shareCount(), 3);

        c.block(QStringLiteral("cam"), ZelLog::Error);
        QCOMPARE(c.shareCount(), 1);
        QCOMPARE(a.shareCount(), 2);
        QCOMPARE(a.blockedTypes(QStringLiteral("cam")), QSet<ZelLog::MessageType>{ZelLog::Warning});
        QCOMPARE(c.blockedTypes(QStringLiteral("cam")), (QSet<ZelLog::MessageType>{ZelLog::Warning, ZelLog::Error}));
        QVERIFY(a != c);

        // Blocking what is already blocked changes nothing, so copies nothing.
        b.block(QStringLiteral("cam"), ZelLog::Warning);
        QCOMPARE(a.shareCount(), 2);

        b.unblock(QStringLiteral("cam"), ZelLog::Warning);
        QCOMPARE(a.shareCount(), 1);
        QVERIFY(b.isEmpty());
        QVERIFY(!a.isEmpty());
        QVERIFY(!a.accept(ZelMessage(ZelLog::Warning, QStringLiteral("cam"), {}, {}, 0)));

        b = a;
        QCOMPARE(a.shareCount(), 2);
    }
    QCOMPARE(a.shareCount(), 1);

    const ZelMessageFilter &alias = a;
    a = alias;
    QCOMPARE(a.shareCount(), 1);
    QCOMPARE(a.blockedTypes(QStringLiteral("cam")), QSet<ZelLog::MessageType>{ZelLog::Warning});
}

void TestZelLog::filterRefCountAcrossThreads()
{
    ZelMessageFilter shared;
    shared.block(QString(), ZelLog::Profiling);
    std::atomic<bool> go{false};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back(QThread::create([&shared, &go] {
            while (!go.load())
                QThread::yieldCurrentThread();
            for (int i = 0; i < 50000; ++i) {
                ZelMessageFilter copy = shared;
                ZelMessageFilter second(copy);
                second = shared;
            }
        }));
        threads.back()->start();
    }
    go = true;
    for (auto &thread : threads)
        QVERIFY(thread->wait(30000));
    QCOMPARE(shared.shareCount(), 1);
    QCOMPARE(shared.blockedTypes(QString()), QSet<ZelLog::MessageType>{ZelLog::Profiling});
}

void TestZelLog::filterAccept_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("accepted");

    // Filter under test: cam blocks Warning, stage blocks Error and
    // Information, every module blocks Logging.
    QTest::newRow("cam warning") << QStringLiteral("cam") << int(ZelLog::Warning) << false;
    QTest::newRow("cam error") << QStringLiteral("cam") << int(ZelLog::Error) << true;
    QTest::newRow("other warning") << QStringLiteral("other") << int(ZelLog::Warning) << true;
    QTest::newRow("stage error") << QStringLiteral("stage") << int(ZelLog::Error) << false;
    QTest::newRow("stage information") << QStringLiteral("stage") << int(ZelLog::Information) << false;
    QTest::newRow("stage warning") << QStringLiteral("stage") << int(ZelLog::Warning) << true;
    QTest::newRow("cam logging, blocked for all") << QStringLiteral("cam") << int(ZelLog::Logging) << false;
    QTest::newRow("other logging, blocked for all") << QStringLiteral("other") << int(ZelLog::Logging) << false;
    QTest::newRow("no module, logging") << QString() << int(ZelLog::Logging) << false;
    QTest::newRow("no module, warning") << QString() << int(ZelLog::Warning) << true;
    QTest::newRow("case matters") << QStringLiteral("Cam") << int(ZelLog::Warning) << true;
}

void TestZelLog::filterAccept()
{
    QFETCH(QString, module);
    QFETCH(int, type);
    QFETCH(bool, accepted);

    ZelMessageFilter filter;
    filter.block(QStringLiteral("cam"), ZelLog::Warning);
    filter.block(QStringLiteral("stage"), ZelLog::Error);
    filter.block(QStringLiteral("stage"), ZelLog::Information);
    filter.block(QString(), ZelLog::Logging);

    const ZelMessage message(ZelLog::MessageType(type), module, QStringLiteral("f"), QString(), 0);
    QCOMPARE(filter.accept(message), accepted);
    QVERIFY(ZelMessageFilter().accept(message));
}

void TestZelLog::filterUnblockRestoresDefault()
{
    ZelMessageFilter filter;
    filter.block(QString(), ZelLog::Logging);
    filter.block(QStringLiteral("cam"), ZelLog::Error);
    QCOMPARE(filter.rules().size(), 2);
    filter.unblock(QString(), ZelLog::Logging);
    QVERIFY(filter.accept(ZelMessage(ZelLog::Logging, QStringLiteral("cam"), {}, {}, 0)));
    filter.unblock(QStringLiteral("cam"), ZelLog::Error);
    filter.unblock(QStringLiteral("never"), ZelLog::Error);
    QVERIFY(filter.isEmpty());
    QVERIFY(filter.rules().isEmpty());
    QCOMPARE(filter, ZelMessageFilter());
}

void TestZelLog::dataStreamRoundTrips()
{
    const ZelMessage message(ZelLog::Warning, QStringLiteral("cam"), QStringLiteral("void f()"),
                             QStringLiteral("cam.cpp"), 9, Issue::CameraBusy, QStringLiteral("busy ü"));
    QDataStream::Status status = QDataStream::Ok;
    const auto readMessage = deserialized<ZelMessage>(serialized(message), &status);
    QCOMPARE(status, QDataStream::Ok);
    QCOMPARE(readMessage, message);
    QCOMPARE(readMessage.timestamp(), message.timestamp());
    QCOMPARE(deserialized<ZelMessage>(serialized(ZelMessage())), ZelMessage());

    for (const ZelStatus &value : {ZelStatus::Ok, ZelStatus(message), ZelStatus(ZelMessage(ZelLog::Information,
                                                                                            {}, {}, {}, 0))}) {
        const auto read = deserialized<ZelStatus>(serialized(value), &status);
        QCOMPARE(status, QDataStream::Ok);
        QCOMPARE(read, value);
        QCOMPARE(read.isOk(), value.isOk());
    }

    ZelMessageFilter filter;
    filter.block(QString(), ZelLog::Profiling);
    filter.block(QStringLiteral("cam"), ZelLog::Error);
    filter.block(QStringLiteral("cam"), ZelLog::Warning);
    const auto readFilter = deserialized<ZelMessageFilter>(serialized(filter), &status);
    QCOMPARE(status, QDataStream::Ok);
    QCOMPARE(readFilter, filter);
    QCOMPARE(readFilter.shareCount(), 1);
    QCOMPARE(deserialized<ZelMessageFilter>(serialized(ZelMessageFilter())), ZelMessageFilter());
}

void TestZelLog::dataStreamRejectsBadInput()
{
    const ZelMessage error(ZelLog::Error, QStringLiteral("m"), QStringLiteral("f"), QString(), 1, 1,
                           QStringLiteral("t"));
    QDataStream::Status status = QDataStream::Ok;

    QByteArray truncated = serialized(error);
    truncated.chop(3);
    deserialized<ZelMessage>(truncated, &status);
    QCOMPARE(status, QDataStream::ReadPastEnd);

    // A "success" flag paired with an error message was not written by us.
    QByteArray mismatched;
    {
        QDataStream out(&mismatched, QIODevice::WriteOnly);
        out << true << error;
    }
    const auto status2 = deserialized<ZelStatus>(mismatched, &status);
    QCOMPARE(status, QDataStream::ReadCorruptData);
    QCOMPARE(status2, ZelStatus());

    QByteArray badType;
    {
        QDataStream out(&badType, QIODevice::WriteOnly);
        out << QMap<QString, QList<qint32>>{{QStringLiteral("cam"), {1, 9}}};
    }
    const auto filter = deserialized<ZelMessageFilter>(badType, &status);
    QCOMPARE(status, QDataStream::ReadCorruptData);
    QVERIFY(filter.isEmpty());
}

void TestZelLog::variantRoundTrips()
{
    const ZelMessage message(ZelLog::Error, QStringLiteral("io"), QStringLiteral("f"), QStringLiteral("io.cpp"), 2,
                             Issue::ImageFileNotLoaded, QStringLiteral("cannot load"));
    ZelMessageFilter filter;
    filter.block(QStringLiteral("io"), ZelLog::Logging);
    const QVariantList values{QVariant::fromValue(message), QVariant::fromValue(ZelStatus(message)),
                              QVariant::fromValue(filter)};

    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << values;
        QCOMPARE(out.status(), QDataStream::Ok);
    }
    QVariantList read;
    QDataStream in(bytes);
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read.size(), 3);
    QCOMPARE(read.at(0).metaType().name(), "ZelMessage");
    QCOMPARE(read.at(0).value<ZelMessage>(), message);
    QCOMPARE(read.at(1).value<ZelStatus>(), ZelStatus(message));
    QCOMPARE(read.at(2).value<ZelMessageFilter>(), filter);
}

void TestZelLog::queuedSignalAcrossThreads()
{
    QObject receiver;
    QList<ZelMessage> received;
    QThread *deliveredIn = nullptr;
    const ZelMessage sent(ZelLog::Warning, QStringLiteral("cam"), QStringLiteral("f"), QStringLiteral("c.cpp"), 4,
                          Issue::CameraNotResponding, QStringLiteral("timeout"));

    std::unique_ptr<QThread> worker(QThread::create([&] {
        Emitter emitter;
        connect(&emitter, &Emitter::messageReady, &receiver,
                [&](const ZelMessage &m) {
                    received.append(m);
                    deliveredIn = QThread::currentThread();
                },
                Qt::QueuedConnection);
        Q_EMIT emitter.messageReady(sent);
    }));
    worker->start();
    QVERIFY(worker->wait(10000));
    QVERIFY(received.isEmpty()); // queued, not called in the worker

    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.first(), sent);
    QCOMPARE(deliveredIn, QThread::currentThread());
}

void TestZelLog::sinkKeepsTheNewestRecords()
{
    ZelLog::setEchoToQt(false);
    ZelLog::clearRecords();
    for (int i = 0; i <= ZelLog::recordLimit; ++i)
        ZelLog::logStream("Test", "sink", "f.cpp", i) << i;

    const QList<ZelMessage> records = ZelLog::records();
    QVERIFY(records.size() <= ZelLog::recordLimit);
    QVERIFY(records.size() >= ZelLog::recordLimit * 9 / 10);
    // The newest survive, in order, and the oldest went first.
    QCOMPARE(records.last().line(), ZelLog::recordLimit);
    QCOMPARE(records.first().line(), ZelLog::recordLimit + 1 - int(records.size()));
    ZelLog::clearRecords();
}

QTEST_GUILESS_MAIN(TestZelLog)
#include "tst_zellog.moc"
