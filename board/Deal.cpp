#include "ocxZorvane.h"

// Shuffles a fresh deck three times and deals it: five columns of five, 26 stock cards and
// one waste card. Draws nothing; every caller paints with DrawBoard right after.
void ocxZorvane::DealCards() {
    BoardState& s = state;
    for (int i = 0; i < cards::kDeckSize; ++i)
        s.avDeck[static_cast<std::size_t>(i)] = static_cast<float>(i);
    for (int pass = 0; pass < 3; ++pass)
        objCard->CutCard(s.avDeck);

    std::size_t next = 0;
    for (auto& column : s.sgTableau)
        for (float& cell : column)
            cell = s.avDeck[next++];
    s.sgColumnTop.fill(board::kRowsPerColumn - 1);
    for (float& cell : s.avStock)
        cell = s.avDeck[next++];
    s.sgStockTop = board::kStockSize - 1;
    s.avWaste[0] = s.avDeck[next];
    s.sgWasteTop = 0;

    s.iHitKind = -1;
    s.iHitColumn = -1;
    s.bDragging = 0; // the dragged card belonged to the old deal
    s.sgWasteStep = board::kWasteStepStart;
    tmrShowLeftCard.stop();
    tmrShowPairCard.stop();
}
