#include "platform/Speech.h"

#include "ocxZorvane.h"

// What a screen reader speaks, unasked, after a change on the board: short enough to hear
// between quick key presses. The whole position stays in the board's description.

using board::kEmptyPile;

namespace {

// The column a move took its card from, or -1 when it came from the stock.
int sourceColumn(const BoardState& before, const BoardState& after) {
    for (std::size_t c = 0; c < after.sgColumnTop.size(); ++c)
        if (before.sgColumnTop[c] != after.sgColumnTop[c])
            return static_cast<int>(c);
    return -1;
}

QString stockSentence(const ocxZorvane& b, const QString& card) {
    const int left = platform::roundToInt32(b.state.sgStockTop) + 1;
    if (left <= 0)
        //: After a stock card was turned onto the waste: %1 the card.
        return ocxZorvane::tr("%1 from the stock; the stock is empty.").arg(card);
    //: After a stock card was turned onto the waste: %1 the card, %2 the cards left ("25 cards").
    return ocxZorvane::tr("%1 from the stock; %2 left.").arg(card, ocxZorvane::CardCount(left));
}

QString columnSentence(const ocxZorvane& b, const QString& card, std::size_t column) {
    const QString number = QString::number(column + 1);
    if (b.state.sgColumnTop[column] == kEmptyPile)
        //: After a column's top card was moved onto the waste: %1 the card, %2 the column's number.
        return ocxZorvane::tr("%1 from column %2; the column is empty.").arg(card, number);
    //: After a column's top card was moved onto the waste: %1 the card, %2 the column's number,
    //: %3 the card beneath, which turned face up.
    return ocxZorvane::tr("%1 from column %2; %3 turned up.")
        .arg(card, number, b.CardName(board::columnTopCard(b.state, column)));
}

// Two sentences said in a row: Chinese and Japanese put no space after their full stop.
QString inARow(const QString& first, const QString& second) {
    //: Two sentences spoken one after the other, %1 then %2, each ending with its full stop.
    //: Chinese and Japanese write them with no space between: "%1%2".
    return ocxZorvane::tr("%1 %2", "two sentences").arg(first, second);
}

} // namespace

QString ocxZorvane::MoveSentence(const BoardState& before) const {
    const QString card = CardName(board::wasteTopCard(state));
    const int column = sourceColumn(before, state);
    return column < 0 ? stockSentence(*this, card)
                      : columnSentence(*this, card, static_cast<std::size_t>(column));
}

void ocxZorvane::AnnounceMove(const BoardState& before) {
    QString sentence = MoveSentence(before);
    if (TableauCleared())
        //: Said when the last column card went onto the waste and the reading begins.
        sentence = inARow(sentence, tr("All columns are empty; the cards are being read."));
    platform::Announce(picZorvane, sentence);
}

void ocxZorvane::AnnounceNewDeal() {
    //: Said before the new position when the cards are dealt anew.
    platform::Announce(picZorvane, inARow(tr("New deal."), BoardDescription()));
}

void ocxZorvane::AnnounceReading() {
    //: Between two omens of the reading as it is spoken: the full stop that ends the first,
    //: and the space before the next. Chinese and Japanese take "。" with no space.
    const QString between = tr(". ", "between omens");
    //: After the last omen of the reading as it is spoken. Chinese and Japanese take "。".
    const QString end = tr(".", "after the last omen");
    //: Said when the reading ends: %1 its omens, each followed by a full stop.
    platform::Announce(picZorvane, tr("The reading: %1").arg(OmensRead().join(between) + end));
}
