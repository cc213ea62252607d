#include "PixelTruth.h"

#include "cards/CardGeometry.h"

namespace testing {
namespace {

QString cellMismatch(const QImage& image, int x, int y, const QImage& sheet, QPoint source,
                     const QString& what) {
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
