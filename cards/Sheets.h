#pragma once

#include <QImage>

// The card sheets, built into the program as the 32-bit pixels the blits copy: 13 x 4 faces
// (column = rank, row = suit) and 8 backs side by side, each cell 71 x 96. The images share
// the program's read-only data; nothing is decoded or copied at start.
namespace cards {

QImage FaceSheet();
QImage BackSheet();

} // namespace cards
