#include "board/ocxZorvane.h"
#include "forms/frmZorvane.h"
#include "platform/Speech.h"
#include "support/Pointer.h"
#include "support/RiggedDeal.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using testing::card;

namespace {

// Column 2's top card, a Seven, lies at row 4 in a rigged deal.
constexpr int kColumn = 2;
const QPointF kOnColumnTop(71 * kColumn + 30, 50);
const QPointF kOnStockTop(10 * 25 + 30, 200);

// Columns topped by Two of clubs, Three of diamonds, Seven of clubs, Five of spades and Four of
// hearts, the given waste card, and the King of hearts on top of the stock.
void rigDeal(ocxZorvane& b, float waste, float column0Top = card(1)) {
    cards::Deck deck = testing::orderedDeck();
    testing::putCard(deck, testing::tableauCell(kColumn, 4), card(6));
    testing::putCard(deck, testing::tableauCell(0, 4), column0Top);
    testing::putCard(deck, testing::kWasteCell, waste);
    testing::dealDeck(b, deck);
}

enum class Setup { Play, EmptyColumn, LastStockCard, NoStock };

void prepare(ocxZorvane& b, Setup setup, float waste) {
    rigDeal(b, waste);
    if (setup == Setup::EmptyColumn)
        testing::shortenColumn(b, kColumn, -1);
    if (setup == Setup::LastStockCard)
        testing::shortenStock(b, 0);
    if (setup == Setup::NoStock)
        testing::shortenStock(b, -1);
}

void doubleClickAt(ocxZorvane& b, QPointF at) {
    testing::moveTo(*b.picZorvane, at);
    testing::doubleClick(*b.picZorvane, at);
}

struct Hover {
    std::int16_t kind, column;
    float dx, dy;
    bool operator==(const Hover&) const = default;
};

Hover hoverOf(const BoardState& s) {
    return {s.iHitKind, s.iHitColumn, s.sgDragDX, s.sgDragDY};
}

// Every card of a deal whose stock is turned first and whose columns then clear one card at a
// time, each a rank above the last; the waste then pairs at every position of the reading.
cards::Deck chainDeck() {
    cards::Deck deck{};
    testing::layChain(deck);
    for (int k = 1; k < 26; ++k)
        deck[testing::stockCell(k)] = card((k - 1) % 13, 2 + (k - 1) / 13);
    deck[testing::kWasteCell] = card(12, 3);
    return deck;
}

// Closes every modal window as soon as it is open, while it lives.
class ModalCloser {
public:
    ModalCloser() {
        timer_.callOnTimeout([] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        timer_.start(10);
    }

private:
    QTimer timer_;
};

enum class Press { MouseClick, AccessKey, TabThenSpace };

QPushButton* commandButton(const ocxZorvane& board, int index) {
    return std::array{board.cmdNew, board.cmdChange, board.cmdHelp, board.cmdAbout}.at(
        static_cast<std::size_t>(index));
}

// Tab until the button has the focus, as a player pressing it by Space would.
// False when the button is not reached within one round of the window's controls.
bool tabTo(QWidget& window, QPushButton* button) {
    for (int tabs = 0; tabs <= 10; ++tabs) {
        if (QApplication::focusWidget() == button)
            return true;
        QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    }
    return false;
}

void pressButton(QWidget& window, QPushButton* button, Press how) {
    const QString caption = button->text();
    switch (how) {
    case Press::MouseClick:
        QTest::mouseClick(button, Qt::LeftButton);
        break;
    case Press::AccessKey:
        QTest::keyClick(window.windowHandle(),
                        caption.at(caption.indexOf('&') + 1).toLower().toLatin1(), Qt::AltModifier);
        break;
    case Press::TabThenSpace:
        QTest::keyClick(window.windowHandle(), Qt::Key_Space);
        break;
    }
}

QString accessibleName(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Press)

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void keyMovesWhatADoubleClickMoves_data();
    void keyMovesWhatADoubleClickMoves();
    void keyLeavesTheHoverAlone();
    void armedCardMovedByAKeyIsNotFoundAgain_data();
    void armedCardMovedByAKeyIsNotFoundAgain();
    void keysDoNothingDuringADragOrTheClosing_data();
    void keysDoNothingDuringADragOrTheClosing();
    void describesThePosition_data();
    void describesThePosition();
    void playsAndReadsADealWithTheKeyboardAlone();
    void digitsActOnlyWhileTheBoardHasTheFocus();
    void buttonsLeaveTheFocusWhereThePlayerPutIt_data();
    void buttonsLeaveTheFocusWhereThePlayerPutIt();
    void controlsHaveAccessibleNames();

private:
    testing::ConfigHome config_;
};

void KeysTest::keyMovesWhatADoubleClickMoves_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<float>("waste");
    QTest::addColumn<int>("key");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<bool>("blocks");

