#pragma once

#include <QDataStream>
#include <QDebug>
#include <QMetaType>

// A value range with the step an editor moves by. Default-constructed ranges
// match a fresh QSlider/QSpinBox (0..99, step 1), so a widget given a default
// range behaves like its plain Qt counterpart.
template<typename T>
struct ZelMinMaxRange
{
    ZelMinMaxRange() = default;
    ZelMinMaxRange(T min, T max, T step = T(1))
        : min(min)
        , max(max)
        , step(step)
    {
    }

    T min = T(0);
    T max = T(99);
    T step = T(1);
};

// Exact comparison, also for floating point: a range is a configuration
// value that is either the same or was changed.
template<typename T>
inline bool operator==(const ZelMinMaxRange<T> &lhs, const ZelMinMaxRange<T> &rhs)
{
    return lhs.min == rhs.min && lhs.max == rhs.max && lhs.step == rhs.step;
}

template<typename T>
inline bool operator!=(const ZelMinMaxRange<T> &lhs, const ZelMinMaxRange<T> &rhs)
{
    return !(lhs == rhs);
}

template<typename T>
inline QDataStream &operator<<(QDataStream &stream, const ZelMinMaxRange<T> &range)
{
    return stream << range.min << range.max << range.step;
}

template<typename T>
inline QDataStream &operator>>(QDataStream &stream, ZelMinMaxRange<T> &range)
{
    return stream >> range.min >> range.max >> range.step;
}

template<typename T>
inline QDebug operator<<(QDebug debug, const ZelMinMaxRange<T> &range)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "ZelMinMaxRange(" << range.min << ", " << range.max << ", step " << range.step << ')';
    return debug;
}

Q_DECLARE_METATYPE(ZelMinMaxRange<int>)
Q_DECLARE_METATYPE(ZelMinMaxRange<double>)
