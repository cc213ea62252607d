// How long the closing of a cleared deal takes with real timers, against its nominal length:
// 4n + 1 ticks to lay n left-over cards on the waste and 105 ticks to read it, 300 ms each.
// Usage: closing_duration [n ...] (left-over stock cards, 0..26; default 1 and 26).
// Run it on the display the game uses, or with QT_QPA_PLATFORM=offscreen.
#include "board/ocxZorvane.h"
#include "platform/SystemCalls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The state the end-of-deal check leaves when the tableau is cleared with n stock cards left:
// the waste holds the whole dealt deck, its last n cards being the left-over stock.
void leaveClearedDeal(ocxZorvane& board, int leftOver) {
    BoardState& s = board.state;
    s.avWaste = s.avDeck;
    s.sgColumnTop.fill(-1);
    s.sgWasteTop = static_cast<float>(51 - leftOver);
    for (int j = 0; j < leftOver; ++j)
        s.avStock[static_cast<std::size_t>(j)] =
            s.avWaste[static_cast<std::size_t>(52 - leftOver + j)];
    s.sgLeftTop = static_cast<float>(leftOver - 1);
    s.sgStockTop = -1;
    board.cmdNew->setEnabled(false);
    board.cmdChange->setEnabled(false);
}

// Milliseconds from the start of the closing until its last tick has run.
qint64 measureClosing(ocxZorvane& board, int leftOver) {
    leaveClearedDeal(board, leftOver);
    QEventLoop loop;
    const auto connection = QObject::connect(&board.tmrShowPairCard, &QTimer::timeout, &loop, [&] {
        if (board.cmdNew->isEnabled())
            loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    (leftOver > 0 ? board.tmrShowLeftCard : board.tmrShowPairCard).start();
    loop.exec();
    QObject::disconnect(connection);
    return clock.elapsed();
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir config; // the board reads its saved back; keep the user's settings out of it
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication application(argc, argv);
    std::vector<int> counts;
    for (int a = 1; a < argc; ++a)
        counts.push_back(std::clamp(QByteArray(argv[a]).toInt(), 0, 26));
    if (counts.empty())
        counts = {1, 26};

    platform::setMessageBoxImpl([](QWidget*, const QString&, const QString&, int) {});
    ocxZorvane board;
    board.show();
    std::printf("%4s %6s %12s %12s %10s\n", "n", "ticks", "nominal ms", "observed ms", "ms/tick");
    for (const int n : counts) {
        board.cmdNew_Click();
        const int ticks = (n > 0 ? 4 * n + 1 : 0) + 105;
        const qint64 nominal = static_cast<qint64>(ticks) * board.tmrShowPairCard.interval();
        const qint64 observed = measureClosing(board, n);
        std::printf("%4d %6d %12lld %12lld %+9.2f\n", n, ticks, static_cast<long long>(nominal),
                    static_cast<long long>(observed),
                    static_cast<double>(observed - nominal) / ticks);
    }
    return 0;
}
