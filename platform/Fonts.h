#pragma once

#include <QFont>

namespace platform {

// The game's captions are designed in "MS Sans Serif"; this gives that font at a design point
// size, mapped to a free font that is installed with the game's dependencies. Sizes are in
// pixels (96 per inch as designed) so that captions keep their designed widths on any screen.
QFont MsSansSerif(double points, bool bold, bool underline = false);

} // namespace platform
