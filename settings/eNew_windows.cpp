#include "eNew.h"

#include <windows.h>

#include <QList>
#include <vector>

namespace eNew {
namespace {

// A key path under a root key, in the registry view that a 64-bit or a 32-bit program sees.
struct RegistryKey {
    HKEY root;
    QString path;
    REGSAM view;
};

const QString kVirtualStore = QStringLiteral("Software\\Classes\\VirtualStore\\MACHINE\\");

// "Software\A\B" as 64-bit Windows keeps it for 32-bit programs: "Software\WOW6432Node\A\B".
QString wow64Path(const QString& sKey) {
    const qsizetype slash = sKey.indexOf(QLatin1Char('\\'));
    return slash < 0 ? sKey
                     : sKey.left(slash + 1) + QStringLiteral("WOW6432Node\\") + sKey.mid(slash + 1);
}

RegistryKey playersKey(const QString& sKey) {
    return {HKEY_CURRENT_USER, sKey, KEY_WOW64_64KEY};
}

// The player's own key first. Then where an older, 32-bit copy of the game left the value: run
// without administrator rights, Windows diverted its machine-wide writes into the player's
// virtual store and showed that copy first; run as administrator, it wrote machine-wide, which
// 64-bit Windows keeps in the 32-bit view.
QList<RegistryKey> keysToRead(const QString& sKey) {
    return {playersKey(sKey),
            {HKEY_CURRENT_USER, kVirtualStore + wow64Path(sKey), KEY_WOW64_64KEY},
            {HKEY_CURRENT_USER, kVirtualStore + sKey, KEY_WOW64_64KEY},
            {HKEY_LOCAL_MACHINE, sKey, KEY_WOW64_32KEY},
            {HKEY_LOCAL_MACHINE, sKey, KEY_WOW64_64KEY}};
}

const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// The value's type and bytes, or no type when the key or the value is missing.
struct StoredValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool found = false;
};

StoredValue readValue(const RegistryKey& key, const QString& sName) {
    StoredValue value;
    HKEY handle = nullptr;
    if (RegOpenKeyExW(key.root, wide(key.path), 0, KEY_QUERY_VALUE | key.view, &handle) !=
        ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExW(handle, wide(sName), nullptr, &value.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        value.data.resize(size);
        value.found = RegQueryValueExW(handle, wide(sName), nullptr, &value.type,
                                       value.data.data(), &size) == ERROR_SUCCESS;
        value.data.resize(size);
    }
    RegCloseKey(handle);
    return value;
}

// The text up to its first NUL: the stored size may or may not count the terminating one.
QString textOf(const StoredValue& value) {
    if (value.type != REG_SZ)
        return {};
    const auto* characters = reinterpret_cast<const char16_t*>(value.data.data());
    const qsizetype length = static_cast<qsizetype>(value.data.size() / sizeof(char16_t));
    return QString::fromUtf16(characters, length).section(QChar(u'\0'), 0, 0);
}

} // namespace

QString SettingsLocation(const QString& sKey) {
    return QStringLiteral("HKEY_CURRENT_USER\\") + sKey;
}

// The first place that holds the value decides, even when it holds no text: the player's own
// value, if any, always wins over what an older copy left.
QString GetRegValue(const QString& sKey, const QString& sName) {
    for (const RegistryKey& key : keysToRead(sKey)) {
        const StoredValue value = readValue(key, sName);
        if (value.found)
            return textOf(value);
    }
    return {};
}

void SetRegValue(const QString& sKey, const QString& sName, const QString& sValue) {
    const RegistryKey key = playersKey(sKey);
    HKEY handle = nullptr;
    if (RegCreateKeyExW(key.root, wide(key.path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE | key.view, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return;
    // The size counts the terminating NUL, as Windows expects of a text value.
    const auto size = static_cast<DWORD>((sValue.size() + 1) * sizeof(char16_t));
    RegSetValueExW(handle, wide(sName), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide(sValue)),
                   size);
    RegCloseKey(handle);
}

} // namespace eNew
