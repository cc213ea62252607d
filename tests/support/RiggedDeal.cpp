#include "RiggedDeal.h"

#include "board/Rules.h"
#include "board/ocxZorvane.h"

#include <algorithm>
#include <numeric>

namespace testing {

cards::Deck orderedDeck() {
    cards::Deck deck{};
    std::iota(deck.begin(), deck.end(), 0.0f);
    return deck;
}

void putCard(cards::Deck& deck, std::size_t cell, float card) {
    std::iter_swap(deck.begin() + static_cast<std::ptrdiff_t>(cell),
                   std::find(deck.begin(), deck.end(), card));
}

void dealDeck(ocxZorvane& board, const cards::Deck& deck) {
    board.state.avDeck = deck;
    board::LayOutDeck(board.state);
    board.DrawBoard();
}

void shortenColumn(ocxZorvane& board, int column, int row) {
    BoardState& s = board.state;
    const auto c = static_cast<std::size_t>(column);
    const float left = 71.0f * column;
    s.sgColumnTop[c] = static_cast<float>(row);
    board.EraseRect(left, 0, 70, 115);
    for (int r = 0; r < row; ++r)
        board.objCard->ShowCard(*board.picZorvane, clsCard::kBack, s.sgBackIndex, left, 5 * r,
                                board.picBack);
    if (row >= 0)
        board.objCard->ShowCard(*board.picZorvane, clsCard::kFace,
                                s.sgTableau[c][static_cast<std::size_t>(row)], left, 5 * row,
                                board.picFront);
}

void shortenStock(ocxZorvane& board, int top) {
    board.state.sgStockTop = static_cast<float>(top);
    board.EraseRect(0, 150, 354, 95);
    for (int i = 0; i <= top; ++i)
        board.objCard->ShowCard(*board.picZorvane, clsCard::kBack, board.state.sgBackIndex, 10 * i,
                                150, board.picBack);
}

void rigColumnZero(BoardState& s, float stockTop, float waste, float top, float below) {
    s.sgColumnTop.fill(-1);
    s.sgColumnTop[0] = 1;
    s.sgTableau[0][0] = below;
    s.sgTableau[0][1] = top;
    s.sgStockTop = stockTop;
    s.sgWasteTop = 20;
    s.avWaste[20] = waste;
}

void layChain(cards::Deck& deck) {
    deck[stockCell(0)] = chainCard(0);
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r)
            deck[tableauCell(c, r)] = chainCard(5 * c + 5 - r);
}

} // namespace testing
