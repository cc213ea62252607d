#include "eNew.h"

#include <QSettings>
#include <QStandardPaths>

namespace eNew {
namespace {

const QString kSoftwarePrefix = QStringLiteral("Software\\");

QSettings openKey(const QString& sKey) {
    return QSettings(SettingsLocation(sKey), QSettings::IniFormat);
}

} // namespace

QString SettingsLocation(const QString& sKey) {
    QString relative = sKey.startsWith(kSoftwarePrefix) ? sKey.mid(kSoftwarePrefix.size()) : sKey;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + relative + QStringLiteral(".conf");
}

QString GetRegValue(const QString& sKey, const QString& sName) {
    const QSettings key = openKey(sKey);
    if (key.status() != QSettings::NoError)
        return {};
    const QVariant value = key.value(sName);
    // A value that is not plain text (a list, a serialised variant) is as good as missing.
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void SetRegValue(const QString& sKey, const QString& sName, const QString& sValue) {
    QSettings key = openKey(sKey);
    key.setValue(sName, sValue);
    key.sync();
}

} // namespace eNew
