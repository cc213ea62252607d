#pragma once

#include <QIcon>
#include <QPixmap>

// The game's emblem: the icon of every window.
QIcon EmblemIcon();
// The same emblem as a 32 x 32 picture.
QPixmap EmblemPicture();
