#include "PixelTruth.h"

#include "cards/CardGeometry.h"

#include <cstring>

namespace testing {
namespace {

// Row by row in memory, for the many checks of long runs; false only says "look closer".
bool cellBytesEqual(const QImage& image, int x, int y, const QImage& sheet, QPoint source) {
    const QRect cell(x, y, cards::kCardWidth, cards::kCardHeight);
    const QRect sheetCell(source, cell.size());
    if (image.format() != sheet.format() || image.depth() != 32 || !image.rect().contains(cell) ||
        !sheet.rect().contains(sheetCell))
        return false;
    const auto rowBytes = static_cast<std::size_t>(cards::kCardWidth) * 4;
    for (int dy = 0; dy < cards::kCardHeight; ++dy)
        if (std::memcmp(image.constScanLine(y + dy) + x * 4,
                        sheet.constScanLine(source.y() + dy) + source.x() * 4, rowBytes) != 0)
            return false;
    return true;
}

QString cellMismatch(const QImage& image, int x, int y, const QImage& sheet, QPoint source,
                     const QString& what) {
    if (cellBytesEqual(image, x, y, sheet, source))
        return {};
    for (int dy = 0; dy < cards::kCardHeight; ++dy) {
        for (int dx = 0; dx < cards::kCardWidth; ++dx) {
            const QPoint at(x + dx, y + dy);
            if (!image.rect().contains(at))
                continue;
            if (image.pixel(at) != sheet.pixel(source + QPoint(dx, dy)))
                return QStringLiteral("%1 at (%2, %3): pixel (%4, %5) differs")
                    .arg(what)
                    .arg(x)
                    .arg(y)
                    .arg(at.x())
                    .arg(at.y());
        }
    }
    return {};
}

} // namespace

QString faceMismatch(const QImage& image, int x, int y, int card, const QImage& faces) {
    const QPoint source(card / 4 * cards::kCardWidth, card % 4 * cards::kCardHeight);
    return cellMismatch(image, x, y, faces, source, QStringLiteral("face of card %1").arg(card));
}

QString backMismatch(const QImage& image, int x, int y, int backIndex, const QImage& backs) {
    const QPoint source(backIndex * cards::kCardWidth, 0);
    return cellMismatch(image, x, y, backs, source, QStringLiteral("back %1").arg(backIndex));
}

QString fillMismatch(const QImage& image, QRect rect, QColor color) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != color.rgb())
                return QStringLiteral("pixel (%1, %2) is not %3").arg(x).arg(y).arg(color.name());
    return {};
}

} // namespace testing
