#include "ocxZorvane.h"

#include <QPushButton>
#include <array>

// The waste is read from both ends at once: position i holds avWaste(i) against
// avWaste(51 - i), and the two pair when their ranks are equal. A position takes four ticks:
// lift and lay the outer card, then lift and lay the inner one. Pairs go to the top row and
// add their omen to the remark; the other cards go to the stock row.

namespace {

constexpr int kPositionCount = cards::kDeckSize / 2;
constexpr int kLastWasteIndex = cards::kDeckSize - 1;
constexpr std::int16_t kStepsPerPosition = 4;

// One omen per rank, Ace first. Each is one line of the board, at most 347 pixels wide in the
// caption font.
constexpr std::array<const char*, cards::kRankCount> kOmens = {
    //: The omen of a pair of Aces. A good wish come true: everything turns out as you hope. Use the
    //: language's own saying for plain sailing.
    QT_TRANSLATE_NOOP("ocxZorvane", "Everything goes my way"),
    //: The omen of a pair of Twos. Trying to do everything at once gets nothing done: do not take
    //: on too much. A warning, as in the saying that who grasps at all loses all.
    QT_TRANSLATE_NOOP("ocxZorvane", "It's no good doing everything"),
    //: The omen of a pair of Threes. A warning that things will be hard, said as an omen ("it will
    //: be difficult"), not a sigh of resignation.
    QT_TRANSLATE_NOOP("ocxZorvane", "Difficult"),
    //: The omen of a pair of Fours. There are many ways to the goal. Use the language's own form of
    //: the saying.
    QT_TRANSLATE_NOOP("ocxZorvane", "All roads lead to Rome"),
    //: The omen of a pair of Fives. A warning: beware of a scheme or trap laid against you.
    QT_TRANSLATE_NOOP("ocxZorvane", "Avoid falling a prey to a plot"),
    //: The omen of a pair of Sixes. A promise: every wish or request will be granted, as by a power
    //: that answers every prayer.
    QT_TRANSLATE_NOOP("ocxZorvane", "Grant whatever is requested"),
    //: The omen of a pair of Sevens. Someone or something cannot be relied on; a warning, one or
    //: two words.
    QT_TRANSLATE_NOOP("ocxZorvane", "Undependable"),
    //: The omen of a pair of Eights. Success is coming and is yours to enjoy.
    QT_TRANSLATE_NOOP("ocxZorvane", "Enjoy success"),
    //: The omen of a pair of Nines. Misfortune may prove a blessing, and good fortune a misfortune.
    //: Use the language's own saying where it has one.
    QT_TRANSLATE_NOOP("ocxZorvane", "A loss may turn out to be a gain and vice versa"),
    //: The omen of a pair of Tens. Perfect, flawless: use the language's set phrase for leaving
    //: nothing to be desired.
    QT_TRANSLATE_NOOP("ocxZorvane", "It's perfect in every way and leaves nothing to be desired"),
    //: The omen of a pair of Jacks. Endless quarrels among the women of one household (sisters-in-
    //: law, mother and daughters-in-law): strife at home.
    QT_TRANSLATE_NOOP("ocxZorvane", "Bicker endlessly between female members of a family"),
    //: The omen of a pair of Queens. The old saying that a daughter married out of the family is
    //: like water poured out: she belongs to another household now and cannot be called back. Not a
    //: woman abroad, nor another man's wife.
    QT_TRANSLATE_NOOP("ocxZorvane", "Woman outside is water"),
    //: The omen of a pair of Kings. Your deeds bring their due result. Use the language's own form
    //: of the saying.
    QT_TRANSLATE_NOOP("ocxZorvane", "As you sow, so will you reap"),
};

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
    p.paired = b.objCard->GetCardPoint(p.outer) == b.objCard->GetCardPoint(p.inner);
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
    const QString omen = ocxZorvane::OmenText(b.objCard->GetCardPoint(card));
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
    if (pairReading.iPairIndex >= kPositionCount) {
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

QString ocxZorvane::OmenText(int rank) {
    return tr(kOmens[static_cast<std::size_t>(rank)]);
}
