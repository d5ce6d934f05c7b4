#pragma once

#include <ZelDip/ZelImage.h>
#include <ZelDip/zeldip_export.h>

class QImage;

namespace ZelDIP {

// Brings a loaded image into the library's pixel format: 32 bits per pixel,
// Format_ARGB32_Premultiplied when the image has an alpha channel (indexed
// images whose colour table has one included), Format_RGB32 otherwise.
// Indexed, grayscale and packed formats are converted; a null image gives a
// null ZelImage.
ZELDIP_EXPORT ZelImage fromQImage(const QImage &image);

} // namespace ZelDIP
