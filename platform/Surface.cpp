#include "Surface.h"

namespace platform {

ImageSurface::ImageSurface(QSize size, QColor background) : image_(size, QImage::Format_RGB32) {
    image_.fill(background);
}

// Blits are plain row copies only between images of one format, so convert once here.
ImageSurface::ImageSurface(const QImage& picture)
    : image_(picture.convertToFormat(QImage::Format_RGB32)) {}

} // namespace platform
