#pragma once

// The point lists of the library's plots: values drawn over their index.

#include <QList>
#include <QPointF>

#include <cmath>

namespace ZelPlotSamples {

// Points (i, value(values[i])). Values that are not finite are left out,
// their indices stay empty: Qwt would take them into the axis bounds and
// build a scale of NaN or infinite width.
template<class T, class Value>
QList<QPointF> byIndex(const QList<T> &values, Value value)
{
    QList<QPointF> points;
    points.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i) {
        const double y = value(values.at(i));
        if (std::isfinite(y))
            points.append(QPointF(double(i), y));
    }
    return points;
}

} // namespace ZelPlotSamples
