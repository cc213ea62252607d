#include "windows/frmZorvane.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvane"));
    frmZorvane window;
    window.show();
    return QApplication::exec();
}
