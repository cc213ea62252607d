#include "Rules.h"
#include "ocxZorvane.h"

#include <cstdlib>

using board::cellIndex;
using board::columnTopCard;
using board::kEmptyPile;
using board::kHitNothing;
using board::kHitStock;
using board::kHitTableau;
using platform::roundToInt16;
using platform::roundToInt32;

// The player's moves with the mouse: hovering arms a card, the left button alone drags a
// tableau top card onto the waste, and a double-click moves the armed card. Keys make the
// double-click's moves without a hover.

namespace {

constexpr std::int16_t kLeftButtonAlone = 1;
// EraseRect takes the distances to a cell's last pixel column and row.
constexpr float kCellRight = cards::kCardWidth - 1;
constexpr float kCellBottom = cards::kCardHeight - 1;

float columnLeft(std::size_t column) {
    return static_cast<float>(cards::kCardWidth * column);
}
float rowTop(float row) {
    return board::kRowStep * row;
}

// A drag carries the hit card, so forgetting the hit ends the drag too: a release could not
// tell any more which card to drop.
void clearHit(BoardState& s) {
    s.iHitKind = kHitNothing;
    s.iHitColumn = -1;
    s.bDragging = 0;
}

// Only the top card's band of the pointer's column counts, its first pixel row excluded. A
// pointer outside the board, possible while a button is held, lies in no column at all.
bool hitColumnTop(BoardState& s, float x, float y) {
    const int column = roundToInt32(x) / cards::kCardWidth;
    if (column < 0 || column >= board::kColumnCount)
        return false;
    const float columnTop = s.sgColumnTop[static_cast<std::size_t>(column)];
    if (columnTop == kEmptyPile)
        return false;
    const std::int16_t top = roundToInt16(rowTop(columnTop));
    if (!(top < y && y < top + cards::kCardHeight))
        return false;
    s.iHitColumn = static_cast<std::int16_t>(column);
    s.iHitKind = kHitTableau;
    s.sgDragDX = columnLeft(static_cast<std::size_t>(column)) - x;
    s.sgDragDY = top - y;
    return true;
}

// Only the top card of the stock fan, inside its open rectangle.
void hitStockTop(BoardState& s, float x, float y) {
    if (y <= s.iStockY || y >= s.iStockY + cards::kCardHeight)
        return;
    if (s.sgStockTop == kEmptyPile)
        return;
    const std::int32_t left = roundToInt32(s.sgStockTop * board::kStockStep);
    if (x <= left || x >= left + cards::kCardWidth)
        return;
    s.iHitColumn = 0;
    s.iHitKind = kHitStock;
}

std::size_t hitColumn(const BoardState& s) {
    return static_cast<std::size_t>(s.iHitColumn);
}

float columnTopRow(const BoardState& s, std::size_t column) {
    return s.sgColumnTop[column];
}

// A corner of the dropped card lies strictly inside the target's open span on this axis.
bool cornerInsideSpan(int dropped, int target, int size) {
    const int distance = std::abs(dropped - target);
    return 0 < distance && distance < size;
}

// Whether the dragged card, dropped with the pointer at (x, y), overlaps the top waste card
// with a corner strictly inside it; a card exactly level with it on one axis does not count.
// The arithmetic is 16-bit, as the drop always was.
bool droppedOverWaste(const BoardState& s, float x, float y) {
    const std::int16_t left = roundToInt16(s.sgDragDX + x);
    const std::int16_t top = roundToInt16(s.sgDragDY + y);
    const std::int16_t wasteLeft = roundToInt16(s.sgWasteStep * s.sgWasteTop);
    return cornerInsideSpan(left, wasteLeft, cards::kCardWidth) &&
           cornerInsideSpan(top, s.iWasteY, cards::kCardHeight);
}

void eraseColumnTopCell(ocxZorvane& b, const BoardState& s, std::size_t column) {
    b.EraseRect(columnLeft(column), rowTop(columnTopRow(s, column)), kCellRight, kCellBottom);
}

// Lifts the card off the board: its cell goes back to the background, and the card below,
// whose lower end the erase cut off, is drawn whole again face down.
void startDrag(ocxZorvane& b, std::size_t column) {
    b.state.bDragging = board::kTrue;
    eraseColumnTopCell(b, b.state, column);
    const float top = columnTopRow(b.state, column);
    if (top > 0)
        b.objCard->ShowCard(*b.picZorvane, clsCard::kBack, b.state.sgBackIndex, columnLeft(column),
                            rowTop(top - 1), b.picBack);
}

// The floating card keeps the offset that the card's corner had from the pointer at the hover.
void carryDraggedCard(ocxZorvane& b, std::size_t column, float x, float y) {
    const BoardState& s = b.state;
    const platform::PictureBox& boardPicture = *b.picZorvane;
    const int edge = boardPicture.borderWidth();
    b.objCard->ShowCard(*b.picCard, clsCard::kFace, columnTopCard(s, column), 0, 0, b.picFront);
    b.picCard->Refresh();
    b.picCard->move(roundToInt32(s.sgDragDX + x + static_cast<float>(boardPicture.Left() + edge)),
                    roundToInt32(s.sgDragDY + y + static_cast<float>(boardPicture.Top() + edge)));
    b.picCard->show();
    b.picZorvane->Refresh();
}

// A refused drop draws the card back over the face-down card drawn when the drag began.
void putBackDraggedCard(ocxZorvane& b, std::size_t column) {
    const BoardState& s = b.state;
    b.objCard->ShowCard(*b.picZorvane, clsCard::kFace, columnTopCard(s, column), columnLeft(column),
                        rowTop(columnTopRow(s, column)), b.picFront);
}

// Paints what a move changed. The card's old cell goes back to the background, unless a drag
// lifted it already; the waste shows its new top, or the whole row when it was narrowed; the
// card uncovered in the column turns face up, or the stock's new top, which the erase cut
// short, is drawn whole.
void paintMove(ocxZorvane& b, const BoardState& before, bool lifted) {
    const BoardState& s = b.state;
    const int source = board::SourceColumn(before, s);
    const auto column = static_cast<std::size_t>(source);
    if (source < 0)
        b.EraseRect(board::kStockStep * before.sgStockTop, s.iStockY, kCellRight, kCellBottom);
    else if (!lifted)
        eraseColumnTopCell(b, before, column);
    if (s.sgWasteStep != before.sgWasteStep)
        b.DrawWasteRow(0, roundToInt16(s.sgWasteTop));
    else
        b.DrawFace(board::wasteTopCard(s), s.sgWasteTop * s.sgWasteStep, s.iWasteY);
    if (source < 0) {
        if (s.sgStockTop != kEmptyPile)
            b.objCard->ShowCard(*b.picZorvane, clsCard::kBack, s.sgBackIndex,
                                board::kStockStep * s.sgStockTop, s.iStockY, b.picBack);
    } else if (columnTopRow(s, column) != kEmptyPile) {
        b.DrawFace(columnTopCard(s, column), columnLeft(column), rowTop(columnTopRow(s, column)));
    }
}

} // namespace

