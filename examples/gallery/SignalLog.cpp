#include "SignalLog.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

SignalLog::SignalLog(QWidget *parent, int maxLines)
    : QListWidget(parent)
    , m_maxLines(maxLines)
{
    setUniformItemSizes(true);
    setAccessibleName(QStringLiteral("Signal log"));
}

void SignalLog::add(const QString &line)
{
    addItem(QStringLiteral("%1. %2").arg(++m_count).arg(line));
    while (count() > m_maxLines)
        delete takeItem(0);
    scrollToBottom();
}

void SignalLog::restart()
{
    clear();
    m_count = 0;
}

QGroupBox *signalLogBox(const QString &title, SignalLog *log, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    log->setParent(box);
    auto *clear = new QPushButton(QStringLiteral("Clear log"), box);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(log, 1);
    layout->addWidget(clear, 0, Qt::AlignRight);
    QObject::connect(clear, &QPushButton::clicked, log, &SignalLog::restart);
    return box;
}
