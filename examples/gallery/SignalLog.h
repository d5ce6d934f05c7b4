#pragma once

#include <QListWidget>

class QGroupBox;

// A numbered log of emissions, newest last, keeping the latest lines only.
class SignalLog : public QListWidget
{
public:
    explicit SignalLog(QWidget *parent = nullptr, int maxLines = 500);

    // Appends "N. line" and shows it.
    void add(const QString &line);
    // Empties the log and starts numbering again (not QAbstractItemView::reset(),
    // which the model calls on every reset).
    void restart();
    // Lines added since the last restart.
    int total() const { return m_count; }

private:
    int m_maxLines;
    int m_count = 0;
};

// A group box titled title holding log and a "Clear log" button that restarts it.
QGroupBox *signalLogBox(const QString &title, SignalLog *log, QWidget *parent);