    const float six = card(5, 1);
    const float nine = card(8, 1);
    QTest::newRow("a fitting column")
        << Setup::Play << six << int(Qt::Key_3) << kOnColumnTop << true << false;
    QTest::newRow("a column that does not fit")
        << Setup::Play << nine << int(Qt::Key_3) << kOnColumnTop << false << false;
    // Column 1's Three, whose top cell lies right before column 2's cells, would fit the Four.
    QTest::newRow("an empty column")
        << Setup::EmptyColumn << card(3, 3) << int(Qt::Key_3) << kOnColumnTop << false << false;
    QTest::newRow("the stock by Space")
        << Setup::Play << nine << int(Qt::Key_Space) << kOnStockTop << true << false;
    QTest::newRow("the stock by 0")
        << Setup::Play << nine << int(Qt::Key_0) << kOnStockTop << true << false;
    // The last stock card, a Seven of diamonds, fits no column top: the deal is blocked.
    QTest::newRow("the last stock card")
        << Setup::LastStockCard << nine << int(Qt::Key_Space) << QPointF(30, 200) << true << true;
    QTest::newRow("an exhausted stock")
        << Setup::NoStock << six << int(Qt::Key_Space) << QPointF(30, 200) << false << false;
}

// The same rigged position is played once by the mouse and once by the key; the two boards
// must end alike, down to the pixel and the messages shown.
void KeysTest::keyMovesWhatADoubleClickMoves() {
    QFETCH(Setup, setup);
    QFETCH(float, waste);
    QFETCH(int, key);
    QFETCH(QPointF, at);
    QFETCH(bool, moves);
    QFETCH(bool, blocks);
    testing::ScriptedRandom zero({0.0f}); // both boards deal the same after a block
    testing::MessageBoxRecorder mouseBoxes;
    ocxZorvane mouse;
    prepare(mouse, setup, waste);
    doubleClickAt(mouse, at);
    const std::size_t mouseMessages = mouseBoxes.calls.size();

    testing::MessageBoxRecorder keyBoxes;
    ocxZorvane keys;
    prepare(keys, setup, waste);
    QTest::keyClick(keys.picZorvane, static_cast<Qt::Key>(key));

    const BoardState& m = mouse.state;
    const BoardState& k = keys.state;
    QCOMPARE(k.sgWasteTop, m.sgWasteTop);
    QCOMPARE(k.avWaste, m.avWaste);
    QCOMPARE(k.sgColumnTop, m.sgColumnTop);
    QCOMPARE(k.sgStockTop, m.sgStockTop);
    QVERIFY(keys.picZorvane->hDC() == mouse.picZorvane->hDC());
    QCOMPARE(keyBoxes.calls.size(), mouseMessages);
    QCOMPARE(keyBoxes.calls.size(), std::size_t(blocks ? 1 : 0));
    if (!blocks)
        QCOMPARE(k.sgWasteTop, moves ? 1.0f : 0.0f);
}

