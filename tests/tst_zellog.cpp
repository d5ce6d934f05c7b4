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
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum StreamKind { LogKind, NotifyKind, WarningKind, ErrorKind };

ZelMessageStream openStream(StreamKind kind, const char *function, int line, Issue::ID issue)
{
    if (kind == LogKind || kind == NotifyKind)
        return (kind == LogKind ? ZelLog::logStream : ZelLog::notifyStream)("cam", function, "cam.cpp", line);
    return (kind == WarningKind ? ZelLog::warningStream : ZelLog::errorStream)("cam", function, "cam.cpp", line, issue);
}

// What Qt's logging received: type, category, file, line, text.
QList<QStringList> s_captured;
void capture(QtMsgType type, const QMessageLogContext &c, const QString &text)
{
    s_captured.append({QString::number(type), QString::fromUtf8(c.category), QString::fromUtf8(c.file),
                       QString::number(c.line), text});
}

ZelMessage message(ZelLog::MessageType type, const QString &text, Issue::ID issue = Issue::None)
{ return ZelMessage(type, u"m"_s, u"f"_s, u"a.cpp"_s, 1, issue, text); }

} // namespace

class TestZelLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(ZelLog::echoToQt()); } // the documented default

    void metaTypesRegisteredByLibrary() // first: must see the library's own registration, before any use here
    {
        for (const char *name : {"ZelMessage", "ZelStatus", "ZelMessageFilter"})
            QVERIFY2(QMetaType::fromName(name).isValid(), name);
        QCOMPARE(QMetaType::fromName("ZelMessage"), QMetaType::fromType<ZelMessage>());
    }

    void init() { ZelLog::setEchoToQt(false); QLoggingCategory::setFilterRules(QString()); ZelLog::clearRecords(); }

    void streamJoinsItems()
    {
        ZelLog::logStream("m", "f", "a.cpp", 1) << "x" << 2.5 << -3 << QByteArray("caf\xc3\xa9") << u"s"_s << true << 'c';
        ZelLog::logStream("m", "f", "a.cpp", 1);
        ZelMessageStream(message(ZelLog::Logging, u"Start"_s)) << "more"; // continues the text already there

        QStringList texts;
        for (const ZelMessage &m : ZelLog::records())
            texts.append(m.text());
        QCOMPARE(texts, QStringList({u"x 2.5 -3 café s true c"_s, QString(), u"Start more"_s}));
    }

    void streamKindsAndEcho_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("issue");
        QTest::addColumn<bool>("echoOn");
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QString>("echo"); // empty: nothing reaches Qt

        const QString all, debugOn = u"zel.log.debug=true"_s, plain = u"[cam] void f(): text"_s;
        QTest::newRow("log") << int(LogKind) << 0 << true << debugOn << plain;
        QTest::newRow("notify") << int(NotifyKind) << 0 << true << all << plain;
        QTest::newRow("warning") << int(WarningKind) << 2 << true << all << u"[cam] void f(): text (ZEL-0002)"_s;
        QTest::newRow("error") << int(ErrorKind) << 600 << true << all << u"[cam] void f(): text (ZEL-0600)"_s;
        QTest::newRow("error, echo off") << int(ErrorKind) << 1 << false << all << QString();
        QTest::newRow("log, by default") << int(LogKind) << 0 << true << all << QString();
    }

    void streamKindsAndEcho()
    {
        QFETCH(int, kind);
        QFETCH(int, issue);
        QFETCH(bool, echoOn);
        QFETCH(QString, rules);
        QFETCH(QString, echo);

        const QDateTime before = QDateTime::currentDateTimeUtc();
        ZelLog::setEchoToQt(echoOn); // both set back in init()
        QLoggingCategory::setFilterRules(rules);
        s_captured.clear();
        const QtMessageHandler previous = qInstallMessageHandler(capture);
        openStream(StreamKind(kind), "void f()", 42, issue) << "text";
        qInstallMessageHandler(previous);
        QCOMPARE(ZelLog::records().size(), 1); // the sink keeps every record, whatever reaches Qt
        const ZelMessage m = ZelLog::records().first();
        const QList<ZelLog::MessageType> types{ZelLog::Logging, ZelLog::Information, ZelLog::Warning, ZelLog::Error};
        QCOMPARE(m.messageType(), types.at(kind));
        QCOMPARE(m.issueID(), issue);
        QCOMPARE(QStringList({m.module(), m.function(), m.file(), QString::number(m.line()), m.text()}),
                 QStringList({u"cam"_s, u"void f()"_s, u"cam.cpp"_s, u"42"_s, u"text"_s}));
        QVERIFY(m.timestamp() >= before && m.timestamp() <= QDateTime::currentDateTimeUtc());

        const int qtType = QList<int>{QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg}.at(kind);
        const QList<QStringList> expected{{QString::number(qtType), u"zel.log"_s, u"cam.cpp"_s, u"42"_s, echo}};
        QCOMPARE(s_captured, echo.isEmpty() ? QList<QStringList>() : expected);
    }

    void recordIssuedOnceByLastCopy()
    {
        ZelStatus status;
        {
            ZelMessageStream first = ZelLog::errorStream("m", "f", "a.cpp", 3, Issue::CameraBusy) << "first";
            status = ZelMessageStream(first) << "second"; // a second copy, gone at the end of the line
            QCOMPARE(ZelLog::records().size(), 0); // first still holds it
        }
        QCOMPARE(ZelLog::records().size(), 1);
        QCOMPARE(ZelLog::records().last(), status.message());
        QCOMPARE(status.message().text(), u"first second"_s);
    }

    void recordsFromManyThreads()
    {
        constexpr int threadCount = 8, perThread = 200;
        std::vector<std::unique_ptr<QThread>> threads;
        for (int t = 0; t < threadCount; ++t)
            threads.emplace_back(QThread::create([t] {
                for (int i = 0; i < perThread; ++i)
                    ZelLog::logStream("thread", "run", "t.cpp", t) << i;
            }))->start();
        for (auto &thread : threads)
            QVERIFY(thread->wait(30000));

        QCOMPARE(ZelLog::records().size(), threadCount * perThread);
        QList<int> next(threadCount, 0); // each thread's records once, in the order it sent them
        for (const ZelMessage &m : ZelLog::records()) {
            QVERIFY(m.line() >= 0 && m.line() < threadCount);
            QCOMPARE(m.text(), QString::number(next[m.line()]++));
        }
    }

    void sinkKeepsTheNewestRecords()
    {
        for (int i = 0; i <= ZelLog::recordLimit; ++i)
            ZelLog::logStream("Test", "sink", "f.cpp", i) << i;

        const QList<ZelMessage> records = ZelLog::records();
        QVERIFY(records.size() <= ZelLog::recordLimit && records.size() >= ZelLog::recordLimit * 9 / 10);
        QCOMPARE(records.last().line(), ZelLog::recordLimit); // the oldest went first
        QCOMPARE(records.first().line(), ZelLog::recordLimit + 1 - int(records.size()));
    }

    void issueCatalogue()
    {
        const QList<std::tuple<int, QString, bool, QString>> rows{{0, u"ZEL-0000"_s, true, QString()},
            {600, u"ZEL-0600"_s, true, u"The image file cannot be loaded"_s}, {599, u"ZEL-0599"_s, false, QString()},
            {123456, u"ZEL-123456"_s, false, QString()}, {-2, u"ZEL--002"_s, false, QString()}};
        const QList<Issue::ID> ids = Issue::knownIDs(); // sorted, and only "no issue" lacks a description
        QVERIFY(std::adjacent_find(ids.cbegin(), ids.cend(), std::greater_equal<Issue::ID>()) == ids.cend());
        for (Issue::ID each : ids)
            QCOMPARE(Issue::description(each).isEmpty(), each == Issue::None);
        for (const auto &[id, readable, known, description] : rows) {
            QCOMPARE(QStringList({Issue::readableID(id), Issue::description(id)}), QStringList({readable, description}));
            QCOMPARE(Issue::isKnown(id), known);
            QCOMPARE(ids.contains(id), known);
        }
    }

    void messageEqualityIgnoresOnlyTimestamp()
    {
        const QString m = u"m"_s, f = u"f"_s, file = u"a.cpp"_s, t = u"t"_s;
        const QList<ZelMessage> others{ZelMessage(ZelLog::Warning, m, f, file, 5, 601, t), // the only equal one
            ZelMessage(ZelLog::Error, m, f, file, 5, 601, t), ZelMessage(ZelLog::Warning, u"n"_s, f, file, 5, 601, t),
            ZelMessage(ZelLog::Warning, m, f, file, 6, 601, t), ZelMessage(ZelLog::Warning, m, f, file, 5, 601, u"u"_s),
            ZelMessage()};
        const QDateTime stamp = QDateTime::currentDateTimeUtc();
        while (QDateTime::currentDateTimeUtc() == stamp)
            QThread::msleep(1); // base is made later than the others, so the timestamps differ
        ZelMessage base(ZelLog::Warning, m, f, file, 5, 601, t);
        for (const ZelMessage &other : others) {
            const bool equal = &other == &others.first();
            QVERIFY(base.timestamp() != other.timestamp());
            QVERIFY((base == other) == equal && (other == base) == equal && (base != other) != equal);
        }
        const ZelMessage copy = base; // a value: editing one leaves the other alone
        base.appendText(u"x"_s);
        QCOMPARE(copy.text() + base.text(), u"ttx"_s);
    }

    void textParagraph()
    {
        const ZelMessage error(ZelLog::Error, u"io"_s, u"QList<int> load()"_s, u"load.cpp"_s, 12,
                               Issue::ImageFileNotLoaded, u"<b>a.png</b> & \"b\""_s);
        const QString html = error.toTextParagraph();
        QVERIFY2(html.startsWith("<p>"_L1) && html.endsWith("</p>"_L1), qPrintable(html));
        QCOMPARE(html.count("<p>"_L1) + html.count("</p>"_L1), 2);
        for (const QString &part : {u"Error"_s, u"ZEL-0600"_s, u"&lt;b&gt;a.png&lt;/b&gt; &amp; &quot;b&quot;"_s,
                                    u"QList&lt;int&gt; load()"_s, u"load.cpp:12"_s})
            QVERIFY2(html.contains(part), qPrintable(part + " in "_L1 + html));
        QVERIFY(!html.contains("<b>a.png"_L1) && !html.contains("QList<int>"_L1));
        QVERIFY(!message(ZelLog::Information, u"Saved"_s).toTextParagraph().contains("ZEL-"_L1)); // no issue, no id
    }

    void statusOutcome()
    {
        for (ZelLog::MessageType type : {ZelLog::Error, ZelLog::Warning, ZelLog::Information, ZelLog::Logging}) {
            const bool ok = type != ZelLog::Error && type != ZelLog::Warning;
            const ZelMessage why = message(type, u"why"_s, Issue::ApplicationMessage);
            const ZelStatus fromMessage(why);
            QVERIFY(fromMessage.isOk() == ok && bool(fromMessage) == ok);
            QCOMPARE(fromMessage.message(), why);
            ZelMessageStream stream(why);
            const ZelStatus fromStream = stream << "and more";
            stream << "later"; // the status copied the text so far
            QCOMPARE(fromStream.message().text(), u"why and more"_s);
            QCOMPARE(fromMessage, ZelStatus(why)); // equal when the messages are; one with a message is never Ok
            QVERIFY(fromMessage != fromStream && fromMessage != ZelStatus::Ok);
        }
        QCOMPARE(ZelStatus(), ZelStatus::Ok);
        QVERIFY(ZelStatus::Ok.isOk() && ZelStatus::Ok.message().text().isEmpty());
    }

    void filterSharing()
    {
        const QSet<ZelLog::MessageType> warning{ZelLog::Warning};
        ZelMessageFilter a;
        a.block(u"cam"_s, ZelLog::Warning);
        {
            ZelMessageFilter b = a, c;
            c = b;
            QCOMPARE(a.shareCount(), 3);
            c.block(u"cam"_s, ZelLog::Error);
            QCOMPARE(QList<int>({a.shareCount(), c.shareCount()}), QList<int>({2, 1}));
            QCOMPARE(a.blockedTypes(u"cam"_s), warning);
            b.block(u"cam"_s, ZelLog::Warning); // changes nothing, so copies nothing
            QCOMPARE(a.shareCount(), 2);
            b.unblock(u"cam"_s, ZelLog::Warning); // the last rule, or one never made: a default filter is left
            b.unblock(u"never"_s, ZelLog::Error);
            QCOMPARE(a.shareCount(), 1);
            QVERIFY(b.isEmpty() && b.rules().isEmpty());
            QCOMPARE(b, ZelMessageFilter());
        }
        const ZelMessageFilter &alias = a;
        a = alias; // self-assignment keeps the rules
        QCOMPARE(a.blockedTypes(u"cam"_s), warning);
    }

    void filterAccept()
    {
        ZelMessageFilter filter;
        filter.block(u"cam"_s, ZelLog::Warning);
        filter.block(QString(), ZelLog::Logging); // every module
        const QList<std::tuple<QString, ZelLog::MessageType, bool>> rows{
            {u"cam"_s, ZelLog::Warning, false}, {u"cam"_s, ZelLog::Error, true}, {u"other"_s, ZelLog::Warning, true},
            {u"cam"_s, ZelLog::Logging, false}, {QString(), ZelLog::Warning, true}, {u"Cam"_s, ZelLog::Warning, true}};
        for (const auto &[module, type, accepted] : rows) {
            const ZelMessage message(type, module, u"f"_s, QString(), 0);
            QVERIFY2(filter.accept(message) == accepted, qPrintable(module + QString::number(type)));
            QVERIFY(ZelMessageFilter().accept(message));
        }
    }

    void dataStreamRoundTrips()
    {
        const ZelMessage sent(ZelLog::Warning, u"cam"_s, u"void f()"_s, u"cam.cpp"_s, 9, Issue::CameraBusy, u"busy ü"_s);
        ZelMessageFilter filter;
        filter.block(u"cam"_s, ZelLog::Error);
        const QVariantList values{QVariant::fromValue(sent), QVariant::fromValue(ZelMessage()),
                                  QVariant::fromValue(ZelStatus::Ok), QVariant::fromValue(ZelStatus(sent)),
                                  QVariant::fromValue(filter), QVariant::fromValue(ZelMessageFilter())};
        QDataStream::Status status = QDataStream::Ok;
        const auto read = readBack<QVariantList>(streamed(values), &status);
        QCOMPARE(status, QDataStream::Ok);
        QCOMPARE(read, values); // as QVariants: the stream operators and the registration by name both take part
        QCOMPARE(read.at(0).value<ZelMessage>().timestamp(), sent.timestamp());
        QVERIFY(read.at(2).value<ZelStatus>().isOk() && !read.at(3).value<ZelStatus>().isOk());
        QCOMPARE(read.at(4).value<ZelMessageFilter>().blockedTypes(u"cam"_s), QSet<ZelLog::MessageType>{ZelLog::Error});
    }

    void dataStreamRejectsBadInput()
    {
        const ZelMessage error = message(ZelLog::Error, u"t"_s, 1);
        QDataStream::Status status = QDataStream::Ok;
        readBack<ZelMessage>(streamed(error).chopped(3), &status);
        QCOMPARE(status, QDataStream::ReadPastEnd);
        QCOMPARE(readBack<ZelStatus>(streamed(true, error), &status), ZelStatus()); // "success" with an error message
        QCOMPARE(status, QDataStream::ReadCorruptData);
        const QMap<QString, QList<qint32>> badType{{u"cam"_s, {1, 9}}}; // 9 is no message type
        const auto filter = readBack<ZelMessageFilter>(streamed(badType), &status);
        QCOMPARE(status, QDataStream::ReadCorruptData);
        QVERIFY(filter.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestZelLog)
#include "tst_zellog.moc"
