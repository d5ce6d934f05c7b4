#include <ZelGui/ZelZoomSpinBox.h>

#include <ZelCore/ZoomDefs.h>

#include <cmath>

namespace {

// The whole percent of a zoom, truncated. The tiny guard keeps zooms such
// as 0.29, stored as 0.28999..., on the percent they were typed as.
int truncatedPercent(double zoom)
{
    return static_cast<int>(std::trunc(zoom * 100.0 + 1e-9));
}

} // namespace

ZelZoomSpinBox::ZelZoomSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    setRange(10, 3200);
    setSuffix(QStringLiteral("%"));
    setValue(truncatedPercent(m_zoom));
    connect(this, &QSpinBox::valueChanged, this, &ZelZoomSpinBox::loadZoom);
}

ZelZoomSpinBox::~ZelZoomSpinBox() = default;

double ZelZoomSpinBox::zoom() const
{
    return m_zoom;
}

void ZelZoomSpinBox::setZoom(double value)
{
    if (m_emitting || value == m_zoom)
        return;
    adopt(value);
}

void ZelZoomSpinBox::loadZoom(int zoom)
{
    if (m_emitting)
        return;
    const double z = zoom / 100.0;
    if (z == m_zoom)
        return;
    adopt(z);
}

void ZelZoomSpinBox::adopt(double zoom)
{
    // The validated zoom is finite and inside [0.1, 32], so its percent
    // always fits the spin box's range.
    m_zoom = ZoomDefs::zoomValidation(zoom, 0.1);
    m_emitting = true;
    setValue(truncatedPercent(m_zoom));
    Q_EMIT zoomChanged(m_zoom);
    m_emitting = false;
}
