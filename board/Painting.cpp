#include "Rules.h"
#include "ocxZorvane.h"
#include "platform/BitBlt.h"
#include "platform/Conversions.h"

using platform::roundToInt16;
using platform::roundToInt32;

// Paints the layout of a fresh deal from scratch: every column full, the whole stock and the
// first waste card, nothing in the air, then shows it.
void ocxZorvane::DrawBoard() {
    const BoardState& s = state;
    picZorvane->Cls();
    lblRemark->setCaption(QString());
    lblRemark->setVisible(false);
    picCard->hide(); // a card a drag left in the air belongs to the old deal

    objCard->ShowCard(*picZorvane, clsCard::kFace, s.avWaste[0], 0, s.iWasteY, picFront);
    const int stockTop = roundToInt16(s.sgStockTop);
    for (int i = 0; i <= stockTop; ++i)
        objCard->ShowCard(*picZorvane, clsCard::kBack, s.sgBackIndex, board::kStockStep * i,
                          s.iStockY, picBack);
    for (int c = 0; c < board::kColumnCount; ++c) {
        const float left = static_cast<float>(cards::kCardWidth * c);
        for (int r = 0; r < board::kRowsPerColumn - 1; ++r)
            objCard->ShowCard(*picZorvane, clsCard::kBack, s.sgBackIndex, left, board::kRowStep * r,
                              picBack);
        constexpr int topRow = board::kRowsPerColumn - 1;
        objCard->ShowCard(*picZorvane, clsCard::kFace, s.sgTableau[c][topRow], left,
                          board::kRowStep * topRow, picFront);
    }
    picZorvane->Refresh();
    DescribeBoard();
}

// Restores the rectangle (x, y, w + 1, h + 1) of the board from the clean background.
void ocxZorvane::EraseRect(float x, float y, float w, float h) {
    QImage& board = picZorvane->hDC();
    const QImage& background = picWork.hDC();
    const int left = roundToInt32(x);
    const int top = roundToInt32(y);
    platform::BitBlt(board, left, top, roundToInt32(w + 1.0f), roundToInt32(h + 1.0f), background,
                     left, top);
}

void ocxZorvane::DrawWaste() {
    DrawWasteCard(state.sgWasteTop);
}

// Draws waste card w in its place or, when it would pass the row's limit, redraws the whole row
// up to it at the narrowed step.
void ocxZorvane::DrawWasteCard(float w) {
    const BoardState& s = state;
    if (board::SqueezeWasteFor(state, w)) {
        DrawWasteRow(0, roundToInt16(w));
        return;
    }
    DrawFace(s.avWaste[board::cellIndex(w)], w * s.sgWasteStep, s.iWasteY);
}

// Clears the waste row and draws the waste cards first..last from its left edge.
void ocxZorvane::DrawWasteRow(int first, int last) {
    const BoardState& s = state;
    EraseRect(0, s.iWasteY, static_cast<float>(picZorvane->Width()), cards::kCardHeight - 1);
    for (int v = first; v <= last; ++v)
        objCard->ShowCard(*picZorvane, clsCard::kFace, s.avWaste[static_cast<std::size_t>(v)],
                          static_cast<float>(v - first) * s.sgWasteStep, s.iWasteY, picFront);
}
