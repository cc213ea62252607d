#pragma once

#include <QImage>
#include <QString>

// Compares a card cell drawn on a surface with the cell it was copied from.
namespace testing {

// An empty text when the 71 x 96 cell at (x, y) of the image (clipped to it) equals the face
// of card, or the back, of the given sheet; otherwise what differs, for the failure message.
QString faceMismatch(const QImage& image, int x, int y, int card, const QImage& faces);
QString backMismatch(const QImage& image, int x, int y, int backIndex, const QImage& backs);
// An empty text when every pixel of the rectangle is the colour.
QString fillMismatch(const QImage& image, QRect rect, QColor color);

} // namespace testing

#define VERIFY_FACE(image, x, y, card, faces)                                                      \
    QVERIFY2(testing::faceMismatch(image, x, y, card, faces).isEmpty(),                            \
             qPrintable(testing::faceMismatch(image, x, y, card, faces)))
#define VERIFY_BACK(image, x, y, back, backs)                                                      \
    QVERIFY2(testing::backMismatch(image, x, y, back, backs).isEmpty(),                            \
             qPrintable(testing::backMismatch(image, x, y, back, backs)))
#define VERIFY_FILL(image, rect, color)                                                            \
    QVERIFY2(testing::fillMismatch(image, rect, color).isEmpty(),                                  \
             qPrintable(testing::fillMismatch(image, rect, color)))
