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
    // What data() hands out: built from the values when they have changed
    // since, then shared by every reader and never written to again.
    mutable QHash<QString, QList<double>> snapshot;
    mutable bool snapshotStale = false;
};

namespace {
// The store never writes into storage it has handed out. Had a reader
// shared the live lists, a writer thread could decide "not shared" from a
// relaxed reference count the reader has just dropped, and write without
// ordering against the reader's last access. So readers get lists of their
// own, or the snapshot, which nothing in the store writes after building it.
template<typename List>
List ownCopy(const List &list)
{
    return List(list.cbegin(), list.cend());
}
} // namespace

ZelPerfCounterStore::ZelPerfCounterStore(QObject *parent)
    : QObject(parent)
    , d(new Private)
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
        d->snapshotStale = true;
    }
    // Outside the lock: a directly connected slot may read the store.
    if (added)
        Q_EMIT metricAdded(metric);
}

QList<QString> ZelPerfCounterStore::metrics() const
{
    QMutexLocker lock(&d->mutex);
    return ownCopy(d->order);
}

QHash<QString, QList<double>> ZelPerfCounterStore::data() const
{
    QMutexLocker lock(&d->mutex);
    if (d->snapshotStale) {
        QHash<QString, QList<double>> copy;
        copy.reserve(d->values.size());
        for (auto it = d->values.cbegin(); it != d->values.cend(); ++it)
            copy.insert(it.key(), ownCopy(it.value()));
        d->snapshot = copy;
        d->snapshotStale = false;
    }
    return d->snapshot;
}

QList<double> ZelPerfCounterStore::values(const QString &metric) const
{
    QMutexLocker lock(&d->mutex);
    const auto it = d->values.constFind(metric);
    return it == d->values.cend() ? QList<double>() : ownCopy(*it);
}

void ZelPerfCounterStore::clear()
{
    QMutexLocker lock(&d->mutex);
    d->order.clear();
    d->values.clear();
    d->snapshot.clear();
    d->snapshotStale = false;
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
