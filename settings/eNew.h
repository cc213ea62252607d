#pragma once

#include <QString>

// The one stored setting: a text value under a key path. On Windows the key lives under
// HKEY_CURRENT_USER, where a player without administrator rights can write; an older copy of the
// game kept it machine-wide, and is read from there as long as the player has no value of their
// own. Elsewhere "Software\A\B" is the file A/B.conf in the user's configuration directory
// (XDG_CONFIG_HOME honoured). Neither call reports a failure.
namespace eNew {

// The stored text, or an empty text when the key, the file or the value cannot be read, or the
// value is not text.
QString GetRegValue(const QString& sKey, const QString& sName);

// Stores the text, creating the key if needed. The file is replaced atomically, so a failed
// write leaves the old content.
void SetRegValue(const QString& sKey, const QString& sName, const QString& sValue);

// Where a key path is kept on this system (the registry path on Windows).
QString SettingsLocation(const QString& sKey);

} // namespace eNew
