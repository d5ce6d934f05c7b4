#pragma once

#include <QImage>

// Pictures the pages work on, generated so that the gallery needs no image
// files.
namespace GalleryPictures {

// A 1920 x 1080 night sky over hills, with a moon and stars; built once.
const QImage &nightSky();

} // namespace GalleryPictures
