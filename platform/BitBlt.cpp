#include "BitBlt.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace platform {
namespace {

struct Span {
    std::int64_t dest, src, length;
};

// Clips one axis of the copy to [0, destSize) and [0, srcSize).
Span clipAxis(std::int64_t dest, std::int64_t src, std::int64_t length, std::int64_t destSize,
              std::int64_t srcSize) {
    const std::int64_t skip = std::max<std::int64_t>({0, -dest, -src});
    dest += skip;
    src += skip;
    length = std::min({length - skip, destSize - dest, srcSize - src});
    return {dest, src, length};
}

} // namespace

void BitBlt(QImage& dest, int x, int y, int w, int h, const QImage& src, int sx, int sy) {
    const Span cols = clipAxis(x, sx, w, dest.width(), src.width());
    const Span rows = clipAxis(y, sy, h, dest.height(), src.height());
    if (cols.length <= 0 || rows.length <= 0)
        return;

    if (dest.format() == src.format() && dest.depth() == 32) {
        const auto rowBytes = static_cast<std::size_t>(cols.length) * 4;
        for (std::int64_t r = 0; r < rows.length; ++r) {
            const uchar* from = src.constScanLine(static_cast<int>(rows.src + r)) + cols.src * 4;
            uchar* to = dest.scanLine(static_cast<int>(rows.dest + r)) + cols.dest * 4;
            std::memmove(to, from, rowBytes);
        }
        return;
    }
    QPainter painter(&dest);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(static_cast<int>(cols.dest), static_cast<int>(rows.dest)), src,
                      QRect(static_cast<int>(cols.src), static_cast<int>(rows.src),
                            static_cast<int>(cols.length), static_cast<int>(rows.length)));
}

} // namespace platform
