#pragma once

#include <QDataStream>
#include <QDebug>
#include <QMetaType>

// A value with an on/off switch, as edited by a check box next to a spin
// box: the value is kept while unchecked so that checking restores it.
template<typename T>
struct ZelCheckableTValue
{
    ZelCheckableTValue() = default;
    ZelCheckableTValue(const T &value, bool checked)
        : value(value)
        , checked(checked)
    {
    }

    T value = T();
    bool checked = false;
};

template<typename T>
inline bool operator==(const ZelCheckableTValue<T> &lhs, const ZelCheckableTValue<T> &rhs)
{
    return lhs.value == rhs.value && lhs.checked == rhs.checked;
}

template<typename T>
inline bool operator!=(const ZelCheckableTValue<T> &lhs, const ZelCheckableTValue<T> &rhs)
{
    return !(lhs == rhs);
}

template<typename T>
inline QDataStream &operator<<(QDataStream &stream, const ZelCheckableTValue<T> &v)
{
    return stream << v.value << v.checked;
}

template<typename T>
inline QDataStream &operator>>(QDataStream &stream, ZelCheckableTValue<T> &v)
{
    return stream >> v.value >> v.checked;
}

template<typename T>
inline QDebug operator<<(QDebug debug, const ZelCheckableTValue<T> &v)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "ZelCheckableTValue(" << v.value << ", " << (v.checked ? "checked" : "unchecked") << ')';
    return debug;
}

using ZelCheckableIntValue = ZelCheckableTValue<int>;
using ZelCheckableDoubleValue = ZelCheckableTValue<double>;

// The short names are aliases of the template's metatypes; ZelCore registers
// them when it is loaded, so QMetaType::fromName() knows both spellings.
Q_DECLARE_METATYPE(ZelCheckableIntValue)
Q_DECLARE_METATYPE(ZelCheckableDoubleValue)
