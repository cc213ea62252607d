#include "clsCard.h"

#include "platform/BitBlt.h"
#include "platform/Conversions.h"
#include "platform/Random.h"
#include "platform/Surface.h"

#include <cmath>
#include <cstdlib>

using platform::roundToInt32;

void clsCard::CutCard(cards::Deck& av) const {
    // j stays below i, so no card can stay where it is: one pass is a single cycle.
    for (int i = cards::kDeckSize - 1; i >= 1; --i) {
        const double r = platform::Rnd();
        const auto j = static_cast<int>(std::floor(r * i));
        SwapCard(av[static_cast<std::size_t>(i)], av[static_cast<std::size_t>(j)]);
    }
}

void clsCard::SwapCard(float& a, float& b) {
    const float copy = a;
    a = b;
    b = copy;
}

void clsCard::ShowCard(platform::Surface& objDes, std::int32_t ShowType, float CardIndex, float x,
                       float y, platform::Surface& objRes) const {
    if (ShowType != kFace && ShowType != kBack)
        return;
    QImage& destination = objDes.hDC();
    const QImage& sheet = objRes.hDC();
    int sourceLeft = 0;
    int sourceTop = 0;
    if (ShowType == kFace) {
        const std::int32_t n = roundToInt32(CardIndex);
        sourceLeft = (n / cards::kSuitCount) * cards::kCardWidth;
        sourceTop = (n % cards::kSuitCount) * cards::kCardHeight;
    } else {
        sourceLeft = roundToInt32(static_cast<double>(CardIndex) * cards::kCardWidth);
    }
    platform::BitBlt(destination, roundToInt32(x), roundToInt32(y), cards::kCardWidth,
                     cards::kCardHeight, sheet, sourceLeft, sourceTop);
}

std::int32_t clsCard::GetCardPoint(float iCardNumber) {
    return roundToInt32(iCardNumber) / cards::kSuitCount;
}

std::int32_t clsCard::GetCardSuit(float iCardNumber) {
    return roundToInt32(iCardNumber) % cards::kSuitCount;
}

bool clsCard::AreNeighbours(float cardA, float cardB) {
    const int distance = std::abs(GetCardPoint(cardA) - GetCardPoint(cardB));
    return distance == 1 || distance == cards::kRankCount - 1;
}
