#include "Rules.h"
#include "ocxZorvane.h"

// Draws nothing; every caller paints with DrawBoard right after. The closing of the old deal,
// if one was under way, ends here.
void ocxZorvane::DealCards() {
    board::DealCards(state, *objCard);
    tmrShowLeftCard.stop();
    tmrShowPairCard.stop();
}
