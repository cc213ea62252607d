#pragma once

#include <QString>
#include <QStringList>

// Where "Open Online Help" leads: the player's manual that comes with the program, in the
// first of the player's languages it has a page for, found from the program's own folder, so
// that it opens with no network. Without a manual beside the program, the address the build
// configured for help, else the home page.
QString ManualAddress(const QString& programFolder, const QStringList& uiLanguages);

// The same for the running program and the player's languages.
QString ManualAddress();
