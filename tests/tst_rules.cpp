#include "board/Rules.h"
#include "board/Words.h"
#include "cards/clsCard.h"
#include "support/RiggedDeal.h"
#include "support/TestSupport.h"

#include <QTest>
#include <set>

using testing::card;

// The rules over a bare BoardState: no widget is built, so a fault shows as the rule itself.

namespace {

// The set of card numbers in play: tableau up to each column top, stock, waste.
std::multiset<int> cardsInPlay(const BoardState& s) {
    std::multiset<int> found;
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r <= static_cast<int>(s.sgColumnTop[c]); ++r)
            found.insert(static_cast<int>(s.sgTableau[c][r]));
    for (int i = 0; i <= static_cast<int>(s.sgStockTop); ++i)
        found.insert(static_cast<int>(s.avStock[i]));
    for (int i = 0; i <= static_cast<int>(s.sgWasteTop); ++i)
        found.insert(static_cast<int>(s.avWaste[i]));
    return found;
}

// Column 0 alone in play, topped by top over below; the waste topped by waste at index 20.
BoardState position(float stockTop, float waste, float top, float below) {
    BoardState s;
    s.avDeck = testing::orderedDeck();
    board::LayOutDeck(s);
    testing::rigColumnZero(s, stockTop, waste, top, below);
    return s;
}

} // namespace

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void dealWithZeroGenerator();
    void everyDealHoldsEachCardOnce();
    void layoutPutsEachDeckCellInItsPlace();
    void neighboursFitTheWaste_data();
    void neighboursFitTheWaste();
    void endOfDeal_data();
    void endOfDeal();
    void moves_data();
    void moves();
    void wasteNarrowsPastItsLimit_data();
    void wasteNarrowsPastItsLimit();
    void leftOverStockGoesAfterTheWaste();
    void readingPairsEqualRanksFromBothEnds();
    void moveInWords_data();
    void moveInWords();
    void positionInWords();
};

void RulesTest::dealWithZeroGenerator() {
    testing::ScriptedRandom zero({0.0f});
    BoardState s;
    board::DealCards(s, clsCard());
    for (int i = 0; i < 52; ++i)
        QCOMPARE(s.avDeck[i], static_cast<float>((i + 3) % 52));
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(s.sgColumnTop[c], 4.0f);
        for (int r = 0; r < 5; ++r)
            QCOMPARE(s.sgTableau[c][r], static_cast<float>(5 * c + r + 3));
    }
    QCOMPARE(s.sgTableau[0][4], 7.0f); // the Two of spades on top of column 0
    for (int k = 0; k < 26; ++k)
        QCOMPARE(s.avStock[k], static_cast<float>((28 + k) % 52));
    QCOMPARE(s.avStock[25], 1.0f);
    QCOMPARE(s.avWaste[0], 2.0f);
    QCOMPARE(s.sgStockTop, 25.0f);
    QCOMPARE(s.sgWasteTop, 0.0f);
    QCOMPARE(s.sgWasteStep, 10.0f);
    QCOMPARE(s.iHitKind, std::int16_t(-1));
    QCOMPARE(s.iHitColumn, std::int16_t(-1));
}

void RulesTest::everyDealHoldsEachCardOnce() {
    BoardState s;
    std::multiset<int> all;
    for (int n = 0; n < 52; ++n)
        all.insert(n);
    for (int deal = 0; deal < 50; ++deal) {
        board::DealCards(s, clsCard());
        QCOMPARE(cardsInPlay(s), all);
        QCOMPARE(s.avWaste[0], s.avDeck[51]);
    }
}

// The rigged deals of the other tests name deck cells by where they land; this pins those
// places to the layout the game uses.
void RulesTest::layoutPutsEachDeckCellInItsPlace() {
    BoardState s;
    s.bDragging = board::kTrue;
    s.sgWasteStep = 5;
    s.avDeck = testing::orderedDeck();
    board::LayOutDeck(s);
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r)
            QCOMPARE(s.sgTableau[c][r], static_cast<float>(testing::tableauCell(c, r)));
    for (int k = 0; k < 26; ++k)
        QCOMPARE(s.avStock[k], static_cast<float>(testing::stockCell(k)));
    QCOMPARE(s.avWaste[0], static_cast<float>(testing::kWasteCell));
    QCOMPARE(s.bDragging, std::int16_t(0));
    QCOMPARE(s.sgWasteStep, 10.0f);
}

void RulesTest::neighboursFitTheWaste_data() {
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("waste");
    QTest::addColumn<bool>("fits");
    QTest::newRow("Six on a Five") << card(5, 3) << card(4, 1) << true;
    QTest::newRow("Four on a Five") << card(3) << card(4, 1) << true;
    QTest::newRow("King on an Ace") << card(12) << card(0, 2) << true;
    QTest::newRow("Ace on a King") << card(0) << card(12, 2) << true;
    QTest::newRow("same rank") << card(4, 2) << card(4, 1) << false;
    QTest::newRow("two apart") << card(6) << card(4) << false;
    QTest::newRow("Queen on an Ace") << card(11) << card(0) << false;
}

