#include "ocxZorvane.h"

// Left-over stock cards go to the waste in two passes the player can follow: first each is
// turned face up into the top row, then each is carried from the top row to the waste row.
// A card takes two ticks, one in the air and one to land.

namespace {

using board::cellIndex;

constexpr float kStep = board::kStockStep;

// Pass 1: the top card of the stock row goes face up to the next place of the top row.
void liftFromStock(ocxZorvane& b, float laid) {
    const BoardState& s = b.state;
    const float from = s.sgLeftTop - laid;
    b.EraseRect(from * kStep, s.iStockY, cards::kCardWidth - 1, cards::kCardHeight - 1);
    if (laid != s.sgLeftTop) // the card beneath becomes the stock row's top, face up
        b.DrawFace(s.avStock[cellIndex(from - 1)], (from - 1) * kStep, s.iStockY);
    b.ShowFloatingCard(s.avStock[cellIndex(from)], from * kStep, s.iStockY, laid * kStep,
                       board::kTopRowY);
}

void layInTopRow(ocxZorvane& b, float laid) {
    const BoardState& s = b.state;
    b.picCard->hide();
    b.DrawFace(s.avStock[cellIndex(s.sgLeftTop - laid)], laid * kStep, board::kTopRowY);
}

// Pass 2: the rightmost card of the top row goes to the end of the waste row. The top row
// holds avStock(sgLeftTop) .. avStock(0) from the left, so avStock(moved) is its rightmost.
void liftFromTopRow(ocxZorvane& b, float moved) {
    const BoardState& s = b.state;
    const float from = s.sgLeftTop - moved;
    b.EraseRect(from * kStep, board::kTopRowY, cards::kCardWidth - 1, cards::kCardHeight - 1);
    if (moved != s.sgLeftTop) // uncovers the card beneath
        b.DrawFace(s.avStock[cellIndex(moved + 1)], (from - 1) * kStep, board::kTopRowY);
    const float wasteIndex = s.sgWasteTop + 1 + moved;
    b.ShowFloatingCard(s.avStock[cellIndex(moved)], from * kStep, board::kTopRowY,
                       wasteIndex * s.sgWasteStep, s.iWasteY);
}

void layOnWaste(ocxZorvane& b, float moved) {
    b.picCard->hide();
    b.DrawWasteCard(b.state.sgWasteTop + 1 + moved);
}

// Lifts on even ticks, lays down on odd ones; true once the card has landed.
bool stepCard(ocxZorvane& b, std::int16_t& inAir, float done, void (*lift)(ocxZorvane&, float),
              void (*land)(ocxZorvane&, float)) {
    if (inAir == 0) {
        lift(b, done);
        inAir = 1;
        return false;
    }
    land(b, done);
    inAir = 0;
    return true;
}

} // namespace

void ocxZorvane::tmrShowLeftCard_Timer() {
    tmrShowLeftCard.stop();
    LeftCardCounters& n = leftCard;
    if (n.iLeftToTop <= state.sgLeftTop) {
        if (stepCard(*this, n.iLeftInAir, n.iLeftToTop, liftFromStock, layInTopRow))
            ++n.iLeftToTop;
    } else if (n.iLeftToWaste <= state.sgLeftTop) {
        if (stepCard(*this, n.iLeftInAir, n.iLeftToWaste, liftFromTopRow, layOnWaste))
            ++n.iLeftToWaste;
    } else {
        n.iLeftToTop = 0;
        n.iLeftToWaste = 0;
        tmrShowPairCard.start();
        return;
    }
    picZorvane->Refresh();
    tmrShowLeftCard.start();
}
