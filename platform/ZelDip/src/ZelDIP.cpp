#include <ZelDip/ZelDIP.h>

namespace ZelDIP {

ZelImage fromQImage(const QImage &image)
{
    if (image.isNull())
        return ZelImage();
    const QImage::Format target = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    // convertToFormat() shares the data when nothing needs converting.
    return ZelImage(image.convertToFormat(target));
}

} // namespace ZelDIP
