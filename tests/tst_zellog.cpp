#include <ZelLog/Issue.h>
#include <ZelLog/ZelLog.h>
#include <ZelLog/ZelMessage.h>
#include <ZelLog/ZelMessageFilter.h>
#include <ZelLog/ZelMessageStream.h>
#include <ZelLog/ZelStatus.h>

#include "zelstream_testhelpers.h"

#include <QLoggingCategory>
#include <QTest>
#include <QThread>

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
    s_captured.append({QString::number(type), QString::fromUtf8(c.category), QString::fromUtf8(c.file), QString::number(c.line), text});
}

ZelMessage message(ZelLog::MessageType type, const QString &text, Issue::ID issue = Issue::None)
{
    return ZelMessage(type, u"m"_s, u"f"_s, u"a.cpp"_s, 1, issue, text);
}

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
    }

    void init()
    {
        ZelLog::setEchoToQt(false);
        QLoggingCategory::setFilterRules(QString());
        ZelLog::clearRecords();
    }

    void streamJoinsItems()
    {
        ZelLog::logStream("m", "f", "a.cpp", 1) << "x" << 2.5 << -3 << QByteArray("caf\xc3\xa9") << u"s"_s << true << 'c';
        QCOMPARE(ZelLog::records().last().text(), u"x 2.5 -3 café s true c"_s);
    }

    void streamKindsAndEcho()
    {
        const QString all, debugOn = u"zel.log.debug=true"_s, plain = u"[cam] void f(): text"_s;
        // kind, issue, echo on, filter rules, what reaches Qt (empty: nothing)
        for (const auto &[kind, issue, echoOn, rules, echo] : {std::tuple{LogKind, 0, true, debugOn, plain},
                                                               {NotifyKind, 0, true, all, plain},
                                                               {WarningKind, 2, true, all, u"[cam] void f(): text (ZEL-0002)"_s},
                                                               {ErrorKind, 600, true, all, u"[cam] void f(): text (ZEL-0600)"_s},
                                                               {ErrorKind, 1, false, all, QString()},
                                                               {LogKind, 0, true, all, QString()}}) {
            init();
            ZelLog::setEchoToQt(echoOn); // both set back by init()
            QLoggingCategory::setFilterRules(rules);
            s_captured.clear();
            const QtMessageHandler previous = qInstallMessageHandler(capture);
            openStream(kind, "void f()", 42, issue) << "text";
            qInstallMessageHandler(previous);
            QCOMPARE(ZelLog::records().size(), 1); // the sink keeps every record, whatever reaches Qt
            const ZelMessage m = ZelLog::records().first();
            const QList<ZelLog::MessageType> types{ZelLog::Logging, ZelLog::Information, ZelLog::Warning, ZelLog::Error};
            QCOMPARE(m.messageType(), types.at(kind));
            QCOMPARE(m.issueID(), issue);
            QCOMPARE(QStringList({m.module(), m.function(), m.file(), QString::number(m.line()), m.text()}),
                     QStringList({u"cam"_s, u"void f()"_s, u"cam.cpp"_s, u"42"_s, u"text"_s}));

            const int qtType = QList<int>{QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg}.at(kind);
            const QList<QStringList> expected{{QString::number(qtType), u"zel.log"_s, u"cam.cpp"_s, u"42"_s, echo}};
            QCOMPARE(s_captured, echo.isEmpty() ? QList<QStringList>() : expected);
        }
    }

    void recordIssuedOnceByLastCopy()
    {
        ZelStatus status;
        {
            ZelMessageStream first = ZelLog::errorStream("m", "f", "a.cpp", 3, Issue::CameraBusy) << "first";
            status = ZelMessageStream(first) << "second"; // a second copy, gone at the end of the line
            QCOMPARE(ZelLog::records().size(), 0); // first still holds it
        }
        QCOMPARE(ZelLog::records(), QList<ZelMessage>({status.message()}));
        QCOMPARE(status.message().text(), u"first second"_s);
    }

    void issueCatalogue()
    {
        // what the tray message shows: "no issue", a known one, an unknown one, one wider than four digits
        for (const auto &[id, readable, description] : {std::tuple{0, u"ZEL-0000"_s, QString()},
                                                        {600, u"ZEL-0600"_s, u"The image file cannot be loaded"_s},
                                                        {599, u"ZEL-0599"_s, QString()},
                                                        {123456, u"ZEL-123456"_s, QString()}})
            QCOMPARE(QStringList({Issue::readableID(id), Issue::description(id)}), QStringList({readable, description}));
    }

    void messageEqualityIgnoresOnlyTimestamp()
    {
        const QList<ZelMessage> others{message(ZelLog::Warning, u"t"_s, 601), // the only equal one
                                       message(ZelLog::Error, u"t"_s, 601), message(ZelLog::Warning, u"u"_s, 601),
                                       message(ZelLog::Warning, u"t"_s, 602),
                                       ZelMessage(ZelLog::Warning, u"n"_s, u"f"_s, u"a.cpp"_s, 1, 601, u"t"_s)};
        const QDateTime stamp = QDateTime::currentDateTimeUtc();
        while (QDateTime::currentDateTimeUtc() == stamp)
            QThread::msleep(1); // base is made later than the others, so the timestamps differ
        const ZelMessage base = message(ZelLog::Warning, u"t"_s, 601);
        for (const ZelMessage &other : others)
            QCOMPARE(base == other, &other == &others.first());
    }

    void textParagraph()
    {
        const ZelMessage error(ZelLog::Error, u"io"_s, u"QList<int> load()"_s, u"load.cpp"_s, 12, Issue::ImageFileNotLoaded,
                               u"<b>a.png</b> & \"b\""_s);
        for (const QString &part :
             {u"Error"_s, u"ZEL-0600"_s, u"&lt;b&gt;a.png&lt;/b&gt; &amp; &quot;b&quot;"_s, u"QList&lt;int&gt; load()"_s, u"load.cpp:12"_s})
            QVERIFY2(error.toTextParagraph().contains(part), qPrintable(part + " in "_L1 + error.toTextParagraph()));
        QVERIFY(!message(ZelLog::Information, u"Saved"_s).toTextParagraph().contains("ZEL-"_L1)); // no issue, no id
    }

    void statusOutcome()
    {
        for (ZelLog::MessageType type : {ZelLog::Error, ZelLog::Warning, ZelLog::Information, ZelLog::Logging}) {
            ZelMessageStream stream(message(type, u"why"_s, Issue::ApplicationMessage));
            const ZelStatus status = stream << "and more";
            stream << "later"; // the status copied the text so far
            QCOMPARE(bool(status), type != ZelLog::Error && type != ZelLog::Warning);
            QCOMPARE(status.message().text(), u"why and more"_s);
            QVERIFY(status != ZelStatus::Ok); // one with a message is never Ok
        }
        QCOMPARE(ZelStatus(), ZelStatus::Ok);
    }

    // Which types and modules a filter holds back is checked through the messenger (tst_zelgui_messenger).
    void filterIsAValueAndMatchesModulesExactly()
    {
        ZelMessageFilter filter;
        filter.block(u"cam"_s, ZelLog::Warning);
        ZelMessageFilter copy = filter; // the copy's rules are its own
        copy.unblock(u"cam"_s, ZelLog::Warning);
        const ZelMessage warning(ZelLog::Warning, u"cam"_s, u"f"_s, QString(), 0);
        QVERIFY(!filter.accept(warning) && copy.accept(warning));
        QVERIFY(filter.accept(ZelMessage(ZelLog::Warning, u"Cam"_s, u"f"_s, QString(), 0))); // case counts
    }

    void dataStreamRoundTrips()
    {
        const ZelMessage sent(ZelLog::Warning, u"cam"_s, u"void f()"_s, u"cam.cpp"_s, 9, Issue::CameraBusy, u"busy ü"_s);
        ZelMessageFilter filter;
        filter.block(u"cam"_s, ZelLog::Error);
        const QVariantList values{QVariant::fromValue(sent), QVariant::fromValue(ZelStatus::Ok), QVariant::fromValue(ZelStatus(sent)),
                                  QVariant::fromValue(filter)};
        const auto read = readBack<QVariantList>(streamed(values));
        QCOMPARE(read, values); // as QVariants: the stream operators and the registration by name both take part
        QCOMPARE(read.at(0).value<ZelMessage>().timestamp(), sent.timestamp()); // equality ignores it
    }
};

QTEST_GUILESS_MAIN(TestZelLog)
#include "tst_zellog.moc"
