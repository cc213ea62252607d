#pragma once

#include <QPointF>
#include <QString>
#include <Qt>
#include <random>

class ocxZorvane;

namespace monkey {

// One thing a user, or a machine acting for one, did to the board.
struct Event {
    enum class Kind {
        Move,
        Press,
        Release,
        DoubleClick,
        BareDoubleClick,
        HoverAndDoubleClick,
        Key,
        Button,
        Tick
    };
    Kind kind = Kind::Tick;
    QPointF at;
    Qt::MouseButtons held;                 // held during a move, or besides the button pressed
    Qt::MouseButton button = Qt::NoButton; // pressed or released
    int commandButton = 0;                 // 0 "&Prediction", 1 "&New Back", 2 "&Help", 3 "&About"
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    bool autoRepeat = false;
    QString describe() const;
};

// What the platform does when a closing timer's interval is up: runs its handler, if it runs.
void tickRunningTimer(ocxZorvane& board);

// Sends random events to a board: pointer moves with any buttons held, at points on and
// around the cards, on the board's edges and far outside it; presses, releases and
// double-clicks; keys; clicks of the command buttons; and ticks of a closing timer that runs. The
// same seed sends the same events to a board dealt the same way.
class RandomEvents {
public:
    RandomEvents(ocxZorvane& board, quint64 seed);

    // Chooses the next event, sends it and says what it was.
    Event next();

private:
    Event choose();
    void send(const Event& event);
    int below(int bound);
    double uniform(double low, double high);
    QPointF point();
    QPointF nearACard();
    int target();
    int fittingColumn() const;
    QPointF onAnEdge();
    QPointF farAway();
    Qt::MouseButton anyButton();
    Qt::MouseButtons anyButtons();
    void chooseKey(Event& e);

    ocxZorvane& board_;
    std::mt19937_64 random_;
    Qt::MouseButtons held_; // what the presses and releases so far leave held
};

} // namespace monkey
