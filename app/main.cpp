#include "CommandLine.h"
#include "board/ocxZorvane.h"
#include "platform/PaintProbe.h"
#include "platform/Translations.h"
#include "windows/Accessibility.h"
#include "windows/frmZorvane.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvane"));
    QApplication::setApplicationVersion(QStringLiteral(ZORVANE_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(ZORVANE_APP_ID));
    platform::installTranslations();
    if (const std::optional<int> exitCode = answerCommandLine(QApplication::arguments()))
        return *exitCode;
    InstallAccessibleRoles();
    frmZorvane window;
    window.show();
    platform::installPaintProbeFromEnvironment(&window, window.board()->picZorvane);
    return QApplication::exec();
}
