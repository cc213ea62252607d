#pragma once

#include "cards/CardGeometry.h"

#include <cstddef>

class ocxZorvane;
struct BoardState;

// Positions chosen card by card, laid out and painted as a fresh deal lays out a shuffled deck.
namespace testing {

// Rank index 0 (Ace) .. 12 (King), suit index 0..3.
constexpr float card(int rank, int suit = 0) {
    return static_cast<float>(rank * 4 + suit);
}

// Where a deck cell lands in a fresh deal.
constexpr std::size_t tableauCell(int column, int row) {
    return static_cast<std::size_t>(5 * column + row);
}
constexpr std::size_t stockCell(int index) {
    return static_cast<std::size_t>(25 + index);
}
constexpr std::size_t kWasteCell = 51;

// Chain card j has rank j mod 13, so each one fits on the waste after the one before.
constexpr float chainCard(int j) {
    return card(j % 13, j / 13);
}
// Lays chain card 0 as the last stock card to turn and chain cards 1..25 in the columns, column
// c holding 5c + 1 (top) .. 5c + 5 (bottom): the columns then clear one card at a time.
void layChain(cards::Deck& deck);

// The cards 0..51 in order.
cards::Deck orderedDeck();
// Moves the card to the cell by swapping it with the card there, so each card stays once.
void putCard(cards::Deck& deck, std::size_t cell, float card);
// Lays the deck out unshuffled through the deal's own layout, and paints the board.
void dealDeck(ocxZorvane& board, const cards::Deck& deck);

// Leaves the column with its top card at row, or empty at -1, painted as play would have left
// it.
void shortenColumn(ocxZorvane& board, int column, int row);
// Leaves the stock with its top card at index top, or empty at -1, painted as play would have
// left it.
void shortenStock(ocxZorvane& board, int top);

// A position in the state alone: column 0 the only one in play, topped by top over the covered
// card below, the stock at stockTop and the waste topped by waste at index 20.
void rigColumnZero(BoardState& s, float stockTop, float waste, float top, float below);

} // namespace testing
