#pragma once

#include <array>

// Every card, face or back, is one opaque cell of this size on every surface.
namespace cards {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;
constexpr int kDeckSize = 52;
constexpr int kRankCount = 13;
constexpr int kSuitCount = 4;
constexpr int kBackCount = 8;

// A card number 0..51 (rank index * 4 + suit index) kept in a floating cell; every value
// stored is whole, so conversions are exact.
using Deck = std::array<float, kDeckSize>;

} // namespace cards
