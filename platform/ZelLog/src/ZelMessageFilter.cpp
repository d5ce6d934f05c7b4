#include <ZelLog/ZelMessageFilter.h>

#include <QAtomicInt>
#include <QDataStream>
#include <QDebug>

#include <algorithm>

// The shared block. The count is kept by hand: every ZelMessageFilter holds
// one reference, the last one to let go deletes the block.
class ZelMessageFilterData
{
public:
    QAtomicInt ref{1};
    QMap<QString, QSet<ZelLog::MessageType>> blocked;
};

ZelMessageFilter::ZelMessageFilter()
    : d(new ZelMessageFilterData)
{
}

ZelMessageFilter::ZelMessageFilter(const ZelMessageFilter &other)
    : d(other.d)
{
    d->ref.ref();
}

ZelMessageFilter &ZelMessageFilter::operator=(const ZelMessageFilter &other)
{
    if (d != other.d) {
        other.d->ref.ref();
        ZelMessageFilterData *old = d;
        d = other.d;
        if (!old->ref.deref())
            delete old;
    }
    return *this;
}

ZelMessageFilter::~ZelMessageFilter()
{
    if (!d->ref.deref())
        delete d;
}

void ZelMessageFilter::detach()
{
    if (d->ref.loadAcquire() == 1)
        return;
    auto *copy = new ZelMessageFilterData;
    copy->blocked = d->blocked;
    if (!d->ref.deref())
        delete d; // the other owners let go meanwhile
    d = copy;
}

bool ZelMessageFilter::accept(const ZelMessage &message) const
{
    const auto isBlocked = [this, &message](const QString &module) {
        const auto it = d->blocked.constFind(module);
        return it != d->blocked.cend() && it->contains(message.messageType());
    };
    return !isBlocked(message.module()) && !isBlocked(QString());
}

void ZelMessageFilter::block(const QString &module, ZelLog::MessageType type)
{
    // No copy for a change that changes nothing.
    if (blockedTypes(module).contains(type))
        return;
    detach();
    d->blocked[module].insert(type);
}

void ZelMessageFilter::unblock(const QString &module, ZelLog::MessageType type)
{
    if (!blockedTypes(module).contains(type))
        return;
    detach();
    auto it = d->blocked.find(module);
    it->remove(type);
    // No empty sets left behind: a filter that blocks nothing equals a new one.
    if (it->isEmpty())
        d->blocked.erase(it);
}

QSet<ZelLog::MessageType> ZelMessageFilter::blockedTypes(const QString &module) const
{
    return d->blocked.value(module);
}

QMap<QString, QSet<ZelLog::MessageType>> ZelMessageFilter::rules() const
{
    return d->blocked;
}

bool ZelMessageFilter::isEmpty() const
{
    return d->blocked.isEmpty();
}

bool ZelMessageFilter::operator==(const ZelMessageFilter &other) const
{
    return d == other.d || d->blocked == other.d->blocked;
}

int ZelMessageFilter::shareCount() const
{
    return d->ref.loadRelaxed();
}

namespace {

QList<qint32> sortedTypes(const QSet<ZelLog::MessageType> &types)
{
    QList<qint32> list;
    list.reserve(types.size());
    for (ZelLog::MessageType type : types)
        list.append(qint32(type));
    // Sets have no order; sorted, equal filters stream to equal bytes.
    std::sort(list.begin(), list.end());
    return list;
}

} // namespace

QDataStream &operator<<(QDataStream &out, const ZelMessageFilter &filter)
{
    QMap<QString, QList<qint32>> rules;
    const auto blocked = filter.rules();
    for (auto it = blocked.cbegin(); it != blocked.cend(); ++it)
        rules.insert(it.key(), sortedTypes(it.value()));
    out << rules;
    return out;
}

QDataStream &operator>>(QDataStream &in, ZelMessageFilter &filter)
{
    QMap<QString, QList<qint32>> rules;
    in >> rules;
    if (in.status() != QDataStream::Ok)
        return in;
    ZelMessageFilter result;
    for (auto it = rules.cbegin(); it != rules.cend(); ++it) {
        for (qint32 type : it.value()) {
            if (type < ZelLog::Error || type > ZelLog::Profiling) {
                in.setStatus(QDataStream::ReadCorruptData);
                return in;
            }
            result.block(it.key(), ZelLog::MessageType(type));
        }
    }
    filter = result;
    return in;
}

QDebug operator<<(QDebug debug, const ZelMessageFilter &filter)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "ZelMessageFilter(";
    const auto blocked = filter.rules();
    bool first = true;
    for (auto it = blocked.cbegin(); it != blocked.cend(); ++it) {
        if (!first)
            debug << ", ";
        first = false;
        debug << (it.key().isEmpty() ? QStringLiteral("*") : it.key()) << ": " << sortedTypes(it.value());
    }
    debug << ')';
    return debug;
}
