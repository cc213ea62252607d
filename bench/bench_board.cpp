// The cost of the board's own work, in process: a fresh deal painted, a waste squeeze, and one
// tick of each closing timer. Run with QT_QPA_PLATFORM=offscreen (or on a desktop).

#include "board/ocxZorvane.h"
#include "platform/SystemCalls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

// Mean microseconds of one call of work, after set-up (not timed) before each call.
double microsecondsPer(int calls, const std::function<void()>& setUp,
                       const std::function<void()>& work) {
    qint64 nanoseconds = 0;
    QElapsedTimer timer;
    for (int i = 0; i < calls; ++i) {
        setUp();
        timer.start();
        work();
        nanoseconds += timer.nsecsElapsed();
    }
    return static_cast<double>(nanoseconds) / 1000.0 / calls;
}

// A full waste row one card short of the squeeze at card 47.
void riggedWasteBeforeSqueeze(BoardState& s) {
    s.avWaste = s.avDeck;
    s.sgWasteTop = 47;
    s.sgWasteStep = 6;
}

// A cleared deal with every stock card left: the longest left-card animation.
void riggedClearedDeal(ocxZorvane& board) {
    board.DealCards();
    BoardState& s = board.state;
    s.avWaste = s.avDeck;
    s.sgColumnTop.fill(-1);
    s.sgWasteTop = 25;
    s.sgLeftTop = 25;
    s.sgStockTop = -1;
    board.leftCard = {};
    board.pairReading = {};
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir configHome; // keeps the player's own settings out of it
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication application(argc, argv);
    platform::setMessageBoxImpl([](QWidget*, const QString&, const QString&, int) {});
    ocxZorvane board;
    const auto nothing = [] {};

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("DealCards + DrawBoard:          %8.2f us\n", microsecondsPer(20000, nothing, [&] {
                    board.DealCards();
                    board.DrawBoard();
                }));
    std::printf(
        "DrawWaste with a squeeze:       %8.2f us\n",
        microsecondsPer(
            20000, [&] { riggedWasteBeforeSqueeze(board.state); }, [&] { board.DrawWaste(); }));

    // Every tick of a whole closing, averaged per timer.
    int leftTicks = 0, pairTicks = 0;
    qint64 leftNs = 0, pairNs = 0;
    QElapsedTimer timer;
    for (int closing = 0; closing < 200; ++closing) {
        riggedClearedDeal(board);
        board.tmrShowLeftCard.start();
        while (board.tmrShowLeftCard.isActive() || board.tmrShowPairCard.isActive()) {
            const bool left = board.tmrShowLeftCard.isActive();
            timer.start();
            left ? board.tmrShowLeftCard_Timer() : board.tmrShowPairCard_Timer();
            (left ? leftNs : pairNs) += timer.nsecsElapsed();
            ++(left ? leftTicks : pairTicks);
        }
    }
    std::printf("tmrShowLeftCard tick:           %8.2f us (%d ticks)\n",
                static_cast<double>(leftNs) / 1000.0 / leftTicks, leftTicks);
    std::printf("tmrShowPairCard tick:           %8.2f us (%d ticks)\n",
                static_cast<double>(pairNs) / 1000.0 / pairTicks, pairTicks);
    return 0;
}
