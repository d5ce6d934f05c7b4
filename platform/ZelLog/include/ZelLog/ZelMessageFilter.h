#pragma once

#include <ZelLog/ZelMessage.h>
#include <ZelLog/zellog_export.h>

#include <QMap>
#include <QMetaType>
#include <QSet>
#include <QString>

class ZelMessageFilterData;

// Decides which messages reach the user. An implicitly shared value: one
// pointer to a reference-counted block holding, per module name, the set of
// message types that are held back. The empty module name stands for every
// module. A default-constructed filter accepts everything.
class ZELLOG_EXPORT ZelMessageFilter
{
public:
    ZelMessageFilter();
    ZelMessageFilter(const ZelMessageFilter &other);
    ZelMessageFilter &operator=(const ZelMessageFilter &other);
    ~ZelMessageFilter();

    // Rejected when its type is blocked for its module or for all modules.
    bool accept(const ZelMessage &message) const;

    void block(const QString &module, ZelLog::MessageType type);
    void unblock(const QString &module, ZelLog::MessageType type);
    QSet<ZelLog::MessageType> blockedTypes(const QString &module) const;
    QMap<QString, QSet<ZelLog::MessageType>> rules() const;
    bool isEmpty() const;

    bool operator==(const ZelMessageFilter &other) const;
    bool operator!=(const ZelMessageFilter &other) const { return !(*this == other); }

    // For tests of the sharing: how many values share this one's block.
    int shareCount() const;

private:
    void detach();
    ZelMessageFilterData *d;
};

// Streams the rules as module name -> list of blocked type numbers.
ZELLOG_EXPORT QDataStream &operator<<(QDataStream &out, const ZelMessageFilter &filter);
ZELLOG_EXPORT QDataStream &operator>>(QDataStream &in, ZelMessageFilter &filter);
ZELLOG_EXPORT QDebug operator<<(QDebug debug, const ZelMessageFilter &filter);

Q_DECLARE_METATYPE(ZelMessageFilter)
