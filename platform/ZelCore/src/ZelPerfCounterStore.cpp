#include <ZelCore/ZelPerfCounterStore.h>

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

class ZelPerfCounterStore::Private
{
public:
    mutable QMutex mutex;
    QList<QString> order;
    QHash<QString, QList<double>> values;
};

ZelPerfCounterStore::ZelPerfCounterStore(QObject *parent)
    : QObject(parent), d(new Private)
{
}

ZelPerfCounterStore::~ZelPerfCounterStore()
{
    delete d;
}

void ZelPerfCounterStore::addValue(const QString &metric, double value)
{
    bool added = false;
    {
        QMutexLocker lock(&d->mutex);
        auto it = d->values.find(metric);
        if (it == d->values.end()) {
            it = d->values.insert(metric, QList<double>());
            it->reserve(historySize);
            d->order.append(metric);
            added = true;
        }
        // Dropping from the front moves at most historySize doubles; cheap
        // next to whatever is being measured.
        if (it->size() >= historySize)
            it->removeFirst();
        it->append(value);
    }
    // Outside the lock: a directly connected slot may read the store.
    if (added)
        Q_EMIT metricAdded(metric);
}

QList<QString> ZelPerfCounterStore::metrics() const
{
    QMutexLocker lock(&d->mutex);
    return d->order;
}

QHash<QString, QList<double>> ZelPerfCounterStore::data() const
{
    QMutexLocker lock(&d->mutex);
    return d->values;
}

QList<double> ZelPerfCounterStore::values(const QString &metric) const
{
    QMutexLocker lock(&d->mutex);
    return d->values.value(metric);
}

void ZelPerfCounterStore::clear()
{
    QMutexLocker lock(&d->mutex);
    d->order.clear();
    d->values.clear();
}

QSharedPointer<ZelPerfCounterStore> zelPerfCounterStore()
{
    static const QSharedPointer<ZelPerfCounterStore> store = [] {
        QSharedPointer<ZelPerfCounterStore> created(new ZelPerfCounterStore);
        // A worker thread may ask first; the store must not belong to a
        // thread that ends.
        if (QCoreApplication *app = QCoreApplication::instance()) {
            if (created->thread() != app->thread())
                created->moveToThread(app->thread());
        }
        return created;
    }();
    return store;
}