void RulesTest::neighboursFitTheWaste() {
    QFETCH(float, top);
    QFETCH(float, waste);
    QFETCH(bool, fits);
    QCOMPARE(board::ColumnTopFitsWaste(position(-1, waste, top, card(9)), 0), fits);
}

void RulesTest::endOfDeal_data() {
    QTest::addColumn<float>("stockTop");
    QTest::addColumn<float>("top");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("blocked");
    const float nine = card(8, 2);
    QTest::newRow("stock left, nothing fits") << 0.f << nine << false << false;
    QTest::newRow("stock exhausted, a Six fits") << -1.f << card(5) << false << false;
    QTest::newRow("stock exhausted, nothing fits") << -1.f << nine << false << true;
    QTest::newRow("tableau cleared, stock exhausted") << -1.f << -1.f << true << false;
    QTest::newRow("tableau cleared, stock left") << 3.f << -1.f << true << false;
}

// The waste is a Five; the card below the column top is a Four, which plays no part.
void RulesTest::endOfDeal() {
    QFETCH(float, stockTop);
    QFETCH(float, top);
    QFETCH(bool, cleared);
    QFETCH(bool, blocked);
    BoardState s = position(stockTop, card(4, 1), top, card(3));
    if (top < 0)
        s.sgColumnTop[0] = -1;
    QCOMPARE(board::TableauCleared(s), cleared);
    QCOMPARE(board::DealIsBlocked(s), blocked);
}

void RulesTest::moves_data() {
    QTest::addColumn<std::int16_t>("kind");
    QTest::addColumn<std::int16_t>("column");
    QTest::addColumn<float>("stockTop");
    QTest::addColumn<float>("columnTop");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<float>("laid");
    QTest::addColumn<float>("stockAfter");
    QTest::addColumn<float>("columnAfter");
    const std::int16_t tableau = board::kHitTableau;
    const std::int16_t stock = board::kHitStock;
    const std::int16_t none = board::kHitNothing;
    // Column 0 holds the Ace of clubs below the Six of spades; the stock the Eight of hearts
    // at index 0 and the Jack of clubs at 3.
    QTest::newRow("column top fits")
        << tableau << std::int16_t(0) << 3.f << 1.f << true << card(5, 3) << 3.f << 0.f;
    QTest::newRow("last column card")
        << tableau << std::int16_t(0) << 3.f << 0.f << true << card(0) << 3.f << -1.f;
    QTest::newRow("empty column") << tableau << std::int16_t(0) << 3.f << -1.f << false << 0.f
                                  << 3.f << -1.f;
    QTest::newRow("column before the first")
        << tableau << std::int16_t(-1) << 3.f << 1.f << false << 0.f << 3.f << 1.f;
    QTest::newRow("column past the last")
        << tableau << std::int16_t(5) << 3.f << 1.f << false << 0.f << 3.f << 1.f;
    QTest::newRow("stock turns whatever the rank")
        << stock << std::int16_t(0) << 3.f << 1.f << true << card(10) << 2.f << 1.f;
    QTest::newRow("last stock card")
        << stock << std::int16_t(0) << 0.f << 1.f << true << card(7, 2) << -1.f << 1.f;
    QTest::newRow("stock exhausted")
        << stock << std::int16_t(0) << -1.f << 1.f << false << 0.f << -1.f << 1.f;
    QTest::newRow("stock hit forgotten")
        << stock << std::int16_t(-1) << 3.f << 1.f << false << 0.f << 3.f << 1.f;
    QTest::newRow("nothing armed")
        << none << std::int16_t(0) << 3.f << 1.f << false << 0.f << 3.f << 1.f;
}

void RulesTest::moves() {
    QFETCH(std::int16_t, kind);
    QFETCH(std::int16_t, column);
    QFETCH(float, stockTop);
    QFETCH(float, columnTop);
    QFETCH(bool, moved);
    QFETCH(float, laid);
    QFETCH(float, stockAfter);
    QFETCH(float, columnAfter);
    BoardState s = position(stockTop, card(4, 1), card(5, 3), card(0));
    s.sgColumnTop[0] = columnTop;
    if (columnTop == 0) // the Ace alone in the column; a Two on the waste takes it
        s.avWaste[20] = card(1);
    s.avStock[0] = card(7, 2);
    s.avStock[3] = card(10);
    const BoardState before = s;

    QCOMPARE(board::PlayCard(s, kind, column), moved);

    QCOMPARE(s.sgStockTop, stockAfter);
    QCOMPARE(s.sgColumnTop[0], columnAfter);
    QCOMPARE(s.sgWasteTop, moved ? 21.0f : 20.0f);
    if (moved)
        QCOMPARE(s.avWaste[21], laid);
    QCOMPARE(board::SourceColumn(before, s), moved && kind == board::kHitTableau ? 0 : -1);
}

