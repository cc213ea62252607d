#include "ocxZorvane.h"

#include <array>

// The position in words for players who cannot see the board: the waste top, each column's
// top card, the stock, and the omens read so far.

using board::kEmptyPile;

namespace {

constexpr std::array<const char*, cards::kRankCount> kRankNames = {
    "Ace",   "Two",  "Three", "Four", "Five",  "Six",  "Seven",
    "Eight", "Nine", "Ten",   "Jack", "Queen", "King",
};
constexpr std::array<const char*, cards::kSuitCount> kSuitNames = {
    "clubs",
    "diamonds",
    "hearts",
    "spades",
};

const QString kEmpty = QStringLiteral("empty");

QString cardName(const clsCard& c, float card) {
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(kRankNames[static_cast<std::size_t>(c.GetCardPoint(card))]),
             QLatin1String(kSuitNames[static_cast<std::size_t>(c.GetCardSuit(card))]));
}

// The closing lays every waste card out elsewhere: first it is being read, then it is gone.
QString wasteWords(const ocxZorvane& b) {
    if (!b.lblRemark->isHidden())
        return kEmpty;
    if (b.DealIsClosing())
        return QStringLiteral("being read");
    return cardName(*b.objCard, board::wasteTopCard(b.state));
}

QString columnWords(const ocxZorvane& b) {
    QStringList tops;
    for (std::size_t c = 0; c < b.state.sgColumnTop.size(); ++c)
        tops << (b.state.sgColumnTop[c] == kEmptyPile
                     ? kEmpty
                     : cardName(*b.objCard, board::columnTopCard(b.state, c)));
    return tops.join(QStringLiteral(", "));
}

QString stockWords(float stockTop) {
    const int count = platform::roundToInt32(stockTop) + 1;
    if (count <= 0)
        return kEmpty;
    return count == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(count);
}

QStringList omenLines(const platform::Label& remark) {
    return remark.Caption().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace

QString ocxZorvane::BoardDescription() const {
    QString words = QStringLiteral("Waste: %1. Columns: %2. Stock: %3.")
                        .arg(wasteWords(*this), columnWords(*this), stockWords(state.sgStockTop));
    const QStringList omens = omenLines(*lblRemark);
    if (!omens.isEmpty())
        words += QStringLiteral("\nOmens:\n") + omens.join(QLatin1Char('\n'));
    return words;
}

// Setting the description tells a listening screen reader, so it is set only when it changed.
void ocxZorvane::DescribeBoard() {
    const QString words = BoardDescription();
    if (words != picZorvane->accessibleDescription())
        picZorvane->setAccessibleDescription(words);
}
