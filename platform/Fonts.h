#pragma once

#include <QFont>

namespace platform {

// The game's captions are designed in "MS Sans Serif"; this gives a font with the widths the
// caption boxes are designed for, at a design point size: Liberation Sans, Arial on Windows,
// or the copy built into the program. Sizes are in pixels (96 per inch as designed) so that
// captions keep their designed widths on any screen.
QFont MsSansSerif(double points, bool bold, bool underline = false);

} // namespace platform
