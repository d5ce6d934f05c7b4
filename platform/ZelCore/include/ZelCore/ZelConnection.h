#pragma once

#include <QMetaObject>
#include <QObject>
#include <QSharedPointer>

// Owns a signal-slot connection: the connection lives as long as some copy
// of its ZelConnection does. Copies share one connection (and its state),
// so a connection handed to several places ends when the last of them lets
// go, and disconnect() or release() through any copy is seen by all.
//
// Assigning a new connection replaces the old one in this copy only; the old
// one is disconnected if this copy was its last owner.
//
// C must convert to bool (true while connected) and be accepted by
// QObject::disconnect(), as QMetaObject::Connection is.
template<typename C = QMetaObject::Connection>
class ZelConnection
{
public:
    ZelConnection() = default;
    // Implicit, so that "m_connection = connect(...)" takes ownership.
    ZelConnection(const C &connection)
        : d(new State(connection))
    {
    }

    C connection() const { return d ? d->connection : C(); }
    bool isConnected() const { return d && static_cast<bool>(d->connection); }

    // Gives the connection up without disconnecting it; every copy becomes
    // empty. Returns the connection so the caller may keep managing it.
    C release()
    {
        if (!d)
            return C();
        const C connection = d->connection;
        d->connection = C();
        return connection;
    }

    // Disconnects now; every copy becomes empty. True when a live connection
    // was broken.
    bool disconnect()
    {
        if (!d)
            return false;
        const C connection = d->connection;
        d->connection = C();
        return connection && QObject::disconnect(connection);
    }

private:
    struct State
    {
        explicit State(const C &connection)
            : connection(connection)
        {
        }
        ~State()
        {
            if (connection)
                QObject::disconnect(connection);
        }
        State(const State &) = delete;
        State &operator=(const State &) = delete;

        C connection;
    };

    QSharedPointer<State> d;
};
