#include "Words.h"

#include "Rules.h"
#include "cards/clsCard.h"

#include <QCoreApplication>
#include <array>

using board::kEmptyPile;

namespace {

// The texts keep the board control's translation context, where their translations are kept.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ocxZorvane)
};

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

// The closing lays every waste card out elsewhere: first it is being read, then it is gone.
QString wasteWords(const BoardState& s, board::Closing closing) {
    if (closing == board::Closing::OmensShown)
        //: Said of the waste pile (after "Waste:") once the reading has laid all its cards out.
        return Words::tr("empty", "the waste");
    if (closing == board::Closing::Running)
        //: Said of the waste pile (after "Waste:") while the reading lays its cards out.
        return Words::tr("being read");
    return board::CardName(board::wasteTopCard(s));
}

QString columnWords(const BoardState& s) {
    QStringList tops;
    for (std::size_t c = 0; c < s.sgColumnTop.size(); ++c)
        tops << (s.sgColumnTop[c] == kEmptyPile
                     //: Said of one column (in the list after "Columns:") that has no card.
                     ? Words::tr("empty", "a column")
                     : board::CardName(board::columnTopCard(s, c)));
    //: Between the top cards of the columns in the list after "Columns:"; Chinese and
    //: Japanese lists take "、".
    return tops.join(Words::tr(", ", "between the columns"));
}

QString stockWords(float stockTop) {
    const int count = platform::roundToInt32(stockTop) + 1;
    if (count <= 0)
        //: Said of the stock (after "Stock:") when it has no card left.
        return Words::tr("empty", "the stock");
    return board::CardCount(count);
}

QString stockSentence(const BoardState& s, const QString& card) {
    const int left = platform::roundToInt32(s.sgStockTop) + 1;
    if (left <= 0)
        //: After a stock card was turned onto the waste: %1 the card.
        return Words::tr("%1 from the stock; the stock is empty.").arg(card);
    //: After a stock card was turned onto the waste: %1 the card, %2 the cards left ("25 cards").
    return Words::tr("%1 from the stock; %2 left.").arg(card, board::CardCount(left));
}

QString columnSentence(const BoardState& s, const QString& card, std::size_t column) {
    const QString number = QString::number(column + 1);
    if (s.sgColumnTop[column] == kEmptyPile)
        //: After a column's top card was moved onto the waste: %1 the card, %2 the column's number.
        return Words::tr("%1 from column %2; the column is empty.").arg(card, number);
    //: After a column's top card was moved onto the waste: %1 the card, %2 the column's number,
    //: %3 the card beneath, which turned face up.
    return Words::tr("%1 from column %2; %3 turned up.")
        .arg(card, number, board::CardName(board::columnTopCard(s, column)));
}

// Two sentences said in a row: Chinese and Japanese put no space after their full stop.
QString inARow(const QString& first, const QString& second) {
    //: Two sentences spoken one after the other, %1 then %2, each ending with its full stop.
    //: Chinese and Japanese write them with no space between: "%1%2".
    return Words::tr("%1 %2", "two sentences").arg(first, second);
}

} // namespace

namespace board {

QString CardName(float card) {
    //: A card's name: %1 its rank, %2 its suit.
    return Words::tr("%1 of %2")
        .arg(Words::tr(kRankNames[static_cast<std::size_t>(clsCard::GetCardPoint(card))]),
             Words::tr(kSuitNames[static_cast<std::size_t>(clsCard::GetCardSuit(card))]));
}

QString CardCount(int count) {
    // One card is said apart so that the English texts need no translation; the other counts
    // take the plural forms of the player's language.
    //: The number of cards in the stock (after "Stock:"), or left in it after a stock card
    //: was turned.
    return count == 1 ? Words::tr("1 card")
                      //: The number of cards in the stock (after "Stock:", or left in it after
                      //: a stock card was turned), 2 to 26.
                      : Words::tr("%n cards", nullptr, count);
}

QString OmenText(int rank) {
    return Words::tr(kOmens[static_cast<std::size_t>(rank)]);
}

QString BoardDescription(const BoardState& s, Closing closing, const QStringList& omens) {
    //: What a screen reader says of the board: %1 the waste's top card, %2 the top cards of
    //: the five columns, left to right, joined by commas, %3 the number of cards in the stock.
    QString words = Words::tr("Waste: %1. Columns: %2. Stock: %3.")
                        .arg(wasteWords(s, closing), columnWords(s), stockWords(s.sgStockTop));
    if (!omens.isEmpty())
        words +=
            //: For a screen reader, before the omens of a reading, one on each line.
            QLatin1Char('\n') + Words::tr("Omens:") + QLatin1Char('\n') +
            omens.join(QLatin1Char('\n'));
    return words;
}

QString MoveSentence(const BoardState& before, const BoardState& after) {
    const QString card = CardName(wasteTopCard(after));
    const int column = SourceColumn(before, after);
    const QString sentence = column < 0
                                 ? stockSentence(after, card)
                                 : columnSentence(after, card, static_cast<std::size_t>(column));
    if (!TableauCleared(after))
        return sentence;
    //: Said when the last column card went onto the waste and the reading begins.
    return inARow(sentence, Words::tr("All columns are empty; the cards are being read."));
}

QString NewDealSentence(const QString& position) {
    //: Said before the new position when the cards are dealt anew.
    return inARow(Words::tr("New deal."), position);
}

QString ReadingSentence(const QStringList& omens) {
    //: Between two omens of the reading as it is spoken: the full stop that ends the first,
    //: and the space before the next. Chinese and Japanese take "。" with no space.
    const QString between = Words::tr(". ", "between omens");
    //: After the last omen of the reading as it is spoken. Chinese and Japanese take "。".
    const QString end = Words::tr(".", "after the last omen");
    //: Said when the reading ends: %1 its omens, each followed by a full stop.
    return Words::tr("The reading: %1").arg(omens.join(between) + end);
}

} // namespace board
