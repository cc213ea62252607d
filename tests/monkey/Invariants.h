#pragma once

#include "board/BoardState.h"

#include <QString>
#include <array>

class ocxZorvane;

namespace monkey {

// Watches one board from event to event and tells what, if anything, breaks the rules that
// hold whatever the player does. It remembers what the state alone cannot tell: the columns
// whose top card a drag lifted off the board and no drop has put back, since a second button
// or a double-click may end a drag and leave the card in the air.
class InvariantChecker {
public:
    // Reads the board only; its sheets are reached through the non-const hDC.
    explicit InvariantChecker(ocxZorvane& board);

    // Call after every event; an empty text when everything holds.
    QString check();

    // How often the board image had changed and was compared with the state.
    long long imageChecks() const { return imageChecks_; }

private:
    void followLiftedCards(const BoardState& s);
    bool imageMayHaveChanged(const BoardState& s) const;
    QString imageMismatch() const;

    ocxZorvane& board_;
    BoardState previous_;
    qint64 previousImageKey_ = 0;
    std::array<bool, board::kColumnCount> lifted_{};
    std::array<bool, board::kColumnCount> previousLifted_{};
    long long imageChecks_ = 0;
};

} // namespace monkey
