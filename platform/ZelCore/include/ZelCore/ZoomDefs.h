#pragma once

#include <ZelCore/zelcore_export.h>

#include <QList>
#include <QString>

// Zoom factors of image views: 1.0 shows one image pixel per screen pixel.
namespace ZoomDefs {

constexpr double minZoom = 0.1;
constexpr double maxZoom = 32.0;

// The steps zoomIn()/zoomOut() move through, ascending from minZoom to
// maxZoom: round percentages a user recognises in a zoom box (10%, 12.5%,
// 25%, 33%, 50%, 67%, 75%, 100%, 150%, 200%, ... 3200%).
ZELCORE_EXPORT QList<double> zoomKeyValues();

// The zoom as a percentage with at most two decimals and no trailing zeros,
// in the C locale so that zoom boxes can parse it back: 0.125 -> "12.5%",
// 32 -> "3200%". NaN and infinities have no percentage and give "-".
ZELCORE_EXPORT QString zoomValueToText(double zoom);

// The zoom clamped into [minimum, maxZoom]. A NaN zoom becomes 1.0 before
// clamping. A minimum that is NaN or not positive means the default
// ZoomDefs::minZoom; a minimum above maxZoom means maxZoom. Minimums below
// ZoomDefs::minZoom are honoured (a view may allow fitting huge images).
ZELCORE_EXPORT double zoomValidation(double zoom, double minimum = minZoom);

// The next preset strictly above (below) the validated zoom; values within
// a relative 1e-5 of a preset count as that preset, so 0.999999 zooms in to
// 1.5, not to 1. Past the last preset inside the bounds the bound itself is
// returned, also when it is no preset; at the bound the bound is returned.
ZELCORE_EXPORT double zoomIn(double zoom, double minimum = minZoom);
ZELCORE_EXPORT double zoomOut(double zoom, double minimum = minZoom);

} // namespace ZoomDefs
