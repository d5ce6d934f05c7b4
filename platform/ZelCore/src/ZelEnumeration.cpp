#include <ZelCore/ZelEnumeration.h>

#include <QDataStream>
#include <QDebug>

ZelEnumerationItem::ZelEnumerationItem(const QUuid &id, const QString &text, const QVariant &value)
    : m_id(id)
    , m_text(text)
    , m_value(value)
{
}

bool operator==(const ZelEnumerationItem &lhs, const ZelEnumerationItem &rhs)
{
    return lhs.id() == rhs.id() && lhs.text() == rhs.text() && lhs.value() == rhs.value();
}

QDataStream &operator<<(QDataStream &stream, const ZelEnumerationItem &item)
{
    return stream << item.id() << item.text() << item.value();
}

QDataStream &operator>>(QDataStream &stream, ZelEnumerationItem &item)
{
    QUuid id;
    QString text;
    QVariant value;
    stream >> id >> text >> value;
    if (stream.status() == QDataStream::Ok)
        item = ZelEnumerationItem(id, text, value);
    return stream;
}

QDebug operator<<(QDebug debug, const ZelEnumerationItem &item)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "ZelEnumerationItem(" << item.id().toString(QUuid::WithoutBraces) << ", " << item.text() << ", "
                    << item.value() << ')';
    return debug;
}

ZelEnumeration::ZelEnumeration(const QString &name, const QList<ZelEnumerationItem> &items)
    : m_name(name)
{
    for (const ZelEnumerationItem &item : items)
        addItem(item);
}

bool ZelEnumeration::addItem(const ZelEnumerationItem &item)
{
    if (item.isNull())
        return false;
    const int index = indexOf(item.id());
    if (index >= 0)
        m_items[index] = item;
    else
        m_items.append(item);
    return true;
}

bool ZelEnumeration::removeItem(const QUuid &id)
{
    const int index = indexOf(id);
    if (index < 0)
        return false;
    m_items.removeAt(index);
    return true;
}

ZelEnumerationItem ZelEnumeration::getItem(const QUuid &id) const
{
    const int index = indexOf(id);
    return index >= 0 ? m_items.at(index) : ZelEnumerationItem();
}

int ZelEnumeration::indexOf(const QUuid &id) const
{
    if (id.isNull())
        return -1;
    // Enumerations are short (a combo box's worth); a linear scan keeps the
    // order without a second index to maintain.
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).id() == id)
            return i;
    }
    return -1;
}

bool operator==(const ZelEnumeration &lhs, const ZelEnumeration &rhs)
{
    return lhs.name() == rhs.name() && lhs.items() == rhs.items();
}

QDataStream &operator<<(QDataStream &stream, const ZelEnumeration &enumeration)
{
    return stream << enumeration.name() << enumeration.items();
}

QDataStream &operator>>(QDataStream &stream, ZelEnumeration &enumeration)
{
    QString name;
    QList<ZelEnumerationItem> items;
    stream >> name >> items;
    if (stream.status() == QDataStream::Ok)
        enumeration = ZelEnumeration(name, items);
    return stream;
}

QDebug operator<<(QDebug debug, const ZelEnumeration &enumeration)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "ZelEnumeration(" << enumeration.name() << ", " << enumeration.items() << ')';
    return debug;
}
