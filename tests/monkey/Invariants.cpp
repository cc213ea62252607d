#include "Invariants.h"

#include "board/ocxZorvane.h"
#include "support/PixelTruth.h"

#include <QPushButton>
#include <cmath>
#include <cstdint>
#include <vector>

using board::kEmptyPile;

namespace monkey {
namespace {

struct Bounded {
    QString name;
    float value;
    float low;
    float high;
};

// Index-like values hold whole numbers inside their ranges.
std::vector<Bounded> indexes(const BoardState& s) {
    std::vector<Bounded> all;
    for (std::size_t c = 0; c < s.sgColumnTop.size(); ++c)
        all.push_back({QStringLiteral("sgColumnTop(%1)").arg(c), s.sgColumnTop[c], kEmptyPile,
                       board::kRowsPerColumn - 1});
    all.push_back({QStringLiteral("sgStockTop"), s.sgStockTop, kEmptyPile, board::kStockSize - 1});
    all.push_back({QStringLiteral("sgWasteTop"), s.sgWasteTop, 0, cards::kDeckSize - 1});
    all.push_back({QStringLiteral("sgWasteStep"), s.sgWasteStep, 5, board::kWasteStepStart});
    all.push_back({QStringLiteral("iHitKind"), static_cast<float>(s.iHitKind), -1, 1});
    all.push_back({QStringLiteral("iHitColumn"), static_cast<float>(s.iHitColumn), -1,
                   board::kColumnCount - 1});
    all.push_back({QStringLiteral("bDragging"), static_cast<float>(s.bDragging), -1, 0});
    return all;
}

QString rangeMismatch(const BoardState& s) {
    for (const Bounded& index : indexes(s))
        if (!(index.low <= index.value && index.value <= index.high) ||
            index.value != std::floor(index.value))
            return QStringLiteral("%1 = %2").arg(index.name).arg(index.value);
    if ((s.iHitKind == -1) != (s.iHitColumn == -1) || (s.iHitKind == 1 && s.iHitColumn != 0))
        return QStringLiteral("hit kind %1 with column %2").arg(s.iHitKind).arg(s.iHitColumn);
    return {};
}

bool tableauCleared(const BoardState& s) {
    for (float top : s.sgColumnTop)
        if (top != kEmptyPile)
            return false;
    return true;
}

// Collects card numbers; refuses one that is no card or has been seen already.
class CardSet {
public:
    bool add(float card) {
        if (!(0 <= card && card < cards::kDeckSize) || card != std::floor(card))
            return false;
        const std::uint64_t bit = std::uint64_t{1} << static_cast<int>(card);
        if (seen_ & bit)
            return false;
        seen_ |= bit;
        return true;
    }
    bool complete() const { return seen_ == (std::uint64_t{1} << cards::kDeckSize) - 1; }

private:
    std::uint64_t seen_ = 0;
};

QString pileMismatch(const char* pile, std::size_t index, float card) {
    return QStringLiteral("%1 cell %2 holds %3: no card, or one already in play")
        .arg(QLatin1String(pile))
        .arg(index)
        .arg(card);
}

// Tableau, stock and waste up to their tops hold each card exactly once.
QString cardsInPlayMismatch(const BoardState& s) {
    CardSet inPlay;
    for (std::size_t c = 0; c < s.sgTableau.size(); ++c)
        for (std::size_t r = 0; static_cast<float>(r) <= s.sgColumnTop[c]; ++r)
            if (!inPlay.add(s.sgTableau[c][r]))
                return pileMismatch("tableau", c * board::kRowsPerColumn + r, s.sgTableau[c][r]);
    for (std::size_t i = 0; static_cast<float>(i) <= s.sgStockTop; ++i)
        if (!inPlay.add(s.avStock[i]))
            return pileMismatch("stock", i, s.avStock[i]);
    for (std::size_t i = 0; static_cast<float>(i) <= s.sgWasteTop; ++i)
        if (!inPlay.add(s.avWaste[i]))
            return pileMismatch("waste", i, s.avWaste[i]);
    return inPlay.complete() ? QString() : QStringLiteral("cards are missing from play");
}

// Once the tableau is cleared the whole deck lies in the waste data.
QString wholeDeckInWasteMismatch(const BoardState& s) {
    CardSet waste;
    for (std::size_t i = 0; i < s.avWaste.size(); ++i)
        if (!waste.add(s.avWaste[i]))
            return pileMismatch("closing waste", i, s.avWaste[i]);
    return {};
}

bool gameButtonsEnabled(const ocxZorvane& b) {
    return b.cmdNew->isEnabled() && b.cmdChange->isEnabled();
}
bool gameButtonsDisabled(const ocxZorvane& b) {
    return !b.cmdNew->isEnabled() && !b.cmdChange->isEnabled();
}

// A drag carries a tableau top card that the last hover armed, shown in picCard.
QString dragMismatch(const ocxZorvane& b) {
    const BoardState& s = b.state;
    if (s.bDragging == 0)
        return {};
    if (s.iHitKind != board::kHitTableau ||
        s.sgColumnTop[static_cast<std::size_t>(s.iHitColumn)] == kEmptyPile)
        return QStringLiteral("dragging with hit kind %1 on column %2")
            .arg(s.iHitKind)
            .arg(s.iHitColumn);
    return b.picCard->isHidden() ? QStringLiteral("dragging with picCard hidden") : QString();
}

// A new deal starts with nothing in the hand, nothing in the air and no remark.
QString freshDealMismatch(const ocxZorvane& b) {
    if (b.state.bDragging != 0 || !b.picCard->isHidden() || !b.lblRemark->isHidden())
        return QStringLiteral("a new deal with bDragging %1, picCard %2, lblRemark %3")
            .arg(b.state.bDragging)
            .arg(b.picCard->isHidden() ? "hidden" : "shown")
            .arg(b.lblRemark->isHidden() ? "hidden" : "shown");
    return {};
}

QString playMismatch(const ocxZorvane& b) {
    if (b.tmrShowLeftCard.isActive() || b.tmrShowPairCard.isActive())
        return QStringLiteral("a closing timer runs during play");
    if (!gameButtonsEnabled(b))
        return QStringLiteral("a game button is disabled during play");
    return cardsInPlayMismatch(b.state);
}

// The left-over cards, counted from sgLeftTop, fill the waste data up to its last cell.
QString closingMismatch(const ocxZorvane& b) {
    const BoardState& s = b.state;
    if (b.tmrShowLeftCard.isActive() == b.tmrShowPairCard.isActive())
        return QStringLiteral("both closing timers run");
    // A hit may be older than a key's last move, but no card is left for it to take.
    if (s.sgStockTop != kEmptyPile || s.bDragging != 0)
        return QStringLiteral("a card can still be taken while the deal closes");
    if (!gameButtonsDisabled(b))
        return QStringLiteral("a game button is enabled while the deal closes");
    if (b.tmrShowLeftCard.isActive() && s.sgWasteTop + s.sgLeftTop + 2 != cards::kDeckSize)
        return QStringLiteral("sgLeftTop %1 does not fill the waste from sgWasteTop %2")
            .arg(s.sgLeftTop)
            .arg(s.sgWasteTop);
    if (b.tmrShowPairCard.isActive() && s.sgWasteStep != 5)
        return QStringLiteral("the reading starts with sgWasteStep %1").arg(s.sgWasteStep);
    return wholeDeckInWasteMismatch(s);
}

QString readingShownMismatch(const ocxZorvane& b) {
    if (b.lblRemark->isHidden() || b.lblRemark->Caption().isEmpty())
        return QStringLiteral("a finished reading shows no omen");
    if (!gameButtonsEnabled(b))
        return QStringLiteral("a game button is disabled after the reading");
    return wholeDeckInWasteMismatch(b.state);
}

QString phaseMismatch(const ocxZorvane& b) {
    if (!tableauCleared(b.state))
        return playMismatch(b);
    if (b.tmrShowLeftCard.isActive() || b.tmrShowPairCard.isActive())
        return closingMismatch(b);
    return readingShownMismatch(b);
}

qint64 imageKey(const ocxZorvane& b) {
    return b.picZorvane->hDC().cacheKey();
}

} // namespace

InvariantChecker::InvariantChecker(ocxZorvane& board) : board_(board), previous_(board.state) {}

QString InvariantChecker::check() {
    const BoardState& s = board_.state;
    QString broken = rangeMismatch(s);
    if (broken.isEmpty())
        broken = dragMismatch(board_);
    if (broken.isEmpty() && s.avDeck != previous_.avDeck)
        broken = freshDealMismatch(board_);
    if (broken.isEmpty())
        broken = phaseMismatch(board_);
    if (!broken.isEmpty())
        return broken;
    followLiftedCards(s);
    if (!tableauCleared(s) && imageMayHaveChanged(s)) {
        ++imageChecks_;
        broken = imageMismatch();
    }
    previous_ = s;
    previousImageKey_ = imageKey(board_);
    previousLifted_ = lifted_;
    return broken;
}

// A drag start lifts the column's top card; a drop puts it back or lays it on the waste and
// hides picCard. A card that leaves its column or a new deal ends the lift as well.
void InvariantChecker::followLiftedCards(const BoardState& s) {
    const BoardState& before = previous_;
    if (s.avDeck != before.avDeck) {
        lifted_.fill(false);
        return;
    }
    for (std::size_t c = 0; c < lifted_.size(); ++c)
        if (s.sgColumnTop[c] != before.sgColumnTop[c])
            lifted_[c] = false;
    if (before.bDragging == 0 && s.bDragging != 0)
        lifted_[static_cast<std::size_t>(s.iHitColumn)] = true;
    else if (before.bDragging != 0 && s.bDragging == 0 && board_.picCard->isHidden())
        lifted_[static_cast<std::size_t>(before.iHitColumn)] = false;
}

// The image agrees with the state where nothing but the state decides it; when neither the
// image nor those parts of the state changed, the answer cannot have changed either.
bool InvariantChecker::imageMayHaveChanged(const BoardState& s) const {
    const BoardState& before = previous_;
    return imageKey(board_) != previousImageKey_ || s.avDeck != before.avDeck ||
           s.sgColumnTop != before.sgColumnTop || s.sgStockTop != before.sgStockTop ||
           s.sgWasteTop != before.sgWasteTop || s.sgWasteStep != before.sgWasteStep ||
           lifted_ != previousLifted_;
}

// Each column's top card face up in its place unless it is lifted, the top waste card in its
// place, and the top stock card whole, face down.
QString InvariantChecker::imageMismatch() const {
    const BoardState& s = board_.state;
    const QImage& image = board_.picZorvane->hDC();
    const QImage& faces = board_.picFront.hDC();
    for (std::size_t c = 0; c < s.sgColumnTop.size(); ++c) {
        if (s.sgColumnTop[c] == kEmptyPile || lifted_[c])
            continue;
        const QString column =
            testing::faceMismatch(image, static_cast<int>(c) * cards::kCardWidth,
                                  platform::roundToInt32(board::kRowStep * s.sgColumnTop[c]),
                                  platform::roundToInt32(board::columnTopCard(s, c)), faces);
        if (!column.isEmpty())
            return QStringLiteral("column %1: %2").arg(c).arg(column);
    }
    const QString waste =
        testing::faceMismatch(image, platform::roundToInt32(s.sgWasteStep * s.sgWasteTop),
                              s.iWasteY, platform::roundToInt32(board::wasteTopCard(s)), faces);
    if (!waste.isEmpty() || s.sgStockTop == kEmptyPile)
        return waste;
    return testing::backMismatch(image, platform::roundToInt32(board::kStockStep * s.sgStockTop),
                                 s.iStockY, platform::roundToInt32(s.sgBackIndex),
                                 board_.picBack.hDC());
}

} // namespace monkey
