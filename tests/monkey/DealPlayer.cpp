#include "DealPlayer.h"

#include "Invariants.h"
#include "RandomEvents.h"
#include "board/Rules.h"
#include "board/ocxZorvane.h"
#include "support/Pointer.h"
#include "support/TestSupport.h"

#include <QPushButton>

namespace monkey {
namespace {

// A move takes one card, so a deal ends within 51 moves; refused drops add a few more.
constexpr int kMostMoves = 200;
// 4 ticks per left-over card and per read position, one to close each animation.
constexpr int kMostClosingTicks = 4 * (board::kStockSize + cards::kDeckSize / 2) + 2;

// Where the pointer takes hold of a card: the middle of its cell.
constexpr double kGripX = cards::kCardWidth / 2.0;
constexpr double kGripY = cards::kCardHeight / 2.0;

QPointF columnGrip(const BoardState& s, int column) {
    return {cards::kCardWidth * column + kGripX,
            board::kRowStep * static_cast<double>(s.sgColumnTop[static_cast<std::size_t>(column)]) +
                kGripY};
}

QPointF stockGrip(const BoardState& s) {
    return {board::kStockStep * static_cast<double>(s.sgStockTop) + kGripX, s.iStockY + kGripY};
}

} // namespace

DealPlayer::DealPlayer(ocxZorvane& board, testing::MessageBoxRecorder& messages,
                       InvariantChecker& checker, quint64 seed)
    : board_(board), messages_(messages), checker_(checker), random_(seed) {}

QString DealPlayer::playDeal() {
    messages_.calls.clear();
    for (int move = 0; move < kMostMoves; ++move) {
        const QString broken = makeMove();
        if (!broken.isEmpty())
            return broken;
        if (!messages_.calls.empty()) {
            ++tally_.blocked;
            return {};
        }
        if (closing())
            return closeDeal();
    }
    return QStringLiteral("the deal did not end after %1 moves").arg(kMostMoves);
}

QString DealPlayer::makeMove() {
    const BoardState& s = board_.state;
    const int column = bestColumn();
    if (column >= 0)
        return random_() % 2 == 0 ? dragToWaste(column) : doubleClickAt(columnGrip(s, column));
    if (s.sgStockTop != board::kEmptyPile)
        return doubleClickAt(stockGrip(s));
    return QStringLiteral("no card can move, yet the deal goes on");
}

// The closing runs to its end; a reading with omens is then dealt away.
QString DealPlayer::closeDeal() {
    ++tally_.cleared;
    for (int tick = 0; closing(); ++tick) {
        if (tick == kMostClosingTicks)
            return QStringLiteral("the closing did not end after %1 ticks").arg(tick);
        const QString broken = sendChecked({[this] { tickRunningTimer(board_); }});
        if (!broken.isEmpty())
            return broken;
    }
    if (!messages_.calls.empty()) {
        ++tally_.readingsWithoutPairs;
        return {};
    }
    ++tally_.readingsWithPairs;
    tally_.pairs += board_.lblRemark->Caption().count(QStringLiteral("\r\n"));
    return sendChecked({[this] { board_.cmdNew->click(); }});
}

// Drops the card over the top waste card, or now and then somewhere else, where it is refused.
QString DealPlayer::dragToWaste(int column) {
    platform::PictureBox& box = *board_.picZorvane;
    const QPointF from = columnGrip(board_.state, column);
    const QPointF to = dropOverWaste();
    const QPointF halfway = (from + to) / 2;
    return sendChecked({
        [&] { testing::moveTo(box, from); },
        [&] { testing::press(box, from, Qt::LeftButton); },
        [&] { testing::moveTo(box, halfway, Qt::LeftButton); },
        [&] { testing::moveTo(box, to, Qt::LeftButton); },
        [&] { testing::release(box, to, Qt::LeftButton); },
    });
}

QString DealPlayer::doubleClickAt(QPointF at) {
    platform::PictureBox& box = *board_.picZorvane;
    return sendChecked({
        [&] { testing::moveTo(box, at); },
        [&] { testing::press(box, at, Qt::LeftButton); },
        [&] { testing::release(box, at, Qt::LeftButton); },
        [&] { testing::doubleClickPress(box, at); },
        [&] { testing::release(box, at, Qt::LeftButton); },
    });
}

QString DealPlayer::sendChecked(std::initializer_list<std::function<void()>> events) {
    for (const auto& event : events) {
        event();
        ++tally_.events;
        const QString broken = checker_.check();
        if (!broken.isEmpty())
            return broken;
    }
    return {};
}

// The fitting column with the most cards still face down.
int DealPlayer::bestColumn() const {
    const BoardState& s = board_.state;
    int best = -1;
    for (std::size_t c = 0; c < s.sgColumnTop.size(); ++c)
        if (s.sgColumnTop[c] != board::kEmptyPile && board::ColumnTopFitsWaste(board_.state, c) &&
            (best < 0 || s.sgColumnTop[c] > s.sgColumnTop[static_cast<std::size_t>(best)]))
            best = static_cast<int>(c);
    return best;
}

// The card's corner lands strictly inside the top waste card, on both axes; one drop in ten
// misses the waste altogether.
QPointF DealPlayer::dropOverWaste() {
    const BoardState& s = board_.state;
    const double wasteLeft = std::nearbyint(s.sgWasteStep * s.sgWasteTop);
    if (random_() % 10 == 0)
        return {wasteLeft + kGripX, kGripY};
    const auto inside = [this](int size) {
        const auto distance = static_cast<double>(1 + random_() % static_cast<quint64>(size - 1));
        return random_() % 2 == 0 ? distance : -distance;
    };
    return {wasteLeft + inside(cards::kCardWidth) + kGripX,
            s.iWasteY + inside(cards::kCardHeight) + kGripY};
}

bool DealPlayer::closing() const {
    return board_.tmrShowLeftCard.isActive() || board_.tmrShowPairCard.isActive();
}

} // namespace monkey
