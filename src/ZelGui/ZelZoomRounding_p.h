#pragma once

#include <cmath>

namespace ZelZoomRounding {

// A zoom rounded half away from zero to two decimals, the precision zoom
// controls show and announce. Works on doubles throughout so that NaN,
// infinities and huge values pass through unchanged instead of overflowing
// an integer conversion.
inline double toHundredths(double zoom)
{
    const double magnitude = std::trunc((std::abs(zoom) + 0.005) * 100.0) / 100.0;
    return std::copysign(magnitude, zoom);
}

} // namespace ZelZoomRounding
