#include "Rules.h"

#include "cards/clsCard.h"
#include "platform/Random.h"

#include <algorithm>
#include <mutex>

namespace board {
namespace {

constexpr int kLastWasteIndex = cards::kDeckSize - 1;

bool columnTopMoves(const BoardState& s, std::int16_t column) {
    if (column < 0 || column >= kColumnCount)
        return false;
    const auto c = static_cast<std::size_t>(column);
    return s.sgColumnTop[c] != kEmptyPile && ColumnTopFitsWaste(s, c);
}

// Face-down cards play no part: only each column's top card could still move.
bool someColumnTopFitsWaste(const BoardState& s) {
    for (std::size_t c = 0; c < s.sgColumnTop.size(); ++c)
        if (s.sgColumnTop[c] != kEmptyPile && ColumnTopFitsWaste(s, c))
            return true;
    return false;
}

void layOnWaste(BoardState& s, float card) {
    s.sgWasteTop += 1;
    s.avWaste[cellIndex(s.sgWasteTop)] = card;
    SqueezeWasteFor(s, s.sgWasteTop);
}

// Any stock card may be turned.
void turnStockTopToWaste(BoardState& s) {
    const float top = s.sgStockTop;
    layOnWaste(s, s.avStock[cellIndex(top)]);
    s.sgStockTop = top == 0 ? kEmptyPile : top - 1;
}

} // namespace

void DealCards(BoardState& s, const clsCard& card) {
    static std::once_flag seeded;
    std::call_once(seeded, platform::Randomize);
    for (int i = 0; i < cards::kDeckSize; ++i)
        s.avDeck[static_cast<std::size_t>(i)] = static_cast<float>(i);
    for (int pass = 0; pass < 3; ++pass)
        card.CutCard(s.avDeck);
    LayOutDeck(s);
}

void LayOutDeck(BoardState& s) {
    std::size_t next = 0;
    for (auto& column : s.sgTableau)
        for (float& cell : column)
            cell = s.avDeck[next++];
    s.sgColumnTop.fill(kRowsPerColumn - 1);
    for (float& cell : s.avStock)
        cell = s.avDeck[next++];
    s.sgStockTop = kStockSize - 1;
    s.avWaste[0] = s.avDeck[next];
    s.sgWasteTop = 0;

    s.iHitKind = kHitNothing;
    s.iHitColumn = -1;
    s.bDragging = 0; // the dragged card belonged to the old deal
    s.sgWasteStep = kWasteStepStart;
}

bool ColumnTopFitsWaste(const BoardState& s, std::size_t column) {
    return clsCard::AreNeighbours(columnTopCard(s, column), wasteTopCard(s));
}

bool TableauCleared(const BoardState& s) {
    return std::all_of(s.sgColumnTop.begin(), s.sgColumnTop.end(),
                       [](float columnTop) { return columnTop == kEmptyPile; });
}

bool DealIsBlocked(const BoardState& s) {
    return !TableauCleared(s) && s.sgStockTop == kEmptyPile && !someColumnTopFitsWaste(s);
}

bool SqueezeWasteFor(BoardState& s, float w) {
    if (platform::roundToInt16(w * s.sgWasteStep) <= kWasteLimit)
        return false;
    s.sgWasteStep -= 1;
    return true;
}

void MoveColumnTopToWaste(BoardState& s, std::size_t column) {
    layOnWaste(s, columnTopCard(s, column));
    float& columnTop = s.sgColumnTop[column];
    columnTop = columnTop == 0 ? kEmptyPile : columnTop - 1;
}

// A hit may be older than the position when a key moved a card since the hover, so the card
// is looked for again rather than trusted to be there.
bool PlayCard(BoardState& s, std::int16_t kind, std::int16_t column) {
    if (kind == kHitTableau && columnTopMoves(s, column)) {
        MoveColumnTopToWaste(s, static_cast<std::size_t>(column));
        return true;
    }
    if (kind == kHitStock && column != -1 && s.sgStockTop != kEmptyPile) {
        turnStockTopToWaste(s);
        return true;
    }
    return false;
}

int SourceColumn(const BoardState& before, const BoardState& after) {
    for (std::size_t c = 0; c < after.sgColumnTop.size(); ++c)
        if (before.sgColumnTop[c] != after.sgColumnTop[c])
            return static_cast<int>(c);
    return -1;
}

void AppendLeftOverStock(BoardState& s) {
    const std::size_t first = cellIndex(s.sgWasteTop) + 1;
    const std::size_t last = cellIndex(s.sgStockTop);
    for (std::size_t a = 0; a <= last; ++a)
        s.avWaste[first + a] = s.avStock[a];
    s.sgLeftTop = s.sgStockTop;
    s.sgStockTop = kEmptyPile;
}

bool IsPair(const BoardState& s, int position) {
    const float outer = s.avWaste[static_cast<std::size_t>(position)];
    const float inner = s.avWaste[static_cast<std::size_t>(kLastWasteIndex - position)];
    return clsCard::GetCardPoint(outer) == clsCard::GetCardPoint(inner);
}

} // namespace board
