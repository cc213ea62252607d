#pragma once

#include "BoardState.h"

#include <cstddef>
#include <cstdint>

class clsCard;

// The rules of the game over a BoardState, free of widgets: dealing, which card may move,
// the moves themselves and the end of a deal. The board control paints what they change.
namespace board {

// Shuffles a fresh deck three times with the card operations and lays it out: five columns of
// five, 26 stock cards and one waste card, nothing armed or dragged. The first deal of the
// process seeds the random generator.
void DealCards(BoardState& s, const clsCard& card);
// Lays out s.avDeck as it stands, unshuffled.
void LayOutDeck(BoardState& s);

// Ace and King count as neighbours; suits play no part.
bool ColumnTopFitsWaste(const BoardState& s, std::size_t column);
bool TableauCleared(const BoardState& s);
// A deal is never judged blocked while stock cards remain, whatever the ranks.
bool DealIsBlocked(const BoardState& s);

// Narrows the waste step by one when waste card w would pass the row's limit; true when it did.
// The row grows by one card between calls, so one step down always suffices.
bool SqueezeWasteFor(BoardState& s, float w);
// The move a double-click or key makes on a hit of this kind and column: a column's top card
// onto a neighbour on the waste, or the top stock card turned. False when nothing may move.
bool PlayCard(BoardState& s, std::int16_t kind, std::int16_t column);
// A dragged column top laid on the waste; the card below turns face up.
void MoveColumnTopToWaste(BoardState& s, std::size_t column);
// The column a move took its card from, or -1 when it came from the stock.
int SourceColumn(const BoardState& before, const BoardState& after);

// The left-over stock cards go onto the end of the waste data, bottom card first, before any
// of them is shown; the waste top stays where it is until they are laid one by one.
void AppendLeftOverStock(BoardState& s);

// The reading pairs waste position i with 51 - i when their ranks are equal.
constexpr int kReadingPositions = cards::kDeckSize / 2;
bool IsPair(const BoardState& s, int position);

} // namespace board
