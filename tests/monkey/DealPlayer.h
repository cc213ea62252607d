#pragma once

#include <QPointF>
#include <QString>
#include <functional>
#include <random>

class ocxZorvane;

namespace testing {
class MessageBoxRecorder;
}

namespace monkey {

class InvariantChecker;

// How the deals played so far ended.
struct DealTally {
    long long cleared = 0;
    long long blocked = 0;
    long long readingsWithPairs = 0;
    long long readingsWithoutPairs = 0;
    long long pairs = 0;
    long long events = 0;
};

// Plays whole deals through pointer events only, as a simple player would: a tableau top card
// that fits the waste, the one with most cards under it first, dragged or double-clicked; else
// the next stock card. Then the closing runs tick by tick and a finished reading is dealt
// away with "&Prediction". The invariants are checked after every event.
class DealPlayer {
public:
    DealPlayer(ocxZorvane& board, testing::MessageBoxRecorder& messages, InvariantChecker& checker,
               quint64 seed);

    // Plays the deal on the board to its end; an empty text, or what broke.
    QString playDeal();
    const DealTally& tally() const { return tally_; }

private:
    QString makeMove();
    QString closeDeal();
    QString dragToWaste(int column);
    QString doubleClickAt(QPointF at);
    // Sends the events one at a time and checks after each; stops at the first fault.
    QString sendChecked(std::initializer_list<std::function<void()>> events);
    int bestColumn() const;
    QPointF dropOverWaste();
    bool closing() const;

    ocxZorvane& board_;
    testing::MessageBoxRecorder& messages_;
    InvariantChecker& checker_;
    std::mt19937_64 random_;
    DealTally tally_;
};

} // namespace monkey