void RulesTest::wasteNarrowsPastItsLimit_data() {
    QTest::addColumn<float>("topBefore");
    QTest::addColumn<float>("stepBefore");
    QTest::addColumn<float>("stepAfter");
    QTest::newRow("28th card lands at x 280") << 27.f << 10.f << 10.f;
    QTest::newRow("29th would pass x 280") << 28.f << 10.f << 9.f;
    QTest::newRow("47th at step 6 would pass") << 46.f << 6.f << 5.f;
    QTest::newRow("last card at step 5") << 50.f << 5.f << 5.f;
}

// A stock turn lays the card after the waste top; the step narrows once the top card's left
// edge would lie right of x 280.
void RulesTest::wasteNarrowsPastItsLimit() {
    QFETCH(float, topBefore);
    QFETCH(float, stepBefore);
    QFETCH(float, stepAfter);
    BoardState s = position(3, card(4), card(9), card(9));
    s.sgWasteTop = topBefore;
    s.sgWasteStep = stepBefore;
    QVERIFY(board::PlayCard(s, board::kHitStock, 0));
    QCOMPARE(s.sgWasteStep, stepAfter);
}

void RulesTest::leftOverStockGoesAfterTheWaste() {
    BoardState s = position(2, card(4), card(9), card(9));
    s.avStock[0] = card(1);
    s.avStock[1] = card(2);
    s.avStock[2] = card(3);
    board::AppendLeftOverStock(s);
    QCOMPARE(s.avWaste[21], card(1));
    QCOMPARE(s.avWaste[22], card(2));
    QCOMPARE(s.avWaste[23], card(3));
    QCOMPARE(s.sgWasteTop, 20.0f);
    QCOMPARE(s.sgLeftTop, 2.0f);
    QCOMPARE(s.sgStockTop, board::kEmptyPile);
}

void RulesTest::readingPairsEqualRanksFromBothEnds() {
    BoardState s;
    for (int i = 0; i < 52; ++i)
        s.avWaste[static_cast<std::size_t>(i)] = card(i % 13 == 12 ? 0 : 12, i / 13);
    s.avWaste[0] = card(7, 0);
    s.avWaste[51] = card(7, 3); // position 0: two Eights
    s.avWaste[1] = card(7, 1);
    s.avWaste[50] = card(8, 1); // position 1: an Eight and a Nine
    QVERIFY(board::IsPair(s, 0));
    QVERIFY(!board::IsPair(s, 1));
    QCOMPARE(board::kReadingPositions, 26);
}

void RulesTest::moveInWords_data() {
    QTest::addColumn<bool>("fromStock");
    QTest::addColumn<float>("leftBehind");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("stock card") << true << 3.f
                                << QStringLiteral("Jack of clubs from the stock; 3 cards left.");
    QTest::newRow("one stock card left")
        << true << 1.f << QStringLiteral("Jack of clubs from the stock; 1 card left.");
    QTest::newRow("last stock card")
        << true << 0.f << QStringLiteral("Jack of clubs from the stock; the stock is empty.");
    QTest::newRow("column card") << false << 1.f
                                 << QStringLiteral("Six of spades from column 1; Two of hearts "
                                                   "turned up.");
    QTest::newRow("last column card")
        << false << 0.f
        << QStringLiteral("Six of spades from column 1; the column is empty. All columns are "
                          "empty; the cards are being read.");
}

// leftBehind is the number of cards the source keeps after the move.
void RulesTest::moveInWords() {
    QFETCH(bool, fromStock);
    QFETCH(float, leftBehind);
    QFETCH(QString, sentence);
    BoardState s = position(fromStock ? leftBehind : 3, card(4, 1), card(5, 3), card(1, 2));
    if (!fromStock)
        s.sgColumnTop[0] = leftBehind;
    if (!fromStock && leftBehind == 0)
        s.sgTableau[0][0] = card(5, 3);
    s.avStock[static_cast<std::size_t>(fromStock ? leftBehind : 3)] = card(10);
    const BoardState before = s;
    QVERIFY(board::PlayCard(s, fromStock ? board::kHitStock : board::kHitTableau, 0));
    QCOMPARE(board::MoveSentence(before, s), sentence);
}

void RulesTest::positionInWords() {
    BoardState s = position(0, card(4, 1), card(5, 3), card(1, 2));
    const QString columns = QStringLiteral("Columns: Six of spades, empty, empty, empty, empty.");
    QCOMPARE(board::BoardDescription(s, board::Closing::None, {}),
             QStringLiteral("Waste: Five of diamonds. ") + columns +
                 QStringLiteral(" Stock: 1 card."));
    s.sgStockTop = -1;
    QCOMPARE(board::BoardDescription(s, board::Closing::Running, {}),
             QStringLiteral("Waste: being read. ") + columns + QStringLiteral(" Stock: empty."));
    QCOMPARE(board::BoardDescription(s, board::Closing::OmensShown,
                                     {board::OmenText(0), board::OmenText(12)}),
             QStringLiteral("Waste: empty. ") + columns +
                 QStringLiteral(" Stock: empty.\nOmens:\nEverything goes my way\nAs you sow, so "
                                "will you reap"));
}

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
