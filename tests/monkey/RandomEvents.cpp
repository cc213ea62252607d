#include "RandomEvents.h"

#include "board/Rules.h"
#include "board/ocxZorvane.h"
#include "support/Pointer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <array>

namespace monkey {
namespace {

QString buttonNames(Qt::MouseButtons buttons) {
    QStringList names;
    if (buttons & Qt::LeftButton)
        names << QStringLiteral("left");
    if (buttons & Qt::RightButton)
        names << QStringLiteral("right");
    if (buttons & Qt::MiddleButton)
        names << QStringLiteral("middle");
    return names.isEmpty() ? QStringLiteral("none") : names.join(QLatin1Char('+'));
}

QString pointText(QPointF at) {
    return QStringLiteral("(%1, %2)").arg(at.x(), 0, 'g', 12).arg(at.y(), 0, 'g', 12);
}

QPushButton* commandButton(ocxZorvane& b, int index) {
    const std::array<QPushButton*, 4> buttons = {b.cmdNew, b.cmdChange, b.cmdHelp, b.cmdAbout};
    return buttons[static_cast<std::size_t>(index)];
}

// Where a card lies: a column's top card (targets 0..4), the top stock card (5) or the top
// waste card (6).
QPointF cardCorner(const BoardState& s, int target) {
    if (target < board::kColumnCount) {
        const float top = s.sgColumnTop[static_cast<std::size_t>(target)];
        return {static_cast<double>(cards::kCardWidth * target),
                board::kRowStep * static_cast<double>(top < 0 ? 0 : top)};
    }
    if (target == board::kColumnCount)
        return {board::kStockStep * static_cast<double>(s.sgStockTop < 0 ? 0 : s.sgStockTop),
                static_cast<double>(s.iStockY)};
    return {std::nearbyint(s.sgWasteStep * s.sgWasteTop), static_cast<double>(s.iWasteY)};
}

// Offsets from a card's corner where the hit and drop tests change their answer.
constexpr std::array<double, 6> kEdgeOffsetsX = {0, 0.5, 1, 70.5, 71, 71.5};
constexpr std::array<double, 6> kEdgeOffsetsY = {0, 0.5, 1, 95.5, 96, 96.5};
// Board coordinates on and just beyond the client area's edges.
constexpr std::array<double, 8> kBoardEdgesX = {-1, -0.5, 0, 0.5, 354, 354.5, 355, 356};
constexpr std::array<double, 8> kBoardEdgesY = {-1, -0.5, 0, 0.5, 375, 375.5, 376, 377};
// Where 16-bit and 32-bit arithmetic would overflow if it did not saturate.
constexpr std::array<double, 6> kOverflowing = {32767.5, 32768.5, 65536, 2147483647.5, 1e10, 1e15};

constexpr std::array<int, 6> kOtherKeys = {Qt::Key_Space,  Qt::Key_0,      Qt::Key_6,
                                           Qt::Key_Return, Qt::Key_Escape, Qt::Key_P};
// No modifier half the time.
constexpr std::array<Qt::KeyboardModifier, 8> kModifiers = {
    Qt::NoModifier,    Qt::NoModifier,      Qt::NoModifier,  Qt::NoModifier,
    Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier, Qt::KeypadModifier};

} // namespace

QString Event::describe() const {
    switch (kind) {
    case Kind::Move:
        return QStringLiteral("move to %1 holding %2").arg(pointText(at), buttonNames(held));
    case Kind::Press:
        return QStringLiteral("press %1 at %2 also holding %3")
            .arg(buttonNames(button), pointText(at), buttonNames(held));
    case Kind::Release:
        return QStringLiteral("release %1 at %2 still holding %3")
            .arg(buttonNames(button), pointText(at), buttonNames(held));
    case Kind::DoubleClick:
        return QStringLiteral("double-click at %1").arg(pointText(at));
    case Kind::BareDoubleClick:
        return QStringLiteral("double-click press alone at %1 also holding %2")
            .arg(pointText(at), buttonNames(held));
    case Kind::HoverAndDoubleClick:
        return QStringLiteral("hover and double-click at %1").arg(pointText(at));
    case Kind::Key:
        return QStringLiteral("key %1 with modifiers 0x%2%3")
            .arg(QKeySequence(key).toString())
            .arg(modifiers.toInt(), 0, 16)
            .arg(autoRepeat ? QStringLiteral(", repeated") : QString());
    case Kind::Button:
        return QStringLiteral("click command button %1").arg(commandButton);
    case Kind::Tick:
        break;
    }
    return QStringLiteral("tick of the running closing timer");
}

void tickRunningTimer(ocxZorvane& board) {
    if (board.tmrShowLeftCard.isActive())
        board.tmrShowLeftCard_Timer();
    else if (board.tmrShowPairCard.isActive())
        board.tmrShowPairCard_Timer();
}

RandomEvents::RandomEvents(ocxZorvane& board, quint64 seed) : board_(board), random_(seed) {}

Event RandomEvents::next() {
    const Event event = choose();
    send(event);
    return event;
}

int RandomEvents::below(int bound) {
    return static_cast<int>(random_() % static_cast<quint64>(bound));
}

double RandomEvents::uniform(double low, double high) {
    return low + (high - low) * static_cast<double>(random_() >> 11) * 0x1.0p-53;
}

// Ticks come often while a closing runs, as the timer does between a player's moves.
Event RandomEvents::choose() {
    const bool closing = board_.tmrShowLeftCard.isActive() || board_.tmrShowPairCard.isActive();
    Event e;
    if (closing && below(100) < 40)
        return e;
    const int roll = below(1000);
    e.at = point();
    e.held = held_;
    if (roll < 400) {
        e.kind = Event::Kind::Move;
        if (below(2) == 0)
            e.held = anyButtons();
    } else if (roll < 550) {
        e.kind = Event::Kind::Press;
        e.button = anyButton();
    } else if (roll < 700) {
        e.kind = Event::Kind::Release;
        e.button = anyButton();
        e.held &= ~Qt::MouseButtons(e.button);
    } else if (roll < 800) {
        e.kind = Event::Kind::DoubleClick;
    } else if (roll < 830) {
        e.kind = Event::Kind::BareDoubleClick;
    } else if (roll < 950) {
        e.kind = Event::Kind::HoverAndDoubleClick;
        e.at = nearACard();
    } else if (roll < 998) {
        chooseKey(e);
    } else {
        e.kind = Event::Kind::Button;
        e.commandButton = below(4);
    }
    return e;
}

void RandomEvents::send(const Event& e) {
    platform::PictureBox& box = *board_.picZorvane;
    switch (e.kind) {
    case Event::Kind::Move:
        testing::moveTo(box, e.at, e.held);
        return;
    case Event::Kind::Press:
        testing::press(box, e.at, e.button, e.held);
        held_ |= e.button;
        return;
    case Event::Kind::Release:
        testing::release(box, e.at, e.button, e.held);
        held_ = e.held;
        return;
    case Event::Kind::DoubleClick:
        testing::doubleClick(box, e.at);
        held_ = Qt::NoButton;
        return;
    case Event::Kind::BareDoubleClick:
        testing::doubleClickPress(box, e.at, e.held);
        held_ |= Qt::LeftButton;
        return;
    case Event::Kind::HoverAndDoubleClick:
        testing::moveTo(box, e.at);
        testing::doubleClick(box, e.at);
        held_ = Qt::NoButton;
        return;
    case Event::Kind::Key: {
        QKeyEvent key(QEvent::KeyPress, e.key, e.modifiers, QString(), e.autoRepeat);
        QCoreApplication::sendEvent(&box, &key);
        return;
    }
    case Event::Kind::Button:
        commandButton(board_, e.commandButton)->click();
        return;
    case Event::Kind::Tick:
        tickRunningTimer(board_);
        return;
    }
}

QPointF RandomEvents::point() {
    const int roll = below(100);
    if (roll < 55)
        return nearACard();
    if (roll < 80)
        return {uniform(-20, board::kBoardWidth + 20), uniform(-20, board::kBoardHeight + 20)};
    if (roll < 90)
        return onAnEdge();
    return farAway();
}

// Half the time a card that can move, as a player who reads the board picks; the stock twice
// as often as any other place, since every deal needs it most.
int RandomEvents::target() {
    const int fitting = fittingColumn();
    if (fitting >= 0 && below(2) == 0)
        return fitting;
    const int place = below(board::kColumnCount + 3);
    return place > board::kColumnCount + 1 ? board::kColumnCount : place;
}

int RandomEvents::fittingColumn() const {
    for (std::size_t c = 0; c < board_.state.sgColumnTop.size(); ++c)
        if (board_.state.sgColumnTop[c] != board::kEmptyPile &&
            board::ColumnTopFitsWaste(board_.state, c))
            return static_cast<int>(c);
    return -1;
}

// Inside or on the edges of a top card, the top stock card or the top waste card.
QPointF RandomEvents::nearACard() {
    const QPointF corner = cardCorner(board_.state, target());
    if (below(5) == 0)
        return corner + QPointF(kEdgeOffsetsX[static_cast<std::size_t>(below(6))],
                                kEdgeOffsetsY[static_cast<std::size_t>(below(6))]);
    return corner + QPointF(uniform(0, cards::kCardWidth), uniform(0, cards::kCardHeight));
}

QPointF RandomEvents::onAnEdge() {
    return {kBoardEdgesX[static_cast<std::size_t>(below(8))],
            kBoardEdgesY[static_cast<std::size_t>(below(8))]};
}

// Beyond the board on one axis or both, up to where integer arithmetic would overflow.
QPointF RandomEvents::farAway() {
    const auto far = [this] {
        const double distance = below(4) == 0 ? kOverflowing[static_cast<std::size_t>(below(6))]
                                              : uniform(board::kBoardWidth, 1e6);
        return below(2) == 0 ? distance : -distance;
    };
    const int axes = below(3);
    return {axes == 1 ? uniform(0, board::kBoardWidth) : far(),
            axes == 2 ? uniform(0, board::kBoardHeight) : far()};
}

// The keys that play most often, with now and then a modifier, a repeat or another key.
void RandomEvents::chooseKey(Event& e) {
    e.kind = Event::Kind::Key;
    const int roll = below(10);
    e.key = roll < 5 ? Qt::Key_1 + roll : kOtherKeys[static_cast<std::size_t>(below(6))];
    e.modifiers = kModifiers[static_cast<std::size_t>(below(8))];
    e.autoRepeat = below(10) == 0;
}

// The left button most often, since it is the one that plays.
Qt::MouseButton RandomEvents::anyButton() {
    const int roll = below(10);
    if (roll < 6)
        return Qt::LeftButton;
    return roll < 8 ? Qt::RightButton : Qt::MiddleButton;
}

Qt::MouseButtons RandomEvents::anyButtons() {
    const int bits = below(8);
    Qt::MouseButtons buttons;
    if (bits & 1)
        buttons |= Qt::LeftButton;
    if (bits & 2)
        buttons |= Qt::RightButton;
    if (bits & 4)
        buttons |= Qt::MiddleButton;
    return buttons;
}

} // namespace monkey
