#include "Registry.h"

#include <windows.h>

namespace testing {
namespace {

struct Location {
    HKEY root;
    QString path;
    REGSAM view;
};

const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// Spelled out here rather than taken from the game, so that a wrong place in the game shows.
Location locate(Place place, const QString& sKey) {
    const QString virtualStore = QStringLiteral("Software\\Classes\\VirtualStore\\MACHINE\\");
    const QString underSoftware = sKey.section(QLatin1Char('\\'), 1);
    switch (place) {
    case Place::Player:
        return {HKEY_CURRENT_USER, sKey, KEY_WOW64_64KEY};
    case Place::VirtualStore32:
        return {HKEY_CURRENT_USER, virtualStore + "SOFTWARE\\WOW6432Node\\" + underSoftware,
                KEY_WOW64_64KEY};
    case Place::VirtualStore64:
        return {HKEY_CURRENT_USER, virtualStore + "SOFTWARE\\" + underSoftware, KEY_WOW64_64KEY};
    case Place::Machine32:
        return {HKEY_LOCAL_MACHINE, sKey, KEY_WOW64_32KEY};
    case Place::Machine64:
        break;
    }
    return {HKEY_LOCAL_MACHINE, sKey, KEY_WOW64_64KEY};
}

} // namespace

QByteArray textBytes(const QString& text) {
    return QByteArray(reinterpret_cast<const char*>(text.utf16()),
                      (text.size() + 1) * static_cast<qsizetype>(sizeof(char16_t)));
}

void plantValue(Place place, const QString& sKey, const QString& sName, const Stored& value) {
    const Location location = locate(place, sKey);
    HKEY handle = nullptr;
    if (RegCreateKeyExW(location.root, wide(location.path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE | location.view, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        qFatal("cannot create %s", qPrintable(location.path));
    RegSetValueExW(handle, wide(sName), 0, value.type,
                   reinterpret_cast<const BYTE*>(value.data.constData()),
                   static_cast<DWORD>(value.data.size()));
    RegCloseKey(handle);
}

Stored storedValue(Place place, const QString& sKey, const QString& sName) {
    const Location location = locate(place, sKey);
    Stored value;
    HKEY handle = nullptr;
    if (RegOpenKeyExW(location.root, wide(location.path), 0, KEY_QUERY_VALUE | location.view,
                      &handle) != ERROR_SUCCESS)
        return value;
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExW(handle, wide(sName), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        RegQueryValueExW(handle, wide(sName), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data.data()), &size);
        value.type = type;
    }
    RegCloseKey(handle);
    return value;
}

void removeFromEveryPlace(const QString& softwareKey) {
    for (Place place : {Place::Player, Place::VirtualStore32, Place::VirtualStore64,
                        Place::Machine32, Place::Machine64}) {
        const Location location = locate(place, softwareKey);
        // RegDeleteTree knows no views: open the key in the view, then empty and delete it.
        HKEY handle = nullptr;
        if (RegOpenKeyExW(location.root, wide(location.path), 0,
                          KEY_ALL_ACCESS | location.view, &handle) != ERROR_SUCCESS)
            continue;
        RegDeleteTreeW(handle, nullptr);
        RegCloseKey(handle);
        RegDeleteKeyExW(location.root, wide(location.path), location.view, 0);
    }
}

} // namespace testing
