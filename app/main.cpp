#include "CommandLine.h"
#include "NoDisplay.h"
#include "board/ocxZorvane.h"
#include "forms/Accessibility.h"
#include "forms/frmZorvane.h"
#include "platform/PaintProbe.h"
#include "platform/Translations.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[]) {
    if (const std::optional<int> exitCode = answerCommandLineBeforeTheDisplay(argc, argv))
        return *exitCode;
    std::unique_ptr<QApplication> application;
    {
        const ExitWhenNoDisplay exitWhenNoDisplay;
        application = std::make_unique<QApplication>(argc, argv);
    }
    nameApplication();
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
