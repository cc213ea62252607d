#pragma once

#include <QColor>
#include <QImage>

namespace platform {

// Anything that owns a persistent image that BitBlt can draw into or copy from.
class Surface {
public:
    virtual ~Surface() = default;
    virtual QImage& hDC() = 0;
};

// A surface that is never shown: the clean background and the card sheets.
class ImageSurface : public Surface {
public:
    ImageSurface(QSize size, QColor background);
    explicit ImageSurface(const QImage& picture);

    QImage& hDC() override { return image_; }

private:
    QImage image_;
};

} // namespace platform
