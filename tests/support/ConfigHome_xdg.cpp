#include "TestSupport.h"

#include <QDir>
#include <QFile>

namespace testing {

ConfigHome::ConfigHome()
    : previous_(qgetenv("XDG_CONFIG_HOME")),
      hadPrevious_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
}

ConfigHome::~ConfigHome() {
    if (hadPrevious_)
        qputenv("XDG_CONFIG_HOME", previous_);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

QString ConfigHome::settingsFile() const {
    return dir_.path() + "/Zorvane/PokerSetting.conf";
}

void ConfigHome::writeSettingsFile(const QByteArray& content) const {
    QDir().mkpath(dir_.path() + "/Zorvane");
    QFile file(settingsFile());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QByteArray ConfigHome::readSettingsFile() const {
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace testing
