#include "Rules.h"
#include "ocxZorvane.h"

#include <QPushButton>

// After every move: play goes on, the deal is blocked and dealt again, or the tableau is
// cleared and the closing of the deal begins.

namespace {

// The two game buttons stay disabled until the reading ends, so no new deal can cut into it.
void beginClosingOfClearedDeal(ocxZorvane& b) {
    b.cmdNew->setEnabled(false);
    b.cmdChange->setEnabled(false);
    if (b.state.sgStockTop == board::kEmptyPile) {
        b.tmrShowPairCard.start();
        return;
    }
    board::AppendLeftOverStock(b.state);
    b.tmrShowLeftCard.start();
}

} // namespace

void ocxZorvane::CheckDealEnd() {
    if (board::TableauCleared(state))
        beginClosingOfClearedDeal(*this);
    else if (board::DealIsBlocked(state))
        AnnounceUnknownDesignAndDealAgain();
}

// A screen reader may speak the changed description as well as the move's sentence; the
// sentence comes last, so that it is what the player hears, and a blocked deal's message after
// it. A cleared deal's closing has begun by then, so the description says it is being read.
void ocxZorvane::FinishMove(const BoardState& before) {
    const bool blocked = board::DealIsBlocked(state);
    if (board::TableauCleared(state))
        beginClosingOfClearedDeal(*this);
    DescribeBoard();
    AnnounceMove(before);
    if (blocked)
        AnnounceUnknownDesignAndDealAgain();
}
