// The cost of carrying a dragged card: one MouseMove of the board picture with the left button
// held, which redraws the floating card, moves it and asks for a repaint. Run it with
// QT_QPA_PLATFORM=offscreen (or on a desktop) and compare the numbers between changes.

#include "board/ocxZorvane.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kMoves = 20000;
constexpr int kPaintedMoves = 2000;

void send(platform::PictureBox& box, QEvent::Type type, QPointF client, Qt::MouseButton button,
          Qt::MouseButtons held) {
    const QPointF local = client + QPointF(box.borderWidth(), box.borderWidth());
    QMouseEvent event(type, local, box.mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &event);
}

// A path that wanders over the lower half of the board.
QPointF pathPoint(int i) {
    return {100.0 + i % 200, 150.0 + (i / 200) % 150};
}

void liftColumnTopCard(platform::PictureBox& box) {
    const QPointF onTopCard(172, 50);
    send(box, QEvent::MouseMove, onTopCard, Qt::NoButton, Qt::NoButton);
    send(box, QEvent::MouseButtonPress, onTopCard, Qt::LeftButton, Qt::LeftButton);
    send(box, QEvent::MouseMove, pathPoint(0), Qt::NoButton, Qt::LeftButton);
}

// Mean microseconds per move; with painting, the queued repaints are carried out after
// every move, as the event loop would between two pointer events.
double microsecondsPerMove(platform::PictureBox& box, int moves, bool paint) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < moves; ++i) {
        send(box, QEvent::MouseMove, pathPoint(i), Qt::NoButton, Qt::LeftButton);
        if (paint)
            QCoreApplication::processEvents();
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / moves;
}

} // namespace

int main(int argc, char* argv[]) {
    // The board reads the saved card back; keep the player's own settings out of it.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication application(argc, argv);
    ocxZorvane board;
    board.show();
    QCoreApplication::processEvents();
    platform::PictureBox& box = *board.picZorvane;
    liftColumnTopCard(box);
    if (board.state.bDragging != -1) {
        std::fprintf(stderr, "bench_drag: the card did not lift\n");
        return 1;
    }

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("MouseMove during a drag, with the repaint request: %.2f us (%d moves)\n",
                microsecondsPerMove(box, kMoves, false), kMoves);
    std::printf("MouseMove during a drag, repaint carried out:      %.2f us (%d moves)\n",
                microsecondsPerMove(box, kPaintedMoves, true), kPaintedMoves);
    return 0;
}
