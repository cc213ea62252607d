#pragma once

#include <QIcon>

// The game's emblem: the icon of every window.
QIcon EmblemIcon();
