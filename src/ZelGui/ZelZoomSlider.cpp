#include <ZelGui/ZelZoomSlider.h>

#include "ZelZoomRounding_p.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Kinds of scale between positions and zooms.
enum Mapping : qint32 {
    SquareRootMapping = 1,
    Log10Mapping = 2,
    NaturalLogMapping = 3,
    // any other value: linear
};

constexpr double positionsPerUnit = 10000.0;
constexpr double smallestMinZoom = 0.1;
constexpr double largestZoom = 32.0;

} // namespace

ZelZoomSlider::ZelZoomSlider(QWidget *parent)
    : QSlider(parent)
    , m_mapping(NaturalLogMapping)
    , m_lastZoom(std::numeric_limits<double>::quiet_NaN())
    , m_lastPositionZoom(std::numeric_limits<double>::quiet_NaN())
{
    setRange(mapZoomToSlider(smallestMinZoom), mapZoomToSlider(largestZoom));
    // Keys and clicks on the groove would otherwise move by a hundredth of a
    // percent and snap back to the rounded zoom: an arrow key moves by about
    // 10 %, a page by a factor of two.
    setSingleStep(1000);
    setPageStep(mapZoomToSlider(2.0));
    setValue(mapZoomToSlider(1.0));
    connect(this, &QSlider::valueChanged, this, &ZelZoomSlider::translateToZoom);
}

ZelZoomSlider::~ZelZoomSlider() = default;

void ZelZoomSlider::setZoom(double zoom)
{
    // A zoom equal to the current one (qFuzzyCompare) maps to the current
    // position, and setting the current position is a no-op: comparing
    // positions saves the exponential on this path, which the toolbar runs
    // several times per change.
    const int position = mapZoomToSlider(zoom);
    if (position != value())
        setValue(position);
}

void ZelZoomSlider::setMinZoom(double minZoom)
{
    const double lower = (std::isnan(minZoom) || minZoom <= 0.0) ? smallestMinZoom : std::min(minZoom, smallestMinZoom);
    const int low = mapZoomToSlider(lower);
    const int high = mapZoomToSlider(largestZoom);
    if (minimum() == low && maximum() == high)
        return;
    // A value clamped by the new range is no zoom change the user made.
    const bool wasBlocked = blockSignals(true);
    setRange(low, high);
    blockSignals(wasBlocked);
}

double ZelZoomSlider::currentZoom() const
{
    return mapSliderToZoom(value());
}

int ZelZoomSlider::mapZoomToSlider(double value) const
{
    if (value == m_lastZoom)
        return m_lastZoomPosition;
    const double zoom = value;
    if (std::isnan(value))
        value = 1.0;
    double position;
    switch (m_mapping) {
    case SquareRootMapping:
        position = std::sqrt(std::max(value, 0.0)) * positionsPerUnit;
        break;
    case Log10Mapping:
        position = std::log10(std::max(value, 0.0)) * positionsPerUnit;
        break;
    case NaturalLogMapping:
        position = std::log(std::max(value, 0.0)) * positionsPerUnit;
        break;
    default:
        position = value * positionsPerUnit;
        break;
    }
    // Zero gives -inf on the logarithmic scales; qRound() must only see
    // values it can convert.
    constexpr double limit = std::numeric_limits<int>::max() - 1;
    m_lastZoom = zoom;
    m_lastZoomPosition = qRound(std::clamp(position, -limit, limit));
    return m_lastZoomPosition;
}

double ZelZoomSlider::mapSliderToZoom(int value) const
{
    if (value == m_lastPosition && !std::isnan(m_lastPositionZoom))
        return m_lastPositionZoom;
    const double s = value / positionsPerUnit;
    double zoom;
    switch (m_mapping) {
    case SquareRootMapping:
        zoom = s * s;
        break;
    case Log10Mapping:
        zoom = std::pow(10.0, s);
        break;
    case NaturalLogMapping:
        zoom = std::exp(s);
        break;
    default:
        zoom = s;
        break;
    }
    m_lastPosition = value;
    m_lastPositionZoom = zoom;
    return zoom;
}

void ZelZoomSlider::translateToZoom(int zoom)
{
    Q_EMIT zoomChanged(ZelZoomRounding::toHundredths(mapSliderToZoom(zoom)));
}
