#include "TestSupport.h"

#include "platform/Random.h"
#include "platform/SystemCalls.h"

#include <QDir>
#include <QFile>
#include <memory>

namespace testing {

ScriptedRandom::ScriptedRandom(std::vector<float> values) {
    auto script = std::make_shared<std::vector<float>>(std::move(values));
    auto next = std::make_shared<std::size_t>(0);
    platform::setRandomSource([script, next] {
        const float value = (*script)[*next % script->size()];
        ++*next;
        return value;
    });
}

ScriptedRandom::~ScriptedRandom() {
    platform::setRandomSource({});
}

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

MessageBoxRecorder::MessageBoxRecorder() {
    platform::setMessageBoxImpl(
        [this](QWidget* owner, const QString& text, const QString& title, int style) {
            calls.push_back({owner, text, title, style});
        });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    platform::setMessageBoxImpl({});
}

ShellRecorder::ShellRecorder() {
    platform::setShellExecuteImpl([this](const QString& address) { addresses << address; });
}

ShellRecorder::~ShellRecorder() {
    platform::setShellExecuteImpl({});
}

} // namespace testing
