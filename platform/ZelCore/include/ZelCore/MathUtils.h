#pragma once

#include <ZelCore/zelcore_export.h>

#include <QSize>

namespace MathUtils {

// The multiple of |step| nearest to value; halfway values round away from
// zero (5 -> 10 for step 10, -5 -> -10). A step of 0 returns value
// unchanged. The arithmetic is done in 64 bits: when the nearest multiple
// does not fit in an int, the next multiple towards zero is returned, which
// always fits (INT_MAX with step 10 -> 2147483640).
ZELCORE_EXPORT int roundIntegerValueToNearest(int value, int step);

// The size of a thumbnail of an image of size image shown in box: scaled
// down to fit with the aspect ratio kept, never scaled up (an image smaller
// than the box keeps its size). Each side is at least one pixel, so very
// long images still get a visible sliver. An empty image or box gives
// QSize(0, 0).
ZELCORE_EXPORT QSize thumbnailSize(QSize image, QSize box);

} // namespace MathUtils
