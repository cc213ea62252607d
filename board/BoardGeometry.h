#pragma once

#include "cards/CardGeometry.h"

#include <QRect>

// Where everything lies on the board control and its board picture, in pixels.
namespace board {

constexpr int kColumnCount = 5;
constexpr int kRowsPerColumn = 5;
constexpr int kStockSize = 26;
constexpr int kRowStep = 5;    // a covered tableau card shows a 5-pixel strip
constexpr int kStockStep = 10; // the stock fan and the top row use a fixed 10-pixel step
constexpr int kStockY = 150;
constexpr int kWasteY = 280;
constexpr int kWasteStepStart = 10;
constexpr int kWasteLimit = 280; // the top waste card's left edge stays at or left of this
constexpr int kTopRowY = 0;
constexpr int kFloatingCardOffset = 12; // closing animations place picCard at halfway + 12
constexpr int kTimerIntervalMs = 300;

constexpr int kBoardWidth = 355; // client area of picZorvane: 5 columns of 71 pixels
constexpr int kBoardHeight = 376;

// The board control, larger than the main window's client area (374 x 460): the window cuts it
// off on the right and at the bottom, where it shows nothing.
constexpr QRect kControlRect(0, 0, 393, 473);
// Children of the board control, outer rectangles in the control's pixels.
constexpr QRect kCmdNewRect(8, 8, 85, 22);
constexpr QRect kCmdChangeRect(99, 8, 85, 22);
constexpr QRect kCmdHelpRect(190, 8, 85, 22);
constexpr QRect kCmdAboutRect(280, 8, 85, 22);
constexpr QRect kLblWebPageRect(16, 32, 192, 24);
constexpr QRect kLabel1Rect(176, 56, 176, 13);
constexpr QRect kPicZorvaneRect(8, 72, 359, 380);
constexpr QRect kLblRemarkRect(8, 136, 4, 13); // in picZorvane's client pixels
constexpr QRect kPicCardRect(200, 64, cards::kCardWidth, cards::kCardHeight);

} // namespace board
