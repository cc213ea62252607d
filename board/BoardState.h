#pragma once

#include "BoardGeometry.h"
#include "platform/Conversions.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace board {

// The 16-bit booleans of the state hold -1 for true.
constexpr std::int16_t kTrue = -1;

constexpr float kEmptyPile = -1; // the top index of an empty column or an exhausted stock

// What iHitKind says the pointer rests on.
constexpr std::int16_t kHitNothing = -1;
constexpr std::int16_t kHitTableau = 0;
constexpr std::int16_t kHitStock = 1;

// The array cell an index-like float stands for; it always holds a whole number.
inline std::size_t cellIndex(float index) {
    return static_cast<std::size_t>(platform::roundToInt32(index));
}

} // namespace board

// The whole state of a game, under the names the rules use. Index-like values are floats
// holding whole numbers; -1 marks an empty column or an exhausted stock. Booleans are
// 16-bit integers, -1 true and 0 false.
struct BoardState {
    std::int16_t iHitKind = 0;   // -1 nothing, 0 a tableau top card, 1 the top stock card
    std::int16_t iHitColumn = 0; // column of a tableau hit, 0 for the stock, -1 for nothing
    std::int16_t iStockY = 0;
    std::int16_t iWasteY = 0;
    cards::Deck avDeck{};
    std::array<std::array<float, board::kRowsPerColumn>, board::kColumnCount> sgTableau{};
    std::array<float, board::kStockSize> avStock{};
    cards::Deck avWaste{};
    std::array<float, board::kColumnCount> sgColumnTop{};
    float sgStockTop = 0;
    float sgWasteTop = 0;
    float sgWasteStep = 0;
    std::int16_t bDragging = 0;
    float sgDragDX = 0;
    float sgDragDY = 0;
    float sgLeftTop = 0;
    float sgBackIndex = 0; // the back every face-down card shows, 0..7
};

namespace board {

inline float columnTopCard(const BoardState& s, std::size_t column) {
    return s.sgTableau[column][cellIndex(s.sgColumnTop[column])];
}

inline float wasteTopCard(const BoardState& s) {
    return s.avWaste[cellIndex(s.sgWasteTop)];
}

} // namespace board

// Step counters of the left-card animation; they live as long as the board.
struct LeftCardCounters {
    std::int16_t iLeftToTop = 0;
    std::int16_t iLeftToWaste = 0;
    std::int16_t iLeftInAir = 0;
};

// Step counters of the pair reading; they live as long as the board.
struct PairCounters {
    std::int16_t iPairIndex = 0;
    std::int16_t iPairCount = 0;
    std::int16_t iPairStep = 0;
    std::int16_t bPairFound = 0;
};
