#pragma once

#include <QString>
#include <QTemporaryDir>
#include <cmath>
#include <vector>

class QPushButton;
class QWidget;

namespace testing {

// The button's caption, without its access-key marker, fits where the style draws it.
bool captionFits(const QPushButton* button);

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

// A fresh, empty home for the game's setting while it lives. Elsewhere it points
// XDG_CONFIG_HOME at a new folder. On Windows it removes the game's key from every place the
// game reads it, when it starts and when it ends: run the suite in a throwaway account or Wine
// prefix.
class ConfigHome {
public:
    ConfigHome();
    ~ConfigHome();
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

    // The folder, the file that holds the card back, and its content, where it is a file.
    QString path() const { return dir_.path(); }
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
