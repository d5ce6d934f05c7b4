#pragma once

#include <ZelCore/zelcore_export.h>

#include <QHash>
#include <QList>
#include <QObject>
#include <QSharedPointer>
#include <QString>

// Recent values of named performance counters (frame times, queue lengths),
// for a monitor to plot. Values may be added from any thread.
class ZELCORE_EXPORT ZelPerfCounterStore : public QObject
{
    Q_OBJECT
public:
    // Values kept per metric; older ones are dropped.
    static constexpr int historySize = 600;

    explicit ZelPerfCounterStore(QObject *parent = nullptr);
    ~ZelPerfCounterStore() override;

    void addValue(const QString &metric, double value);

    // Metric names in the order they first appeared.
    QList<QString> metrics() const;
    // The kept values of every metric, oldest first.
    QHash<QString, QList<double>> data() const;
    QList<double> values(const QString &metric) const;

    // Forgets all metrics; a metric added again is announced again.
    void clear();

Q_SIGNALS:
    // Emitted once per metric, when its first value arrives, from the thread
    // that added it; receivers in other threads get it queued as usual.
    void metricAdded(const QString &name);

private:
    class Private;
    Private *const d;
};

// The process-wide store, created on first use and living in the
// application's main thread.
ZELCORE_EXPORT QSharedPointer<ZelPerfCounterStore> zelPerfCounterStore();
