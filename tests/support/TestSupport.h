#pragma once

#include <QString>
#include <QTemporaryDir>
#include <cmath>
#include <vector>

class QWidget;

namespace testing {

// The largest float below 1: the greatest value the generator may yield.
inline const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

// Makes the process-wide generator yield the given values, over and over, while it lives.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<float> values);
    ~ScriptedRandom();
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;
};

// Points XDG_CONFIG_HOME at a fresh empty folder while it lives.
class ConfigHome {
public:
    ConfigHome();
    ~ConfigHome();
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

    QString path() const { return dir_.path(); }
    // The file that holds the card back.
    QString settingsFile() const;
    void writeSettingsFile(const QByteArray& content) const;
    QByteArray readSettingsFile() const;

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
};

// Records message boxes instead of showing them, while it lives.
class MessageBoxRecorder {
public:
    struct Call {
        QWidget* owner;
        QString text;
        QString title;
        int style;
    };
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<Call> calls;
};

// Records opened addresses instead of starting a browser, while it lives.
class ShellRecorder {
public:
    ShellRecorder();
    ~ShellRecorder();
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    QStringList addresses;
};

} // namespace testing
