#include "cards/Sheets.h"
#include "cards/clsCard.h"
#include "platform/Surface.h"
#include "support/PixelTruth.h"
#include "support/TestSupport.h"

#include <QTest>
#include <numeric>

namespace {

cards::Deck orderedDeck() {
    cards::Deck deck{};
    std::iota(deck.begin(), deck.end(), 0.0f);
    return deck;
}

// Number of cycles of the arrangement index -> content.
int cycleCount(const cards::Deck& deck) {
    std::array<bool, 52> seen{};
    int cycles = 0;
    for (std::size_t start = 0; start < deck.size(); ++start) {
        if (seen[start])
            continue;
        ++cycles;
        for (auto i = start; !seen[i]; i = static_cast<std::size_t>(deck[i]))
            seen[i] = true;
    }
    return cycles;
}

bool isOdd(const cards::Deck& deck) {
    return (52 - cycleCount(deck)) % 2 == 1;
}

} // namespace

class CardsTest : public QObject {
    Q_OBJECT
private slots:
    void onePassIsASingle52Cycle();
    void scriptedGeneratorsGiveStatedOrders();
    void threePassesAreAlwaysOdd();
    void rankAndSuit_data();
    void rankAndSuit();
    void neighbours_data();
    void neighbours();
    void showCardCopiesTheRightCell_data();
    void showCardCopiesTheRightCell();
    void builtInSheetsAreTheArtwork();
    void otherShowTypesDrawNothing();
    void laterCardCoversEarlierOne();
};

void CardsTest::onePassIsASingle52Cycle() {
    const clsCard card;
    for (int run = 0; run < 200; ++run) {
        cards::Deck deck = orderedDeck();
        card.CutCard(deck);
        QCOMPARE(cycleCount(deck), 1);
    }
}

void CardsTest::scriptedGeneratorsGiveStatedOrders() {
    const clsCard card;
    cards::Deck expected{};
    {
        testing::ScriptedRandom zero({0.0f});
        cards::Deck deck = orderedDeck();
        card.CutCard(deck);
        for (int i = 0; i < 52; ++i)
            expected[i] = static_cast<float>((i + 1) % 52);
        QCOMPARE(deck, expected);
    }
    {
        testing::ScriptedRandom highest({testing::kLargestBelowOne});
        cards::Deck deck = orderedDeck();
        card.CutCard(deck);
        for (int i = 0; i < 52; ++i)
            expected[i] = static_cast<float>((i + 51) % 52);
        QCOMPARE(deck, expected);
    }
}

void CardsTest::threePassesAreAlwaysOdd() {
    const clsCard card;
    for (int run = 0; run < 500; ++run) {
        cards::Deck deck = orderedDeck();
        for (int pass = 0; pass < 3; ++pass)
            card.CutCard(deck);
        QVERIFY(isOdd(deck));
    }
}

void CardsTest::rankAndSuit_data() {
    QTest::addColumn<float>("number");
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("suit");
    QTest::newRow("Ace of clubs") << 0.0f << 0 << 0;
    QTest::newRow("Ace of spades") << 3.0f << 0 << 3;
    QTest::newRow("Two of clubs") << 4.0f << 1 << 0;
    QTest::newRow("Two of hearts") << 6.0f << 1 << 2;
    QTest::newRow("King of spades") << 51.0f << 12 << 3;
    QTest::newRow("2.5 rounds to even 2") << 2.5f << 0 << 2;
    QTest::newRow("-5 truncates toward zero") << -5.0f << -1 << -1;
}

void CardsTest::rankAndSuit() {
    QFETCH(float, number);
    QFETCH(int, rank);
    QFETCH(int, suit);
    const clsCard card;
    QCOMPARE(card.GetCardPoint(number), rank);
    QCOMPARE(card.GetCardSuit(number), suit);
}

void CardsTest::neighbours_data() {
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<bool>("expected");
    QTest::newRow("7 and 6") << 24.0f << 20.0f << true;
    QTest::newRow("7 and 8, other suits") << 24.0f << 31.0f << true;
    QTest::newRow("King and Ace") << 51.0f << 0.0f << true;
    QTest::newRow("Ace and King") << 1.0f << 48.0f << true;
    QTest::newRow("same rank") << 24.0f << 27.0f << false;
    QTest::newRow("two apart") << 24.0f << 32.0f << false;
    QTest::newRow("Queen and Ace") << 44.0f << 0.0f << false;
}

void CardsTest::neighbours() {
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(bool, expected);
    QCOMPARE(clsCard().AreNeighbours(a, b), expected);
}

void CardsTest::showCardCopiesTheRightCell_data() {
    QTest::addColumn<int>("showType");
    QTest::addColumn<int>("card"); // a card number for faces, a back index for backs
    QTest::newRow("Ace of clubs") << 0 << 0;
    QTest::newRow("Two of diamonds") << 0 << 5;
    QTest::newRow("King of spades, last cell") << 0 << 51;
    QTest::newRow("back 0") << 1 << 0;
    QTest::newRow("back 7, last cell") << 1 << 7;
}

void CardsTest::showCardCopiesTheRightCell() {
    QFETCH(int, showType);
    QFETCH(int, card);
    platform::ImageSurface faces(cards::FaceSheet());
    platform::ImageSurface backs(cards::BackSheet());
    platform::ImageSurface board(QSize(355, 376), Qt::black);

    clsCard().ShowCard(board, showType, static_cast<float>(card), 100, 200,
                       showType == 0 ? faces : backs);

    if (showType == 0)
        VERIFY_FACE(board.hDC(), 100, 200, card, faces.hDC());
    else
        VERIFY_BACK(board.hDC(), 100, 200, card, backs.hDC());
    VERIFY_FILL(board.hDC(), QRect(0, 0, 355, 200), Qt::black);
    VERIFY_FILL(board.hDC(), QRect(171, 200, 184, 96), Qt::black);
}

void CardsTest::builtInSheetsAreTheArtwork() {
    const QString assets = QStringLiteral(ZORVANE_SOURCE_DIR "/assets/");
    QCOMPARE(cards::FaceSheet(),
             QImage(assets + "faces.png").convertToFormat(QImage::Format_RGB32));
    QCOMPARE(cards::BackSheet(),
             QImage(assets + "backs.png").convertToFormat(QImage::Format_RGB32));
    QCOMPARE(cards::FaceSheet().size(), QSize(923, 384));
    QCOMPARE(cards::BackSheet().size(), QSize(568, 96));
}

void CardsTest::otherShowTypesDrawNothing() {
    platform::ImageSurface faces(cards::FaceSheet());
    platform::ImageSurface board(QSize(355, 376), Qt::black);
    for (int showType : {2, -1, 100})
        clsCard().ShowCard(board, showType, 0, 0, 0, faces);
    VERIFY_FILL(board.hDC(), board.hDC().rect(), Qt::black);
}

void CardsTest::laterCardCoversEarlierOne() {
    platform::ImageSurface faces(cards::FaceSheet());
    platform::ImageSurface board(QSize(355, 376), Qt::black);
    const clsCard card;
    card.ShowCard(board, 0, 12, 0, 0, faces);
    card.ShowCard(board, 0, 40, 10, 0, faces);
    const QImage left = board.hDC().copy(0, 0, 10, 96);
    QCOMPARE(left, faces.hDC().copy(3 * 71, 0, 10, 96));
    VERIFY_FACE(board.hDC(), 10, 0, 40, faces.hDC());
}

QTEST_MAIN(CardsTest)
#include "tst_cards.moc"