// The hover armed before the keys is still armed after them, and the double-click acts on it.
void KeysTest::keyLeavesTheHoverAlone() {
    ocxZorvane board;
    // On the Six go the Seven of column 2, then the King of the stock, then column 0's Ace.
    rigDeal(board, card(5, 1), card(0, 2));
    const QPointF onColumn0(30, 50);
    testing::moveTo(*board.picZorvane, onColumn0);
    const Hover armed = hoverOf(board.state);

    QTest::keyClick(board.picZorvane, Qt::Key_3);
    QTest::keyClick(board.picZorvane, Qt::Key_Space);
    QTest::keyClick(board.picZorvane, Qt::Key_5);
    QTest::keyClick(board.picZorvane, Qt::Key_9);

    QCOMPARE(board.state.sgWasteTop, 2.0f); // the Seven and a stock card
    QVERIFY(hoverOf(board.state) == armed);
    testing::doubleClick(*board.picZorvane, onColumn0);
    QCOMPARE(board.state.sgWasteTop, 3.0f);
    QCOMPARE(board.state.avWaste[3], card(0, 2));
}

void KeysTest::armedCardMovedByAKeyIsNotFoundAgain_data() {
    QTest::addColumn<bool>("drag");
    QTest::newRow("a double-click") << false;
    QTest::newRow("a drag") << true;
}

// A hover arms column 2's last card and a key moves it away: the pointer, which has not moved
// since, finds no card there to move or lift.
void KeysTest::armedCardMovedByAKeyIsNotFoundAgain() {
    QFETCH(bool, drag);
    ocxZorvane board;
    rigDeal(board, card(5, 1));
    BoardState& s = board.state;
    s.sgColumnTop[kColumn] = 0;
    s.sgTableau[kColumn][0] = card(6);
    platform::PictureBox& box = *board.picZorvane;
    const QPointF onLastCard(71 * kColumn + 30, 30);
    testing::moveTo(box, onLastCard);
    QTest::keyClick(&box, Qt::Key_3);
    QCOMPARE(s.sgColumnTop[kColumn], -1.0f);

    if (drag) {
        testing::press(box, onLastCard, Qt::LeftButton);
        testing::moveTo(box, onLastCard + QPointF(5, 5), Qt::LeftButton);
        QCOMPARE(s.bDragging, std::int16_t(0));
        QVERIFY(board.picCard->isHidden());
        testing::release(box, onLastCard + QPointF(5, 5), Qt::LeftButton);
    } else {
        testing::doubleClick(box, onLastCard);
    }
    QCOMPARE(s.sgWasteTop, 1.0f);
}

enum class Busy { Dragging, LayingLeftCards, Reading, ReadingShown };
Q_DECLARE_METATYPE(Busy)

void KeysTest::keysDoNothingDuringADragOrTheClosing_data() {
    QTest::addColumn<Busy>("busy");
    QTest::newRow("during a drag") << Busy::Dragging;
    QTest::newRow("while the left-over cards are laid") << Busy::LayingLeftCards;
    QTest::newRow("during the reading") << Busy::Reading;
    QTest::newRow("with the reading shown") << Busy::ReadingShown;
}

// A position where both a column key and the stock key would move a card.
void KeysTest::keysDoNothingDuringADragOrTheClosing() {
    QFETCH(Busy, busy);
    ocxZorvane board;
    rigDeal(board, card(5, 1));
    switch (busy) {
    case Busy::Dragging:
        testing::moveTo(*board.picZorvane, kOnColumnTop);
        testing::press(*board.picZorvane, kOnColumnTop, Qt::LeftButton);
        testing::moveTo(*board.picZorvane, kOnColumnTop + QPointF(0, 100), Qt::LeftButton);
        QCOMPARE(board.state.bDragging, std::int16_t(-1));
        break;
    case Busy::LayingLeftCards:
        board.tmrShowLeftCard.start();
        break;
    case Busy::Reading:
        board.tmrShowPairCard.start();
        break;
    case Busy::ReadingShown:
        board.lblRemark->show();
        break;
    }
    const QImage before = board.picZorvane->hDC();

    for (Qt::Key key : {Qt::Key_3, Qt::Key_Space, Qt::Key_0})
        QTest::keyClick(board.picZorvane, key);

    QCOMPARE(board.state.sgWasteTop, 0.0f);
    QCOMPARE(board.state.sgColumnTop[kColumn], 4.0f);
    QCOMPARE(board.state.sgStockTop, 25.0f);
    QVERIFY(board.picZorvane->hDC() == before);
    board.tmrShowLeftCard.stop();
    board.tmrShowPairCard.stop();
}

