#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The game's colours, its caption font and its black backgrounds, each in one place.
namespace platform {

inline constexpr QColor kCyan(0, 255, 255);     // the home page's link
inline constexpr QColor kYellow(255, 255, 0);   // the slogan and the Help window's title
inline constexpr QColor kDarkRed(192, 0, 0);    // the omens of a reading
inline constexpr QColor kSilver(192, 192, 192); // the main window behind the board

// Every button and small caption: 8.25-point bold.
QFont CaptionFont();

// The board and the game's dialogs stand on black.
void FillBlack(QWidget& widget);

} // namespace platform
