#include "platform/Speech.h"

#include "Rules.h"
#include "Words.h"
#include "ocxZorvane.h"

// What a screen reader speaks, unasked, after a change on the board: short enough to hear
// between quick key presses. The whole position stays in the board's description.

void ocxZorvane::AnnounceMove(const BoardState& before) {
    QString sentence = board::MoveSentence(before, state);
    if (board::TableauCleared(state))
        //: Said when the last column card went onto the waste and the reading begins.
        sentence += QLatin1Char(' ') + tr("All columns are empty; the cards are being read.");
    platform::Announce(picZorvane, sentence);
}

void ocxZorvane::AnnounceNewDeal() {
    //: Said before the new position when the cards are dealt anew.
    platform::Announce(picZorvane, tr("New deal.") + QLatin1Char(' ') + BoardDescription());
}

void ocxZorvane::AnnounceReading() {
    //: Said when the reading ends: %1 its omens, each followed by a full stop.
    platform::Announce(picZorvane,
                       tr("The reading: %1").arg(OmensRead().join(QStringLiteral(". ")) + '.'));
}
