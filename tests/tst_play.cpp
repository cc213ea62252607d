#include "board/ocxZorvane.h"
#include "support/PixelTruth.h"
#include "support/Pointer.h"
#include "support/RiggedDeal.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <QTest>
#include <cmath>

using testing::card;

namespace {

constexpr float kUntouched = 999; // a drag offset that no hover has written
constexpr int kColumn = 2;        // the column most tests play from, at x 142..212
constexpr float kColumnLeft = 71 * kColumn;

// Where the pointer takes hold of column 2's top card: 30 pixels right of and below its corner.
QPointF grip(int row) {
    return {kColumnLeft + 30, 5.0 * row + 30};
}

// Where to release a card held by that grip so that its corner lands 10 pixels inside the top
// waste card.
QPointF overWasteTop(const BoardState& s) {
    return {std::nearbyint(s.sgWasteStep * s.sgWasteTop) + 40, 320};
}

// Hovers over the top stock card, at index top, and double-clicks it.
void turnStockTop(platform::PictureBox& box, int top) {
    const QPointF onStockTop(10 * top + 30, 200);
    testing::moveTo(box, onStockTop);
    testing::doubleClick(box, onStockTop);
}

const QImage& faces(ocxZorvane& b) {
    return b.picFront.hDC();
}
const QImage& backs(ocxZorvane& b) {
    return b.picBack.hDC();
}

// Column 2's top card, which lay at row, is now the second waste card and the card below it
// shows face up, or the column is empty and black.
void verifyMovedFromColumn(ocxZorvane& b, int row, float moved) {
    const BoardState& s = b.state;
    const QImage& image = b.picZorvane->hDC();
    QCOMPARE(s.sgWasteTop, 1.0f);
    QCOMPARE(s.avWaste[1], moved);
    VERIFY_FACE(image, 10, 280, static_cast<int>(moved), faces(b));
    QCOMPARE(s.sgColumnTop[kColumn], static_cast<float>(row - 1));
    if (row == 0) {
        VERIFY_FILL(image, QRect(142, 0, 71, 116), Qt::black);
        return;
    }
    VERIFY_FACE(image, 142, 5 * (row - 1), static_cast<int>(s.sgTableau[kColumn][row - 1]),
                faces(b));
    VERIFY_FILL(image, QRect(142, 5 * row + 91, 71, 5), Qt::black);
}

void verifyNothingMoved(ocxZorvane& b, int row, const QImage& before) {
    QCOMPARE(b.state.sgWasteTop, 0.0f);
    QCOMPARE(b.state.sgColumnTop[kColumn], static_cast<float>(row));
    QVERIFY(b.picZorvane->hDC() == before);
}

// Deals a Seven on top of column 2 over the given waste card, takes the Seven and drags it to
// (200, 200).
void dragColumnSeven(ocxZorvane& b, float waste) {
    cards::Deck deck = testing::orderedDeck();
    testing::putCard(deck, testing::tableauCell(kColumn, 4), card(6));
    testing::putCard(deck, testing::kWasteCell, waste);
    testing::dealDeck(b, deck);
    platform::PictureBox& box = *b.picZorvane;
    testing::moveTo(box, grip(4));
    testing::press(box, grip(4), Qt::LeftButton);
    testing::moveTo(box, QPointF(200, 200), Qt::LeftButton);
}

void verifyHitCleared(const BoardState& s) {
    QCOMPARE(s.iHitKind, std::int16_t(-1));
    QCOMPARE(s.iHitColumn, std::int16_t(-1));
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void hoverFindsTheCardUnderThePointer_data();
    void hoverFindsTheCardUnderThePointer();
    void dropOnTheWaste_data();
    void dropOnTheWaste();
    void pressAwayFromACardNeverDrags_data();
    void pressAwayFromACardNeverDrags();
    void secondButtonDuringADragLeavesTheCardLifted();
    void whatForgetsTheHitEndsTheDrag_data();
    void whatForgetsTheHitEndsTheDrag();
    void doubleClickOnTheStock_data();
    void doubleClickOnTheStock();
    void doubleClickOnATableauCard_data();
    void doubleClickOnATableauCard();
    void playsARiggedDealToAClear();
    void playsARiggedDealToABlock();

private:
    testing::ConfigHome config_;
    testing::MessageBoxRecorder boxes_;
};

void PlayTest::hoverFindsTheCardUnderThePointer_data() {
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<Qt::MouseButtons>("held");
    QTest::addColumn<float>("columnTop"); // of column 2
    QTest::addColumn<float>("stockTop");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("column");
    QTest::addColumn<QPointF>("offset"); // sgDragDX, sgDragDY afterwards

    const Qt::MouseButtons none = Qt::NoButton;
    const Qt::MouseButtons right = Qt::RightButton;
    const QPointF kept(kUntouched, kUntouched);
    // Column 2's top card at row 4 spans y 20..115; the top stock card spans x 250..320.
    QTest::newRow("top card, its first row y 20")
        << QPointF(170, 20) << none << 4.f << 25.f << -1 << -1 << kept;
    QTest::newRow("top card, y 21")
        << QPointF(170, 21) << none << 4.f << 25.f << 0 << 2 << QPointF(-28, -1);
    QTest::newRow("top card, y 115")
        << QPointF(170, 115) << none << 4.f << 25.f << 0 << 2 << QPointF(-28, -95);
    QTest::newRow("below the top card, y 116")
        << QPointF(170, 116) << none << 4.f << 25.f << -1 << -1 << kept;
    QTest::newRow("strip of a covered card")
        << QPointF(170, 10) << none << 4.f << 25.f << -1 << -1 << kept;
    QTest::newRow("top at row 2, y 10")
        << QPointF(170, 10) << none << 2.f << 25.f << -1 << -1 << kept;
    QTest::newRow("top at row 2, y 11")
        << QPointF(170, 11) << none << 2.f << 25.f << 0 << 2 << QPointF(-28, -1);
    QTest::newRow("top at row 0, y 0.5")
        << QPointF(170, 0.5) << none << 0.f << 25.f << 0 << 2 << QPointF(-28, -0.5);
    QTest::newRow("empty column") << QPointF(170, 50) << none << -1.f << 25.f << -1 << -1 << kept;
    QTest::newRow("x 70.5 rounds to 70, column 0")
        << QPointF(70.5, 50) << none << 4.f << 25.f << 0 << 0 << QPointF(-70.5, -30);
    QTest::newRow("x 70.6 rounds to 71, column 1")
        << QPointF(70.6, 50) << none << 4.f << 25.f << 0 << 1 << QPointF(71 - 70.6f, -30);
    QTest::newRow("left and middle held still hover")
        << QPointF(170, 50) << (Qt::LeftButton | Qt::MiddleButton) << 4.f << 25.f << 0 << 2
        << QPointF(-28, -30);
    QTest::newRow("outside, x -0.6 truncates to column 0")
        << QPointF(-0.6, 50) << right << 4.f << 25.f << 0 << 0 << QPointF(0.6, -30);
    QTest::newRow("outside, x -70.4 still column 0")
        << QPointF(-70.4, 50) << right << 4.f << 25.f << 0 << 0 << QPointF(70.4, -30);
    QTest::newRow("outside, x -70.6 left of every column")
        << QPointF(-70.6, 50) << right << 4.f << 25.f << -1 << -1 << kept;
    QTest::newRow("outside, x 355 right of every column")
        << QPointF(355, 50) << right << 4.f << 25.f << -1 << -1 << kept;
    QTest::newRow("outside, x 400 at stock height")
        << QPointF(400, 200) << right << 4.f << 25.f << -1 << -1 << kept;
    QTest::newRow("stock, left edge x 250")
        << QPointF(250, 200) << none << 4.f << 25.f << -1 << -1 << kept;
    QTest::newRow("stock, x 250.5") << QPointF(250.5, 200) << none << 4.f << 25.f << 1 << 0 << kept;
    QTest::newRow("stock, x 320.9") << QPointF(320.9, 200) << none << 4.f << 25.f << 1 << 0 << kept;
    QTest::newRow("stock, x 321") << QPointF(321, 200) << none << 4.f << 25.f << -1 << -1 << kept;
    QTest::newRow("stock, top edge y 150")
        << QPointF(260, 150) << none << 4.f << 25.f << -1 << -1 << kept;
    QTest::newRow("stock, y 150.5") << QPointF(260, 150.5) << none << 4.f << 25.f << 1 << 0 << kept;
    QTest::newRow("stock, y 245.9") << QPointF(260, 245.9) << none << 4.f << 25.f << 1 << 0 << kept;
    QTest::newRow("stock, y 246") << QPointF(260, 246) << none << 4.f << 25.f << -1 << -1 << kept;
    QTest::newRow("strip of a covered stock card")
        << QPointF(245, 200) << none << 4.f << 25.f << -1 << -1 << kept;
    QTest::newRow("stock exhausted")
        << QPointF(260, 200) << none << 4.f << -1.f << -1 << -1 << kept;
    QTest::newRow("last stock card") << QPointF(0.5, 200) << none << 4.f << 0.f << 1 << 0 << kept;
    QTest::newRow("stock under a full column")
        << QPointF(170, 200) << none << 4.f << 12.f << 1 << 0 << kept;
    QTest::newRow("stock under an empty column")
        << QPointF(170, 200) << none << -1.f << 12.f << 1 << 0 << kept;
}

void PlayTest::hoverFindsTheCardUnderThePointer() {
    QFETCH(QPointF, at);
    QFETCH(Qt::MouseButtons, held);
    QFETCH(float, columnTop);
    QFETCH(float, stockTop);
    QFETCH(int, kind);
    QFETCH(int, column);
    QFETCH(QPointF, offset);
    ocxZorvane board;
    BoardState& s = board.state;
    s.sgColumnTop[kColumn] = columnTop;
    s.sgStockTop = stockTop;
    s.iHitKind = 0; // as an earlier hover may have left it
    s.iHitColumn = 3;
    s.sgDragDX = kUntouched;
    s.sgDragDY = kUntouched;

    testing::moveTo(*board.picZorvane, at, held);

    QCOMPARE(s.iHitKind, std::int16_t(kind));
    QCOMPARE(s.iHitColumn, std::int16_t(column));
    QCOMPARE(s.sgDragDX, static_cast<float>(offset.x()));
    QCOMPARE(s.sgDragDY, static_cast<float>(offset.y()));
    QCOMPARE(s.bDragging, std::int16_t(0));
}

void PlayTest::dropOnTheWaste_data() {
    QTest::addColumn<float>("dragged");
    QTest::addColumn<float>("waste");
    QTest::addColumn<int>("row");        // of column 2's top card
    QTest::addColumn<QPointF>("corner"); // the dragged card's corner at the drop, unrounded
    QTest::addColumn<bool>("accepted");

    const float seven = card(6);
    const float six = card(5, 1);
    // The top waste card lies at (0, 280): a corner must fall strictly inside 0..71 x 280..376.
    QTest::newRow("a Seven on a Six") << seven << six << 4 << QPointF(10, 290) << true;
    QTest::newRow("a Seven on an Eight") << seven << card(7, 2) << 4 << QPointF(10, 290) << true;
    QTest::newRow("a King on an Ace") << card(12) << card(0, 3) << 4 << QPointF(10, 290) << true;
    QTest::newRow("an Ace on a King") << card(0) << card(12, 3) << 4 << QPointF(10, 290) << true;
    QTest::newRow("the column's last card") << seven << six << 0 << QPointF(10, 290) << true;
    QTest::newRow("only the right corners inside")
        << seven << six << 4 << QPointF(-70, 290) << true;
    QTest::newRow("only the lower corners inside") << seven << six << 4 << QPointF(10, 375) << true;
    QTest::newRow("left 1.5 rounds to 2") << seven << six << 4 << QPointF(1.5, 290) << true;
    QTest::newRow("left -0.6 rounds to -1") << seven << six << 4 << QPointF(-0.6, 290) << true;
    QTest::newRow("a Seven on a Ten") << seven << card(9, 1) << 4 << QPointF(10, 290) << false;
    QTest::newRow("a Seven on a Seven") << seven << card(6, 1) << 4 << QPointF(10, 290) << false;
    QTest::newRow("left level with the waste") << seven << six << 4 << QPointF(0, 290) << false;
    QTest::newRow("left 0.5 rounds to the waste's")
        << seven << six << 4 << QPointF(0.5, 290) << false;
    QTest::newRow("top level with the waste, 280")
        << seven << six << 4 << QPointF(10, 280) << false;
    QTest::newRow("top 280.5 rounds to 280") << seven << six << 4 << QPointF(10, 280.5) << false;
    QTest::newRow("top 279.6 rounds to 280") << seven << six << 4 << QPointF(10, 279.6) << false;
    QTest::newRow("just right of the waste") << seven << six << 4 << QPointF(71, 290) << false;
    QTest::newRow("just left of the waste") << seven << six << 4 << QPointF(-71, 290) << false;
    QTest::newRow("just below the waste") << seven << six << 4 << QPointF(10, 376) << false;
    QTest::newRow("on the stock") << seven << six << 4 << QPointF(200, 170) << false;
}

void PlayTest::dropOnTheWaste() {
    QFETCH(float, dragged);
    QFETCH(float, waste);
    QFETCH(int, row);
    QFETCH(QPointF, corner);
    QFETCH(bool, accepted);
    ocxZorvane board;
    cards::Deck deck = testing::orderedDeck();
    testing::putCard(deck, testing::tableauCell(kColumn, row), dragged);
    testing::putCard(deck, testing::kWasteCell, waste);
    testing::dealDeck(board, deck);
    testing::shortenColumn(board, kColumn, row);
    const BoardState& s = board.state;
    const QImage& image = board.picZorvane->hDC();
    const QImage before = image;
    platform::PictureBox& box = *board.picZorvane;

    testing::moveTo(box, grip(row));
    testing::press(box, grip(row), Qt::LeftButton);
    testing::moveTo(box, QPointF(200, 200), Qt::LeftButton);

    // Lifted: the face floats 30 pixels up and left of the pointer, its cell is background,
    // and the card below shows whole, face down.
    QCOMPARE(s.bDragging, std::int16_t(-1));
    QVERIFY(!board.picCard->isHidden());
    QCOMPARE(board.picCard->pos(), QPoint(8 + 2 + 170, 72 + 2 + 170));
    VERIFY_FACE(board.picCard->hDC(), 0, 0, static_cast<int>(dragged), faces(board));
    if (row == 0) {
        VERIFY_FILL(image, QRect(142, 0, 71, 96), Qt::black);
    } else {
        VERIFY_BACK(image, 142, 5 * (row - 1), 0, backs(board));
        VERIFY_FILL(image, QRect(142, 5 * row + 91, 71, 5), Qt::black);
    }

    const QPointF dropAt = corner + QPointF(30, 30);
    testing::moveTo(box, dropAt, Qt::LeftButton);
    testing::release(box, dropAt, Qt::LeftButton);

    QCOMPARE(s.bDragging, std::int16_t(0));
    QVERIFY(board.picCard->isHidden());
    verifyHitCleared(s);
    if (accepted)
        verifyMovedFromColumn(board, row, dragged);
    else
        verifyNothingMoved(board, row, before);
}

void PlayTest::pressAwayFromACardNeverDrags_data() {
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<int>("kind"); // what the hover found there

    QTest::newRow("empty board") << QPointF(200, 130) << -1;
    QTest::newRow("the top stock card") << QPointF(260, 200) << 1;
    QTest::newRow("a covered card's strip") << QPointF(170, 10) << -1;
}

void PlayTest::pressAwayFromACardNeverDrags() {
    QFETCH(QPointF, start);
    QFETCH(int, kind);
    ocxZorvane board;
    cards::Deck deck = testing::orderedDeck();
    testing::putCard(deck, testing::tableauCell(kColumn, 4), card(6));
    testing::putCard(deck, testing::kWasteCell, card(5, 1));
    testing::dealDeck(board, deck);
    const QImage before = board.picZorvane->hDC();
    platform::PictureBox& box = *board.picZorvane;

    testing::moveTo(box, start);
    testing::press(box, start, Qt::LeftButton);
    testing::moveTo(box, grip(4), Qt::LeftButton); // over a fitting card, which stays put
    testing::moveTo(box, QPointF(40, 320), Qt::LeftButton);
    testing::release(box, QPointF(40, 320), Qt::LeftButton);

    QCOMPARE(board.state.bDragging, std::int16_t(0));
    QVERIFY(board.picCard->isHidden());
    verifyNothingMoved(board, 4, before);
    QCOMPARE(board.state.sgStockTop, 25.0f);
    QCOMPARE(board.state.iHitKind, std::int16_t(kind)); // a release without a drag keeps it
}

// A second button ends the drag without putting the card back: it stays lifted in the air
// and in the column's data, and the left button's release then does nothing.
void PlayTest::secondButtonDuringADragLeavesTheCardLifted() {
    ocxZorvane board;
    dragColumnSeven(board, card(5, 1));
    const BoardState& s = board.state;
    platform::PictureBox& box = *board.picZorvane;
    const QImage lifted = box.hDC();
    const QPoint inTheAir = board.picCard->pos();

    testing::press(box, QPointF(200, 210), Qt::RightButton, Qt::LeftButton);
    testing::moveTo(box, QPointF(200, 210), Qt::LeftButton | Qt::RightButton);
    QCOMPARE(s.bDragging, std::int16_t(0));
    verifyHitCleared(s); // the hover found nothing at (200, 210)

    testing::release(box, QPointF(200, 210), Qt::RightButton, Qt::LeftButton);
    testing::moveTo(box, QPointF(30, 310), Qt::LeftButton);
    testing::release(box, QPointF(30, 310), Qt::LeftButton);

    QCOMPARE(s.sgColumnTop[kColumn], 4.0f);
    QCOMPARE(s.sgWasteTop, 0.0f);
    QVERIFY(box.hDC() == lifted);
    VERIFY_FILL(box.hDC(), QRect(142, 111, 71, 5), Qt::black);
    QVERIFY(!board.picCard->isHidden());
    QCOMPARE(board.picCard->pos(), inTheAir);
    QVERIFY(boxes_.calls.empty());
}

enum class DragEnd { DoubleClickPress, Prediction, NewBack };

void PlayTest::whatForgetsTheHitEndsTheDrag_data() {
    QTest::addColumn<int>("end");
    QTest::addColumn<float>("waste"); // a Ten does not take the dragged Seven, a Six does
    QTest::newRow("double-click press") << int(DragEnd::DoubleClickPress) << card(9, 1);
    QTest::newRow("&Prediction") << int(DragEnd::Prediction) << card(5, 1);
    QTest::newRow("&New Back") << int(DragEnd::NewBack) << card(5, 1);
}

// A drag lives on its hit card: whatever forgets the hit ends the drag, so the left button's
// release drops nothing afterwards, and a new deal also takes the card out of the air. Both
// went wrong once: the release read the cleared hit column as a column index.
void PlayTest::whatForgetsTheHitEndsTheDrag() {
    QFETCH(int, end);
    QFETCH(float, waste);
    const testing::ConfigHome ownSettings; // the back "&New Back" saves stays with this test
    ocxZorvane board;
    dragColumnSeven(board, waste);
    const BoardState& s = board.state;
    platform::PictureBox& box = *board.picZorvane;
    QCOMPARE(s.bDragging, std::int16_t(-1));

    if (end == int(DragEnd::DoubleClickPress))
        testing::doubleClickPress(box, QPointF(200, 200), Qt::LeftButton);
    else
        (end == int(DragEnd::Prediction) ? board.cmdNew : board.cmdChange)->click();
    QCOMPARE(s.bDragging, std::int16_t(0));
    verifyHitCleared(s);
    const bool newDeal = end != int(DragEnd::DoubleClickPress);
    QCOMPARE(board.picCard->isHidden(), newDeal);

    const float columnTop = s.sgColumnTop[kColumn];
    const QImage before = box.hDC();
    testing::release(box, overWasteTop(s), Qt::LeftButton);
    QCOMPARE(s.sgWasteTop, 0.0f);
    QCOMPARE(s.sgColumnTop[kColumn], columnTop);
    QVERIFY(box.hDC() == before);
}

void PlayTest::doubleClickOnTheStock_data() {
    QTest::addColumn<int>("top");
    QTest::newRow("top of a full stock") << 25;
    QTest::newRow("the last stock card") << 0;
}

void PlayTest::doubleClickOnTheStock() {
    QFETCH(int, top);
    ocxZorvane board;
    cards::Deck deck = testing::orderedDeck();
    // The waste's King takes no tableau card; the last stock card, a Six, does, so turning it
    // does not block the deal.
    testing::putCard(deck, testing::stockCell(0), card(5, 1));
    testing::dealDeck(board, deck);
    testing::shortenStock(board, top);
    const BoardState& s = board.state;
    const QImage& image = board.picZorvane->hDC();
    const float turned = s.avStock[top];
    const QPointF onTop(10 * top + 30, 200);

    testing::moveTo(*board.picZorvane, onTop);
    testing::doubleClick(*board.picZorvane, onTop);
    testing::doubleClick(*board.picZorvane, onTop); // the hit is gone: no second card

    QCOMPARE(s.sgWasteTop, 1.0f);
    QCOMPARE(s.avWaste[1], turned);
    VERIFY_FACE(image, 10, 280, static_cast<int>(turned), faces(board));
    QCOMPARE(s.sgStockTop, static_cast<float>(top - 1));
    if (top == 0) {
        VERIFY_FILL(image, QRect(0, 150, 71, 96), Qt::black);
    } else {
        VERIFY_BACK(image, 10 * (top - 1), 150, 0, backs(board));
        VERIFY_FILL(image, QRect(10 * top + 61, 150, 10, 96), Qt::black);
    }
    verifyHitCleared(s);
    QVERIFY(boxes_.calls.empty());
}

void PlayTest::doubleClickOnATableauCard_data() {
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<float>("waste");
    QTest::addColumn<int>("row"); // of column 2's top card, a Seven
    QTest::addColumn<bool>("moves");

    QTest::newRow("a Seven on a Six") << grip(4) << card(5, 1) << 4 << true;
    QTest::newRow("a Seven on an Eight, the column's last") << grip(0) << card(7, 1) << 0 << true;
    QTest::newRow("a Seven on a Nine") << grip(4) << card(8, 1) << 4 << false;
    QTest::newRow("a covered card's strip") << QPointF(170, 10) << card(5, 1) << 4 << false;
    QTest::newRow("empty board") << QPointF(200, 130) << card(5, 1) << 4 << false;
}

void PlayTest::doubleClickOnATableauCard() {
    QFETCH(QPointF, at);
    QFETCH(float, waste);
    QFETCH(int, row);
    QFETCH(bool, moves);
    ocxZorvane board;
    cards::Deck deck = testing::orderedDeck();
    testing::putCard(deck, testing::tableauCell(kColumn, row), card(6));
    testing::putCard(deck, testing::kWasteCell, waste);
    testing::dealDeck(board, deck);
    testing::shortenColumn(board, kColumn, row);
    const QImage before = board.picZorvane->hDC();

    testing::moveTo(*board.picZorvane, at);
    testing::doubleClick(*board.picZorvane, at);

    verifyHitCleared(board.state);
    if (moves)
        verifyMovedFromColumn(board, row, card(6));
    else
        verifyNothingMoved(board, row, before);
    QVERIFY(board.picCard->isHidden());
}

// Every stock card is turned first, then the tableau is cleared column by column, top card
// first, each a rank above the last: the waste row squeezes down to its narrowest step.
void PlayTest::playsARiggedDealToAClear() {
    const auto chain = testing::chainCard;
    cards::Deck deck{};
    testing::layChain(deck);
    // The other two suits fill the first waste card and the rest of the stock.
    deck[testing::kWasteCell] = card(0, 2);
    for (int k = 1; k < 26; ++k)
        deck[testing::stockCell(k)] = card(k % 13, 2 + k / 13);
    ocxZorvane board;
    testing::dealDeck(board, deck);
    const BoardState& s = board.state;
    platform::PictureBox& box = *board.picZorvane;

    for (int top = 25; top >= 0; --top) {
        turnStockTop(box, top);
        QCOMPARE(s.sgStockTop, static_cast<float>(top - 1));
    }
    for (int j = 1; j <= 25; ++j) {
        const int column = (j - 1) / 5;
        const int row = 4 - (j - 1) % 5;
        const QPointF onTop(71 * column + 30, 5 * row + 30);
        if (j % 2 == 1) { // the last move, which clears the tableau, is a drop
            testing::drag(box, onTop, overWasteTop(s));
        } else {
            testing::moveTo(box, onTop);
            testing::doubleClick(box, onTop);
        }
        QCOMPARE(s.sgWasteTop, static_cast<float>(26 + j));
        QCOMPARE(s.avWaste[26 + j], chain(j));
    }

    QCOMPARE(s.sgWasteStep, 5.0f);
    const QImage& image = box.hDC();
    VERIFY_FACE(image, 255, 280, static_cast<int>(chain(25)), faces(board));
    VERIFY_FILL(image, QRect(0, 0, 355, 280), Qt::black);
    QVERIFY(board.tmrShowPairCard.isActive());
    QVERIFY(!board.tmrShowLeftCard.isActive());
    QVERIFY(!board.cmdNew->isEnabled());
    QVERIFY(!board.cmdChange->isEnabled());
    QVERIFY(boxes_.calls.empty());
}

// Only stock cards and one Seven are played; the last stock card, a Ten, leaves nothing to
// move, and the game says so once and deals again.
void PlayTest::playsARiggedDealToABlock() {
    testing::ScriptedRandom zero({0.0f});
    cards::Deck deck = testing::orderedDeck(); // column tops: Two, Three, Four, Five, Seven
    testing::putCard(deck, testing::stockCell(0), card(9));
    ocxZorvane board;
    testing::dealDeck(board, deck);
    const BoardState& s = board.state;
    platform::PictureBox& box = *board.picZorvane;

    for (int top = 25; top >= 0; --top) {
        turnStockTop(box, top);
        if (top == 3) // an Eight came up: the Seven of column 4 goes on it
            testing::drag(box, QPointF(4 * 71 + 30, 50), overWasteTop(s));
        if (top > 0)
            QCOMPARE(boxes_.calls.size(), std::size_t(0));
    }

    QCOMPARE(boxes_.calls.size(), std::size_t(1));
    QCOMPARE(boxes_.calls[0].text, QStringLiteral("God's design is unknown !"));
    // A fresh deal of the always-zero generator, painted.
    QCOMPARE(s.sgStockTop, 25.0f);
    QCOMPARE(s.sgWasteTop, 0.0f);
    QCOMPARE(s.avWaste[0], 2.0f);
    QCOMPARE(s.sgColumnTop[4], 4.0f);
    VERIFY_FACE(box.hDC(), 284, 20, static_cast<int>(s.sgTableau[4][4]), faces(board));
    VERIFY_BACK(box.hDC(), 250, 150, 0, backs(board));
    VERIFY_FILL(box.hDC(), QRect(71, 280, 284, 96), Qt::black);
    verifyHitCleared(s);
}

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