void KeysTest::describesThePosition_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("words");
    QTest::newRow("a fresh deal")
        << QList<int>{}
        << "Waste: Six of diamonds. Columns: Two of clubs, Three of diamonds, Seven of clubs, "
           "Five of spades, Four of hearts. Stock: 26 cards.";
    QTest::newRow("a column card moved")
        << QList<int>{Qt::Key_3}
        << "Waste: Seven of clubs. Columns: Two of clubs, Three of diamonds, Four of diamonds, "
           "Five of spades, Four of hearts. Stock: 26 cards.";
    QTest::newRow("a stock card turned")
        << QList<int>{Qt::Key_Space}
        << "Waste: King of hearts. Columns: Two of clubs, Three of diamonds, Seven of clubs, "
           "Five of spades, Four of hearts. Stock: 25 cards.";
}

void KeysTest::describesThePosition() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, words);
    ocxZorvane board;
    rigDeal(board, card(5, 1));
    for (int key : keys)
        QTest::keyClick(board.picZorvane, static_cast<Qt::Key>(key));
    QCOMPARE(board.picZorvane->accessibleDescription(), words);
}

// In the real window, with its focus as it opens: every stock card, then every column card
// in turn, then the reading, whose omens the description ends with.
void KeysTest::playsAndReadsADealWithTheKeyboardAlone() {
    testing::MessageBoxRecorder boxes;
    frmZorvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ocxZorvane& board = *window.board();
    testing::dealDeck(board, chainDeck());
    QCOMPARE(QApplication::focusWidget(), board.picZorvane);
    QWindow* keyboard = window.windowHandle();

    for (int i = 0; i < 26; ++i)
        QTest::keyClick(keyboard, Qt::Key_Space);
    QCOMPARE(board.picZorvane->accessibleDescription(),
             QStringLiteral("Waste: Ace of clubs. Columns: Two of clubs, Seven of clubs, Queen of "
                            "clubs, Four of diamonds, Nine of diamonds. Stock: empty."));
    for (Qt::Key column : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5})
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(keyboard, column);
    QVERIFY(board.tmrShowPairCard.isActive());
    QVERIFY(platform::LastAnnouncement(board.picZorvane)
                .endsWith(QStringLiteral(" All columns are empty; the cards are being read.")));
    QCOMPARE(board.picZorvane->accessibleDescription(),
             QStringLiteral("Waste: being read. Columns: empty, empty, empty, empty, empty. "
                            "Stock: empty."));

    board.tmrShowPairCard.stop();
    for (int tick = 0; tick < 105; ++tick)
        board.tmrShowPairCard_Timer();
    board.tmrShowPairCard.stop();

    QVERIFY(boxes.calls.empty());
    const QStringList lines = board.picZorvane->accessibleDescription().split('\n');
    QCOMPARE(lines.size(), 2 + 26);
    QCOMPARE(lines[0], QStringLiteral("Waste: empty. Columns: empty, empty, empty, empty, empty. "
                                      "Stock: empty."));
    QCOMPARE(lines[1], QStringLiteral("Omens:"));
    QCOMPARE(lines[2], QStringLiteral("As you sow, so will you reap")); // the Kings
    QCOMPARE(lines[3], QStringLiteral("Woman outside is water"));       // the Queens
    // The omen label reads its lines, without the break that ends the last.
    QCOMPARE(accessibleName(board.lblRemark), lines.mid(2).join('\n'));
    // A screen reader speaks the omens once the reading ends.
    QCOMPARE(platform::LastAnnouncement(board.picZorvane),
             QStringLiteral("The reading: ") + lines.mid(2).join(QStringLiteral(". ")) + '.');
}

