#pragma once

class QImage;

namespace platform {

// Copies a w x h block of pixels unchanged from (sx, sy) of src to (x, y) of dest, clipped to
// both images. Pixels that fall outside either image are simply not copied.
void BitBlt(QImage& dest, int x, int y, int w, int h, const QImage& src, int sx, int sy);

} // namespace platform