void ocxZorvane::HitTest(float x, float y) {
    clearHit(state);
    if (!hitColumnTop(state, x, y))
        hitStockTop(state, x, y);
}

// Any button state but the left button alone only looks for a card, which also ends a drag
// that a second button interrupts. A press that began away from a card never drags one,
// since the hit is not looked for again while the left button alone is held.
void ocxZorvane::picZorvane_MouseMove(std::int16_t Button, std::int16_t, float X, float Y) {
    BoardState& s = state;
    if (Button != kLeftButtonAlone) {
        s.bDragging = 0;
        HitTest(X, Y);
        return;
    }
    if (s.iHitKind != kHitTableau || s.iHitColumn == -1)
        return;
    if (s.bDragging == 0) {
        // A key may have emptied the armed column since the hover; there is nothing to lift.
        if (columnTopRow(s, hitColumn(s)) == kEmptyPile)
            return;
        startDrag(*this, hitColumn(s));
    }
    carryDraggedCard(*this, hitColumn(s), X, Y);
}

// The drop: a neighbour of the top waste card dropped over it is laid there; anything else
// goes back silently. Either way the hit is forgotten and the deal's end is checked.
void ocxZorvane::picZorvane_MouseUp(std::int16_t Button, std::int16_t, float X, float Y) {
    BoardState& s = state;
    if (Button != kLeftButtonAlone || s.bDragging != board::kTrue)
        return;
    const std::size_t column = hitColumn(s);
    const BoardState before = s;
    const bool laid = droppedOverWaste(s, X, Y) && board::ColumnTopFitsWaste(s, column);
    if (laid) {
        board::MoveColumnTopToWaste(s, column);
        paintMove(*this, before, true);
    } else {
        putBackDraggedCard(*this, column);
    }
    picZorvane->Refresh();
    s.bDragging = 0;
    picCard->hide();
    clearHit(s);
    if (laid) {
        FinishMove(before);
        return;
    }
    CheckDealEnd();
    DescribeBoard();
}

// Acts on the card the last hover armed. The hit is forgotten either way, so a second
// double-click needs a new hover first.
void ocxZorvane::picZorvane_DblClick() {
    const std::int16_t kind = state.iHitKind;
    const std::int16_t column = state.iHitColumn;
    clearHit(state);
    PlayCard(kind, column);
}

void ocxZorvane::PlayCard(std::int16_t kind, std::int16_t column) {
    const BoardState before = state;
    if (!board::PlayCard(state, kind, column))
        return;
    paintMove(*this, before, false);
    picZorvane->Refresh();
    state.bDragging = 0;
    FinishMove(before);
}
