// The floor for start-up: a minimal Qt Widgets window of the game's size, four push buttons
// and a black image the size of the board, measured the same way as the game.
#include "platform/PaintProbe.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.setFixedSize(380, 492);
    int left = 8;
    for (const char* caption : {"&One", "&Two", "T&hree", "&Four"}) {
        auto* button = new QPushButton(QString::fromLatin1(caption), &window);
        button->setGeometry(left, 8, 85, 22);
        left += 91;
    }
    QImage black(355, 376, QImage::Format_RGB32);
    black.fill(Qt::black);
    auto* picture = new QLabel(&window);
    picture->setGeometry(10, 74, 355, 376);
    picture->setPixmap(QPixmap::fromImage(black));
    window.show();
    platform::installPaintProbeFromEnvironment(&window, picture);
    return QApplication::exec();
}
