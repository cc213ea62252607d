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

void ocxZorvane::CheckDealEnd() {
    if (TableauCleared()) {
        beginClosingOfClearedDeal(*this);
        return;
    }
    // A deal is never judged blocked while stock cards remain, whatever the ranks.
    if (state.sgStockTop != kEmptyPile || someColumnTopFitsWaste(*this))
        return;
    AnnounceUnknownDesignAndDealAgain();
}
