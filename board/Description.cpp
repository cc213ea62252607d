#include "ocxZorvane.h"

#include <array>

// The position in words for players who cannot see the board: the waste top, each column's
// top card, the stock, and the omens read so far.

using board::kEmptyPile;

namespace {

//: A rank in a card's name, for a screen reader: the %1 of "%1 of %2".
constexpr std::array<const char*, cards::kRankCount> kRankNames = {
    QT_TRANSLATE_NOOP("ocxZorvane", "Ace"),   QT_TRANSLATE_NOOP("ocxZorvane", "Two"),
    QT_TRANSLATE_NOOP("ocxZorvane", "Three"), QT_TRANSLATE_NOOP("ocxZorvane", "Four"),
    QT_TRANSLATE_NOOP("ocxZorvane", "Five"),  QT_TRANSLATE_NOOP("ocxZorvane", "Six"),
    QT_TRANSLATE_NOOP("ocxZorvane", "Seven"), QT_TRANSLATE_NOOP("ocxZorvane", "Eight"),
    QT_TRANSLATE_NOOP("ocxZorvane", "Nine"),  QT_TRANSLATE_NOOP("ocxZorvane", "Ten"),
    QT_TRANSLATE_NOOP("ocxZorvane", "Jack"),  QT_TRANSLATE_NOOP("ocxZorvane", "Queen"),
    QT_TRANSLATE_NOOP("ocxZorvane", "King"),
};
// Named as the card name's "%2" needs them ("Ace of clubs"), which may be another case.
//: A suit in a card's name, for a screen reader: the %2 of "%1 of %2".
constexpr std::array<const char*, cards::kSuitCount> kSuitNames = {
    QT_TRANSLATE_NOOP("ocxZorvane", "clubs"),
    QT_TRANSLATE_NOOP("ocxZorvane", "diamonds"),
    QT_TRANSLATE_NOOP("ocxZorvane", "hearts"),
    QT_TRANSLATE_NOOP("ocxZorvane", "spades"),
};

// The closing lays every waste card out elsewhere: first it is being read, then it is gone.
QString wasteWords(const ocxZorvane& b) {
    if (!b.lblRemark->isHidden())
        //: Said of the waste pile (after "Waste:") once the reading has laid all its cards out.
        return ocxZorvane::tr("empty", "the waste");
    if (b.DealIsClosing())
        //: Said of the waste pile (after "Waste:") while the reading lays its cards out.
        return ocxZorvane::tr("being read");
    return b.CardName(board::wasteTopCard(b.state));
}

QString columnWords(const ocxZorvane& b) {
    QStringList tops;
    for (std::size_t c = 0; c < b.state.sgColumnTop.size(); ++c)
        tops << (b.state.sgColumnTop[c] == kEmptyPile
                     //: Said of one column (in the list after "Columns:") that has no card.
                     ? ocxZorvane::tr("empty", "a column")
                     : b.CardName(board::columnTopCard(b.state, c)));
    //: Between the top cards of the columns in the list after "Columns:"; Chinese and
    //: Japanese lists take "、".
    return tops.join(ocxZorvane::tr(", ", "between the columns"));
}

QString stockWords(float stockTop) {
    const int count = platform::roundToInt32(stockTop) + 1;
    if (count <= 0)
        //: Said of the stock (after "Stock:") when it has no card left.
        return ocxZorvane::tr("empty", "the stock");
    return ocxZorvane::CardCount(count);
}

} // namespace

QString ocxZorvane::CardName(float card) const {
    //: A card's name: %1 its rank, %2 its suit.
    return tr("%1 of %2")
        .arg(tr(kRankNames[static_cast<std::size_t>(objCard->GetCardPoint(card))]),
             tr(kSuitNames[static_cast<std::size_t>(objCard->GetCardSuit(card))]));
}

QString ocxZorvane::CardCount(int count) {
    // One card is said apart so that the English texts need no translation; the other counts
    // take the plural forms of the player's language.
    //: The number of cards in the stock (after "Stock:"), or left in it after a stock card
    //: was turned.
    return count == 1 ? tr("1 card")
                      //: The number of cards in the stock (after "Stock:", or left in it after
                      //: a stock card was turned), 2 to 26.
                      : tr("%n cards", nullptr, count);
}

QStringList ocxZorvane::OmensRead() const {
    return lblRemark->Caption().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

QString ocxZorvane::BoardDescription() const {
    //: What a screen reader says of the board: %1 the waste's top card, %2 the top cards of
    //: the five columns, left to right, joined by commas, %3 the number of cards in the stock.
    QString words = tr("Waste: %1. Columns: %2. Stock: %3.")
                        .arg(wasteWords(*this), columnWords(*this), stockWords(state.sgStockTop));
    const QStringList omens = OmensRead();
    if (!omens.isEmpty())
        words +=
            //: For a screen reader, before the omens of a reading, one on each line.
            QLatin1Char('\n') + tr("Omens:") + QLatin1Char('\n') + omens.join(QLatin1Char('\n'));
    return words;
}

// Setting the description tells a listening screen reader, so it is set only when it changed.
void ocxZorvane::DescribeBoard() {
    const QString words = BoardDescription();
    if (words != picZorvane->accessibleDescription())
        picZorvane->setAccessibleDescription(words);
}
