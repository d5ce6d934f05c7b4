#pragma once

// Small helpers shared by the message, pop-up and progress tests.

#include <ZelGui/ZelTrayMessage.h>
#include <ZelLog/Issue.h>
#include <ZelLog/ZelMessage.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTranslator>

inline ZelMessage makeMessage(ZelLog::MessageType type, Issue::ID issue, const QString &text,
                              const QString &module = QStringLiteral("Test"))
{
    return ZelMessage(type, module, QStringLiteral("void test()"), QStringLiteral("test.cpp"), 12, issue, text);
}

// The folder of the damaged-input corpus (tests/data/corpus), as ctest passes it.
inline QString corpusDir(const QString &kind)
{
    const QString root = qEnvironmentVariable("ZELGUI_TEST_DATA");
    return root.isEmpty() ? QString() : root + QStringLiteral("/corpus/") + kind;
}

// Keeps Qt's own decoder and stream warnings about damaged input out of the
// test's warning checks while it lives, counting them.
struct QuietDecoderWarnings
{
    QuietDecoderWarnings() { previous() = qInstallMessageHandler(&QuietDecoderWarnings::handle); }
    ~QuietDecoderWarnings() { qInstallMessageHandler(previous()); }
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtWarningMsg || type == QtDebugMsg) {
            ++count();
            return;
        }
        previous()(type, context, message);
    }
    static int &count()
    {
        static int n = 0;
        return n;
    }
    static QtMessageHandler &previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
};

// The pop-ups that exist right now.
inline QList<ZelTrayMessage *> trays()
{
    QList<ZelTrayMessage *> result;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *tray = qobject_cast<ZelTrayMessage *>(widget))
            result << tray;
    }
    return result;
}

// The library's Russian translations, installed for as long as this lives.
struct RussianTranslation
{
    RussianTranslation()
    {
        loaded = translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")) && QCoreApplication::installTranslator(&translator);
    }
    ~RussianTranslation() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
    bool loaded = false;
};
