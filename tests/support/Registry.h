#pragma once

#include <QByteArray>
#include <QString>

// Planting values in the real Windows registry, in every place the game reads its setting.
namespace testing {

enum class Place {
    Player,         // HKEY_CURRENT_USER\<key>
    VirtualStore32, // HKEY_CURRENT_USER\Software\Classes\VirtualStore\MACHINE\SOFTWARE\WOW6432Node
    VirtualStore64, // HKEY_CURRENT_USER\Software\Classes\VirtualStore\MACHINE\SOFTWARE
    Machine32,      // HKEY_LOCAL_MACHINE\SOFTWARE\WOW6432Node (what a 32-bit program writes)
    Machine64,      // HKEY_LOCAL_MACHINE\SOFTWARE
};

// A value as stored: its registry type (REG_SZ, REG_DWORD, ...) and its bytes.
struct Stored {
    unsigned long type = 0;
    QByteArray data;
    bool operator==(const Stored&) const = default;
};

// The bytes of a REG_SZ value as Windows stores it: UTF-16 with the terminating NUL.
QByteArray textBytes(const QString& text);

// sKey is "Software\<name>\..."; the place decides the root and the view.
void plantValue(Place place, const QString& sKey, const QString& sName, const Stored& value);
// An empty type when the value is missing.
Stored storedValue(Place place, const QString& sKey, const QString& sName);
// Removes "Software\<name>" with everything under it from every place.
void removeFromEveryPlace(const QString& softwareKey);

} // namespace testing
