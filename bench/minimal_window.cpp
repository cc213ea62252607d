// The floor for start-up: a minimal Qt Widgets window of the game's size, four push buttons
// and a black image the size of the board, measured the same way as the game.
#include "platform/PaintProbe.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace {

// Captions in the script of the system's language: a program in Chinese, Japanese or Korean
// loads a CJK font to show any caption, and so does the floor.
QStringList captions() {
    switch (QLocale::system().script()) {
    case QLocale::SimplifiedHanScript:
    case QLocale::TraditionalHanScript:
    case QLocale::JapaneseScript:
    case QLocale::KoreanScript:
        return {QStringLiteral("一(&1)"), QStringLiteral("二(&2)"), QStringLiteral("三(&3)"),
                QStringLiteral("四(&4)")};
    default:
        return {QStringLiteral("&One"), QStringLiteral("&Two"), QStringLiteral("T&hree"),
                QStringLiteral("&Four")};
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.setFixedSize(380, 492);
    int left = 8;
    for (const QString& caption : captions()) {
        auto* button = new QPushButton(caption, &window);
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
