#pragma once

#include <QStringList>

namespace platform {

// The desktop's languages, most wanted first. None under the C or POSIX locale, which asks
// for the program's own texts whatever LANGUAGE says, as it does for gettext programs.
QStringList desktopLanguages();

// Installs the game's texts, and Qt's own, in the first of the languages that is English or has
// a translation built into the program. English needs none, so nothing is installed for it.
// Called again, it replaces what it installed. Returns the language installed ("de", "pt_BR",
// ...), or an empty text for English.
QString installTranslations(const QStringList& languages = desktopLanguages());

} // namespace platform
