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

void layChain(cards::Deck& deck) {
    deck[stockCell(0)] = chainCard(0);
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r)
            deck[tableauCell(c, r)] = chainCard(5 * c + 5 - r);
}

} // namespace testing