// Tab takes the focus to the buttons, where the digits do nothing, and the access keys work
// wherever the focus is.
void KeysTest::digitsActOnlyWhileTheBoardHasTheFocus() {
    frmZorvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ocxZorvane& board = *window.board();
    rigDeal(board, card(5, 1));
    QWindow* keyboard = window.windowHandle();
    QTest::keyClick(keyboard, Qt::Key_3);
    QCOMPARE(board.state.sgWasteTop, 1.0f);

    QTest::keyClick(keyboard, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), board.cmdNew);
    QTest::keyClick(keyboard, Qt::Key_4);
    QTest::keyClick(keyboard, Qt::Key_0);
    QCOMPARE(board.state.sgWasteTop, 1.0f);
    QCOMPARE(board.state.sgStockTop, 25.0f);

    QTest::keyClick(keyboard, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), board.picZorvane);
    QTest::keyClick(keyboard, Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(board.state.sgWasteTop, 0.0f); // dealt anew once the button's press is shown
    QCOMPARE(board.state.sgColumnTop[kColumn], 4.0f);
}

void KeysTest::buttonsLeaveTheFocusWhereThePlayerPutIt_data() {
    QTest::addColumn<Press>("how");
    QTest::addColumn<int>("button");         // Prediction, New Back, Help, About
    QTest::addColumn<bool>("keepsTheFocus"); // else the board has it
    const std::pair<Press, const char*> ways[] = {{Press::MouseClick, "mouse click"},
                                                  {Press::AccessKey, "Alt+letter"},
                                                  {Press::TabThenSpace, "Tab then Space"}};
    const char* const captions[] = {"Prediction", "New Back", "Help", "About"};
    for (const auto& [how, way] : ways)
        for (int button = 0; button < 4; ++button)
            // Only a button the player moved the focus to keeps it; a window the button opened
            // gives the focus back to the board when it closes.
            QTest::addRow("%s by %s", captions[button], way)
                << how << button << (how == Press::TabThenSpace && button < 2);
}

// The button acts once and the focus does not wander meanwhile; then Space acts once more, on
// the button if it kept the focus, otherwise on the board, where it turns a stock card.
void KeysTest::buttonsLeaveTheFocusWhereThePlayerPutIt() {
    QFETCH(Press, how);
    QFETCH(int, button);
    QFETCH(bool, keepsTheFocus);
    ModalCloser closer;
    frmZorvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ocxZorvane& board = *window.board();
    QPushButton* const pressed = commandButton(board, button);
    QSignalSpy clicks(pressed, &QPushButton::clicked);
    if (how == Press::TabThenSpace)
        QVERIFY(tabTo(window, pressed));
    QSignalSpy focusChanges(qApp, &QApplication::focusChanged);
    const bool opensAWindow = button >= 2;

    pressButton(window, pressed, how);
    QTRY_COMPARE(clicks.size(), 1);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    // The window's own focus, which the keys reach when the window is active again.
    QWidget* const focused = keepsTheFocus ? static_cast<QWidget*>(pressed) : board.picZorvane;
    QCOMPARE(window.focusWidget(), focused);
    if (!opensAWindow)
        QCOMPARE(focusChanges.size(), 0);

    const float stockBefore = board.state.sgStockTop;
    QTest::keyClick(window.windowHandle(), Qt::Key_Space);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(clicks.size(), keepsTheFocus ? 2 : 1);
    QCOMPARE(board.state.sgStockTop, keepsTheFocus ? 25.0f : stockBefore - 1);
}

// The buttons by their captions without the access-key mark; links by their text; the board's
// help names the keys that play.
void KeysTest::controlsHaveAccessibleNames() {
    ocxZorvane board;
    QCOMPARE(accessibleName(board.cmdNew), QStringLiteral("Prediction"));
    QCOMPARE(accessibleName(board.cmdChange), QStringLiteral("New Back"));
    QCOMPARE(accessibleName(board.cmdHelp), QStringLiteral("Help"));
    QCOMPARE(accessibleName(board.cmdAbout), QStringLiteral("About"));
    QCOMPARE(accessibleName(board.lblWebPage), board.lblWebPage->Caption());
    QCOMPARE(accessibleName(board.picZorvane), QStringLiteral("Board"));
    const QString help =
        QAccessible::queryAccessibleInterface(board.picZorvane)->text(QAccessible::Help);
    for (const char* key : {"1 to 5", "Space", "0"})
        QVERIFY2(help.contains(QLatin1String(key)), qPrintable(help));
}

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
