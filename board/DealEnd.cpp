#include "ocxZorvane.h"

#include <QPushButton>
#include <algorithm>

// After every move: play goes on, the deal is blocked and dealt again, or the tableau is
// cleared and the closing of the deal begins.

using board::cellIndex;
using board::kEmptyPile;

namespace {

// Face-down cards play no part: only each column's top card could still move.
bool someColumnTopFitsWaste(const ocxZorvane& b) {
    for (std::size_t c = 0; c < b.state.sgColumnTop.size(); ++c)
        if (b.state.sgColumnTop[c] != kEmptyPile && b.ColumnTopFitsWaste(c))
            return true;
    return false;
}

// The left-over stock cards go onto the end of the waste data, bottom card first, before
// any of them is shown; the waste top stays where it is until they are laid one by one.
void appendLeftOverStock(BoardState& s) {
    const std::size_t first = cellIndex(s.sgWasteTop) + 1;
    const std::size_t last = cellIndex(s.sgStockTop);
    for (std::size_t a = 0; a <= last; ++a)
        s.avWaste[first + a] = s.avStock[a];
    s.sgLeftTop = s.sgStockTop;
    s.sgStockTop = kEmptyPile;
}

// The two game buttons stay disabled until the reading ends, so no new deal can cut into it.
void beginClosingOfClearedDeal(ocxZorvane& b) {
    b.cmdNew->setEnabled(false);
    b.cmdChange->setEnabled(false);
    if (b.state.sgStockTop == kEmptyPile) {
        b.tmrShowPairCard.start();
        return;
    }
    appendLeftOverStock(b.state);
    b.tmrShowLeftCard.start();
}

} // namespace

bool ocxZorvane::TableauCleared() const {
    return std::all_of(state.sgColumnTop.begin(), state.sgColumnTop.end(),
                       [](float columnTop) { return columnTop == kEmptyPile; });
}

bool ocxZorvane::ColumnTopFitsWaste(std::size_t column) const {
    return objCard->AreNeighbours(board::columnTopCard(state, column), board::wasteTopCard(state));
}

// A deal is never judged blocked while stock cards remain, whatever the ranks.
bool ocxZorvane::DealIsBlocked() const {
    return !TableauCleared() && state.sgStockTop == kEmptyPile && !someColumnTopFitsWaste(*this);
}

void ocxZorvane::CheckDealEnd() {
    if (TableauCleared())
        beginClosingOfClearedDeal(*this);
    else if (DealIsBlocked())
        AnnounceUnknownDesignAndDealAgain();
}

// A screen reader may speak the changed description as well as the move's sentence; the
// sentence comes last, so that it is what the player hears, and a blocked deal's message after
// it. A cleared deal's closing has begun by then, so the description says it is being read.
void ocxZorvane::FinishMove(const BoardState& before) {
    const bool blocked = DealIsBlocked();
    if (TableauCleared())
        beginClosingOfClearedDeal(*this);
    DescribeBoard();
    AnnounceMove(before);
    if (blocked)
        AnnounceUnknownDesignAndDealAgain();
}
