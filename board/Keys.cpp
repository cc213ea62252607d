#include "ocxZorvane.h"

// Keyboard play on the focused board picture: the double-click's moves, named by key instead
// of armed by a hover, so the hit state the mouse keeps stays as the pointer left it.

namespace {

// Shift is allowed: some layouts need it for the digits.
constexpr std::int16_t kCtrlOrAlt = 2 + 4;

bool isColumnKey(int keyCode) {
    return keyCode >= Qt::Key_1 && keyCode < Qt::Key_1 + board::kColumnCount;
}

bool isStockKey(int keyCode) {
    return keyCode == Qt::Key_Space || keyCode == Qt::Key_0;
}

} // namespace

void ocxZorvane::picZorvane_KeyDown(int KeyCode, std::int16_t Shift) {
    if ((Shift & kCtrlOrAlt) != 0 || state.bDragging == board::kTrue || DealIsClosing())
        return;
    if (isColumnKey(KeyCode))
        PlayCard(board::kHitTableau, static_cast<std::int16_t>(KeyCode - Qt::Key_1));
    else if (isStockKey(KeyCode))
        PlayCard(board::kHitStock, 0);
}

bool ocxZorvane::DealIsClosing() const {
    return tmrShowLeftCard.isActive() || tmrShowPairCard.isActive() || !lblRemark->isHidden();
}
