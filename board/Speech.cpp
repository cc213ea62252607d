#include "platform/Speech.h"

#include "Words.h"
#include "ocxZorvane.h"

// What a screen reader speaks, unasked, after a change on the board: short enough to hear
// between quick key presses. The whole position stays in the board's description.

void ocxZorvane::AnnounceMove(const BoardState& before) {
    platform::Announce(picZorvane, board::MoveSentence(before, state));
}

void ocxZorvane::AnnounceNewDeal() {
    platform::Announce(picZorvane, board::NewDealSentence(BoardDescription()));
}

void ocxZorvane::AnnounceReading() {
    platform::Announce(picZorvane, board::ReadingSentence(OmensRead()));
}
