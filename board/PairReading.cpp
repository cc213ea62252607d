#include "Rules.h"
#include "Words.h"
#include "ocxZorvane.h"

#include <QPushButton>

// The waste is read from both ends at once: position i holds avWaste(i) against
// avWaste(51 - i), and the two pair when their ranks are equal. A position takes four ticks:
// lift and lay the outer card, then lift and lay the inner one. Pairs go to the top row and
// add their omen to the remark; the other cards go to the stock row.

namespace {

constexpr int kLastWasteIndex = cards::kDeckSize - 1;
constexpr std::int16_t kStepsPerPosition = 4;

struct Position {
    int index;      // i
    float outer;    // avWaste(i)
    float inner;    // avWaste(51 - i)
    bool paired;    // equal ranks
    int placeInRow; // k for a pair, the number of earlier unpaired positions otherwise
};

Position positionBeingRead(const ocxZorvane& b) {
    const BoardState& s = b.state;
    const PairCounters& n = b.pairReading;
    Position p{};
    p.index = n.iPairIndex;
    p.outer = s.avWaste[static_cast<std::size_t>(p.index)];
    p.inner = s.avWaste[static_cast<std::size_t>(kLastWasteIndex - p.index)];
    p.paired = board::IsPair(s, p.index);
    p.placeInRow = p.paired ? n.iPairCount : p.index - n.iPairCount;
    return p;
}

// Column 2j of its row for the outer card of a position, 2j + 1 for the inner one.
int columnOf(const Position& p, bool inner) {
    return 2 * p.placeInRow + (inner ? 1 : 0);
}

struct Place {
    float x;
    float y;
};

// Pairs lie at a fixed 10-pixel spacing in the top row, the others at the waste spacing in the
// stock row.
Place landing(const ocxZorvane& b, const Position& p, bool inner) {
    const auto column = static_cast<float>(columnOf(p, inner));
    if (p.paired)
        return {column * board::kStockStep, board::kTopRowY};
    return {column * b.state.sgWasteStep, static_cast<float>(b.state.iStockY)};
}

// Where the card stood before it was lifted: the outer card at the left end of the waste row,
// the inner card at its right end.
float wastePlace(const ocxZorvane& b, const Position& p, bool inner) {
    return inner ? static_cast<float>(kLastWasteIndex - 1 - 2 * p.index) * b.state.sgWasteStep
                 : 0.0f;
}

// The flight aims at the waste spacing even for a pair, so a pair's card flies a little left
// of its true halfway point.
void liftCard(ocxZorvane& b, const Position& p, bool inner) {
    const BoardState& s = b.state;
    const float fromX = wastePlace(b, p, inner);
    // The waste row closes up behind the card.
    b.DrawWasteRow(p.index + 1, kLastWasteIndex - p.index - (inner ? 1 : 0));
    b.ShowFloatingCard(inner ? p.inner : p.outer, fromX, s.iWasteY,
                       static_cast<float>(columnOf(p, inner)) * s.sgWasteStep,
                       landing(b, p, inner).y);
}

void layCard(ocxZorvane& b, const Position& p, bool inner) {
    b.picCard->hide();
    const Place place = landing(b, p, inner);
    b.DrawFace(inner ? p.inner : p.outer, place.x, place.y);
}

void appendOmen(ocxZorvane& b, float card) {
    const QString omen = board::OmenText(clsCard::GetCardPoint(card));
    b.lblRemark->setCaption(b.lblRemark->Caption() + omen + QStringLiteral("\r\n"));
}

void finishPosition(ocxZorvane& b, const Position& p) {
    PairCounters& n = b.pairReading;
    if (p.paired) {
        appendOmen(b, p.outer);
        ++n.iPairCount;
    }
    ++n.iPairIndex;
}

void readStep(ocxZorvane& b, const Position& p) {
    PairCounters& n = b.pairReading;
    switch (n.iPairStep) {
    case 0:
        liftCard(b, p, false);
        break;
    case 1:
        layCard(b, p, false);
        break;
    case 2:
        liftCard(b, p, true);
        break;
    default:
        layCard(b, p, true);
        finishPosition(b, p);
        break;
    }
    n.iPairStep = static_cast<std::int16_t>((n.iPairStep + 1) % kStepsPerPosition);
}

// Shows the omens, or redeals when nothing paired, and gives the game buttons back.
void closeReading(ocxZorvane& b) {
    PairCounters& n = b.pairReading;
    if (n.bPairFound == 0) {
        b.AnnounceUnknownDesignAndDealAgain();
    } else {
        b.EraseRect(0, b.state.iStockY, static_cast<float>(b.picZorvane->Width()),
                    cards::kCardHeight - 1);
        b.lblRemark->show();
        b.picZorvane->Refresh();
    }
    n.iPairIndex = 0;
    n.iPairCount = 0;
    n.bPairFound = 0;
    b.cmdNew->setEnabled(true);
    b.cmdChange->setEnabled(true);
}

} // namespace

void ocxZorvane::tmrShowPairCard_Timer() {
    tmrShowPairCard.stop();
    if (pairReading.iPairIndex >= board::kReadingPositions) {
        closeReading(*this);
        DescribeBoard();
        if (!lblRemark->isHidden()) // the omens are shown: said after the description
            AnnounceReading();
        return;
    }
    const Position position = positionBeingRead(*this);
    if (position.paired)
        pairReading.bPairFound = board::kTrue;
    readStep(*this, position);
    picZorvane->Refresh();
    tmrShowPairCard.start();
    DescribeBoard(); // an omen may have been added
}
