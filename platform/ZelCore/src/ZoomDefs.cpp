#include <ZelCore/ZoomDefs.h>

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace ZoomDefs {

namespace {

const QList<double> &presets()
{
    static const QList<double> values{0.1, 0.125, 0.25, 0.33, 0.5, 0.67, 0.75, 1.0,  1.5,
                                      2.0, 3.0,   4.0,  6.0,  8.0, 12.0, 16.0, 24.0, 32.0};
    return values;
}

// Zooms computed from view geometry carry rounding noise; they must not
// make zoomIn() stop at the preset they already show. Presets are at least
// 10% apart, far beyond this tolerance.
bool sameZoom(double a, double b)
{
    return std::abs(a - b) <= 1e-5 * std::max(std::abs(a), std::abs(b));
}

double effectiveMinimum(double minimum)
{
    if (std::isnan(minimum) || minimum <= 0.0)
        return ZoomDefs::minZoom;
    return std::min(minimum, maxZoom);
}

} // namespace

QList<double> zoomKeyValues()
{
    return presets();
}

QString zoomValueToText(double zoom)
{
    if (!std::isfinite(zoom))
        return QStringLiteral("-");
    // Zoom controls format a zoom at every change: whole hundredths of a
    // percent are written from an integer, which gives the same text as the
    // general path below while the hundredths are exact in a double.
    const double hundredths = std::round(zoom * 100.0 * 100.0);
    if (std::abs(hundredths) < 1e12) {
        const qint64 h = qint64(hundredths);
        quint64 magnitude = quint64(h < 0 ? -h : h);
        char buffer[24];
        char *end = buffer + sizeof buffer;
        char *p = end;
        *--p = '%';
        const int fraction = int(magnitude % 100);
        if (fraction % 10)
            *--p = char('0' + fraction % 10);
        if (fraction) {
            *--p = char('0' + fraction / 10);
            *--p = '.';
        }
        magnitude /= 100;
        do {
            *--p = char('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude);
        if (h < 0)
            *--p = '-';
        return QString::fromLatin1(p, end - p);
    }
    double percent = hundredths / 100.0;
    if (percent == 0.0)
        percent = 0.0; // no "-0%"
    QString text = QString::number(percent, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text + QLatin1Char('%');
}

double zoomValidation(double zoom, double minimum)
{
    if (std::isnan(zoom))
        zoom = 1.0;
    return std::clamp(zoom, effectiveMinimum(minimum), maxZoom);
}

double zoomIn(double zoom, double minimum)
{
    const double current = zoomValidation(zoom, minimum);
    for (const double preset : presets()) {
        if (preset > current && !sameZoom(preset, current))
            return preset;
    }
    return maxZoom;
}

double zoomOut(double zoom, double minimum)
{
    const double lowest = effectiveMinimum(minimum);
    const double current = zoomValidation(zoom, minimum);
    const QList<double> &values = presets();
    for (auto it = values.crbegin(); it != values.crend(); ++it) {
        if (*it < current && !sameZoom(*it, current))
            return std::max(*it, lowest);
    }
    return lowest;
}

} // namespace ZoomDefs
