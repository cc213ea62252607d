#include "Sheets.h"

#include "CardGeometry.h"

#include <QResource>

namespace cards {
namespace {

// A null image when the resource is missing or not of the expected size, so that a broken
// build draws nothing rather than reading past the data.
QImage pixelsOf(const char* path, int columns, int rows) {
    const QResource resource(QString::fromLatin1(path));
    const int width = columns * kCardWidth;
    const int height = rows * kCardHeight;
    const qint64 bytes = static_cast<qint64>(width) * height * 4;
    if (resource.compressionAlgorithm() != QResource::NoCompression || resource.size() != bytes)
        return {};
    return QImage(resource.data(), width, height, width * 4, QImage::Format_RGB32);
}

} // namespace

QImage FaceSheet() {
    return pixelsOf(":/sheets/faces.rgb32", kRankCount, kSuitCount);
}

QImage BackSheet() {
    return pixelsOf(":/sheets/backs.rgb32", kBackCount, 1);
}

} // namespace cards
