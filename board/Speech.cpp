#include "platform/Speech.h"

#include "Rules.h"
#include "Words.h"
#include "ocxZorvane.h"

// What a screen reader speaks, unasked, after a change on the board: short enough to hear
// between quick key presses. The whole position stays in the board's description.

namespace {

// Two sentences said in a row: Chinese and Japanese put no space after their full stop.
QString inARow(const QString& first, const QString& second) {
    //: Two sentences spoken one after the other, %1 then %2, each ending with its full stop.
    //: Chinese and Japanese write them with no space between: "%1%2".
    return ocxZorvane::tr("%1 %2", "two sentences").arg(first, second);
}

} // namespace

void ocxZorvane::AnnounceMove(const BoardState& before) {
    QString sentence = board::MoveSentence(before, state);
    if (board::TableauCleared(state))
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
