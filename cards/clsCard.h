#pragma once

#include "CardGeometry.h"

#include <cstdint>

namespace platform {
class Surface;
}

// Card operations: the shuffle, rank and suit of a card number, and drawing one card cell.
// It holds no data; the shuffle draws from the process-wide random generator, which the deal
// seeds.
class clsCard {
public:
    // One shuffle pass: every cell moves, and the cells form a single 52-cycle.
    void CutCard(cards::Deck& av) const;

    enum ShowType : std::int32_t { kFace = 0, kBack = 1 };
    // Copies the face of card CardIndex (ShowType 0) or back number CardIndex (1) from objRes to
    // (x, y) of objDes; any other ShowType draws nothing.
    void ShowCard(platform::Surface& objDes, std::int32_t ShowType, float CardIndex, float x,
                  float y, platform::Surface& objRes) const;

    static std::int32_t GetCardPoint(float iCardNumber);
    static std::int32_t GetCardSuit(float iCardNumber);

    // Ranks one apart, Ace and King counting as neighbours; suits play no part.
    static bool AreNeighbours(float cardA, float cardB);

private:
    static void SwapCard(float& a, float& b);
};
