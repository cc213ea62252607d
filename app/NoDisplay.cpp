#include "NoDisplay.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> heldMessages;

QString variable(const char* name) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QStringLiteral("%1 unset").arg(QLatin1String(name))
                           : QStringLiteral("%1=%2").arg(QLatin1String(name), value);
}

// One line: which of the two variables a desktop session sets were there to try.
[[noreturn]] void exitForWantOfDisplay() {
    const bool none =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const QString what = none ? QStringLiteral("no display (neither DISPLAY nor WAYLAND_DISPLAY "
                                               "is set)")
                              : QStringLiteral("cannot open the display (%1, %2)")
                                    .arg(variable("DISPLAY"), variable("WAYLAND_DISPLAY"));
    std::fputs(
        qPrintable(QStringLiteral("zorvane: %1: run the game in a desktop session.\n").arg(what)),
        stderr);
    // Straight out: the application is half made, and nothing is left to save.
    std::_Exit(EXIT_FAILURE);
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin")))
        exitForWantOfDisplay();
    if (type == QtFatalMsg)
        return previousHandler(type, context, text);
    heldMessages.append(
        {type, context.file, context.function, context.category, context.line, text});
}

} // namespace

ExitWhenNoDisplay::ExitWhenNoDisplay() {
    previousHandler = qInstallMessageHandler(holdMessage);
}

ExitWhenNoDisplay::~ExitWhenNoDisplay() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : std::as_const(heldMessages)) {
        const QMessageLogContext context(message.file.constData(), message.line,
                                         message.function.constData(),
                                         message.category.constData());
        previousHandler(message.type, context, message.text);
    }
    heldMessages.clear();
}
