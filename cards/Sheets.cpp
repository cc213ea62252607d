#include "Sheets.h"

#include "CardGeometry.h"

#include <QResource>

namespace cards {
namespace {

// A null image when the resource is missing or not of the expected size, so that a broken
// build draws nothing rather than reading past the data. Pixels stored raw are drawn where they
// lie; a build that packs them smaller (Windows, whose download is the program) unpacks a copy.
QImage pixelsOf(const char* path, int columns, int rows) {
    const QResource resource(QString::fromLatin1(path));
    const int width = columns * kCardWidth;
    const int height = rows * kCardHeight;
    const QByteArray pixels = resource.uncompressedData();
    if (pixels.size() != static_cast<qsizetype>(width) * height * 4)
        return {};
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), width, height,
                       width * 4, QImage::Format_RGB32);
    return resource.compressionAlgorithm() == QResource::NoCompression ? image : image.copy();
}

} // namespace

QImage FaceSheet() {
    return pixelsOf(":/sheets/faces.rgb32", kRankCount, kSuitCount);
}

QImage BackSheet() {
    return pixelsOf(":/sheets/backs.rgb32", kBackCount, 1);
}

} // namespace cards
