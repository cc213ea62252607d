#pragma once

#include <QString>

// The one thing the game keeps: the chosen card back, under this key and value name.
namespace eNew {

inline const QString kSettingsKey = QStringLiteral("Software\\Zorvane\\PokerSetting");
inline const QString kBackValueName = QStringLiteral("Card_Back");

// The back index a saved text stands for: the number at its start, leading blanks ignored;
// anything that is not a whole number 0..backCount - 1 gives 0.
float BackIndexFromText(const QString& text, int backCount);

} // namespace eNew
