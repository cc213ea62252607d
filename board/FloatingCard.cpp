#include "ocxZorvane.h"
#include "platform/Conversions.h"

using platform::roundToInt32;

// A face-up card on the board picture.
void ocxZorvane::DrawFace(float card, float x, float y) {
    objCard->ShowCard(*picZorvane, clsCard::kFace, card, x, y, picFront);
}

// The offset is in the board control's pixels although the places are the board picture's,
// so the card shows a little off the true halfway point; that is how the closing looks.
void ocxZorvane::ShowFloatingCard(float card, float fromX, float fromY, float toX, float toY) {
    objCard->ShowCard(*picCard, clsCard::kFace, card, 0, 0, picFront);
    picCard->Refresh();
    picCard->move(roundToInt32(fromX + toX) / 2 + board::kFloatingCardOffset,
                  roundToInt32(fromY + toY) / 2 + board::kFloatingCardOffset);
    picCard->show();
}
