#pragma once

#include <ZelCore/zelcore_export.h>

#include <QList>
#include <QMetaType>
#include <QString>
#include <QUuid>
#include <QVariant>

class QDataStream;
class QDebug;

// One choice of an enumeration: a stable identifier, the text shown to the
// user and the value the choice stands for. The identifier, not the text or
// the value, is what selections store, so texts may be translated and values
// changed without breaking saved choices. A default-constructed item has a
// null id and means "no item".
class ZELCORE_EXPORT ZelEnumerationItem
{
public:
    ZelEnumerationItem() = default;
    ZelEnumerationItem(const QUuid &id, const QString &text, const QVariant &value = QVariant());

    QUuid id() const { return m_id; }
    QString text() const { return m_text; }
    QVariant value() const { return m_value; }

    void setText(const QString &text) { m_text = text; }
    void setValue(const QVariant &value) { m_value = value; }

    bool isNull() const { return m_id.isNull(); }

private:
    QUuid m_id;
    QString m_text;
    QVariant m_value;
};

ZELCORE_EXPORT bool operator==(const ZelEnumerationItem &lhs, const ZelEnumerationItem &rhs);
inline bool operator!=(const ZelEnumerationItem &lhs, const ZelEnumerationItem &rhs)
{
    return !(lhs == rhs);
}

// id, text, value.
ZELCORE_EXPORT QDataStream &operator<<(QDataStream &stream, const ZelEnumerationItem &item);
ZELCORE_EXPORT QDataStream &operator>>(QDataStream &stream, ZelEnumerationItem &item);
ZELCORE_EXPORT QDebug operator<<(QDebug debug, const ZelEnumerationItem &item);

// A named, ordered set of items with distinct, non-null ids.
class ZELCORE_EXPORT ZelEnumeration
{
public:
    ZelEnumeration() = default;
    explicit ZelEnumeration(const QString &name, const QList<ZelEnumerationItem> &items = {});

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    QList<ZelEnumerationItem> items() const { return m_items; }

    // Appends the item. An item whose id is already present replaces that
    // one in place (its position is kept); an item with a null id is refused.
    // Returns false only when the item was refused.
    bool addItem(const ZelEnumerationItem &item);
    bool removeItem(const QUuid &id);
    void clear() { m_items.clear(); }

    // The item with that id, or a null item.
    ZelEnumerationItem getItem(const QUuid &id) const;
    bool contains(const QUuid &id) const { return indexOf(id) >= 0; }
    // Position of the item with that id, or -1.
    int indexOf(const QUuid &id) const;

    int size() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }

private:
    QString m_name;
    QList<ZelEnumerationItem> m_items;
};

// Same name and the same items in the same order.
ZELCORE_EXPORT bool operator==(const ZelEnumeration &lhs, const ZelEnumeration &rhs);
inline bool operator!=(const ZelEnumeration &lhs, const ZelEnumeration &rhs)
{
    return !(lhs == rhs);
}

// name, then the items as a QList (quint32 count, items in order).
ZELCORE_EXPORT QDataStream &operator<<(QDataStream &stream, const ZelEnumeration &enumeration);
// Items read back go through addItem(): null ids are dropped and repeated
// ids collapse, so a corrupt stream cannot break the invariants.
ZELCORE_EXPORT QDataStream &operator>>(QDataStream &stream, ZelEnumeration &enumeration);
ZELCORE_EXPORT QDebug operator<<(QDebug debug, const ZelEnumeration &enumeration);

Q_DECLARE_METATYPE(ZelEnumerationItem)
Q_DECLARE_METATYPE(ZelEnumeration)
