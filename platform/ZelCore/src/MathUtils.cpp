#include <ZelCore/MathUtils.h>

#include <cmath>
#include <limits>

namespace MathUtils {

int roundIntegerValueToNearest(int value, int step)
{
    if (step == 0)
        return value;
    // 64 bits hold |INT_MIN| and any sum of two ints.
    const qint64 v = value;
    const qint64 s = step < 0 ? -qint64(step) : qint64(step);
    const qint64 remainder = v % s; // same sign as v
    const qint64 towardZero = v - remainder;
    const qint64 absRemainder = remainder < 0 ? -remainder : remainder;
    if (2 * absRemainder < s)
        return int(towardZero);
    const qint64 awayFromZero = towardZero + (v < 0 ? -s : s);
    if (awayFromZero < std::numeric_limits<int>::min() || awayFromZero > std::numeric_limits<int>::max())
        return int(towardZero);
    return int(awayFromZero);
}

QSize thumbnailSize(QSize image, QSize box)
{
    if (image.isEmpty() || box.isEmpty())
        return QSize(0, 0);
    if (image.width() <= box.width() && image.height() <= box.height())
        return image;
    // The smaller of the two ratios fits both sides; computed in double so
    // that large images do not overflow int products.
    const double scale = std::min(double(box.width()) / image.width(), double(box.height()) / image.height());
    const int width = std::max(1, std::min(box.width(), int(std::lround(image.width() * scale))));
    const int height = std::max(1, std::min(box.height(), int(std::lround(image.height() * scale))));
    return QSize(width, height);
}

} // namespace MathUtils
