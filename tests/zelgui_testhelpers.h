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
        loaded = translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm"))
                 && QCoreApplication::installTranslator(&translator);
    }
    ~RussianTranslation() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
    bool loaded = false;
};
