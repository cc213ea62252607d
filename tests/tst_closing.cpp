#include "board/ocxZorvane.h"
#include "support/PixelTruth.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <map>
#include <vector>

namespace {

const QRect kWasteRow(0, 280, 355, 96);

struct Face {
    float card;
    int x;
    int y;
};

// 52 distinct cards in which exactly the given positions pair: pairs[i] = {a, b} puts a at
// avWaste(i) and b at avWaste(51 - i). The other cards fill the other positions in ascending
// order, outer cards before inner ones. Two cards at least four places apart in that order
// never share a rank, so with four or more unpaired positions no other position pairs.
cards::Deck wasteWithPairs(const std::map<int, std::pair<int, int>>& pairs) {
    std::vector<int> rest;
    for (int card = 0; card < 52; ++card)
        rest.push_back(card);
    std::vector<int> unpaired;
    for (int i = 0; i < 26; ++i)
        if (!pairs.contains(i))
            unpaired.push_back(i);
    cards::Deck waste{};
    for (const auto& [i, pair] : pairs) {
        waste[i] = static_cast<float>(pair.first);
        waste[51 - i] = static_cast<float>(pair.second);
        std::erase(rest, pair.first);
        std::erase(rest, pair.second);
    }
    const std::size_t u = unpaired.size();
    for (std::size_t j = 0; j < u; ++j) {
        waste[unpaired[j]] = static_cast<float>(rest[j]);
        waste[51 - unpaired[j]] = static_cast<float>(rest[j + u]);
    }
    return waste;
}

// Data rows carry pairs flat: position, outer card, inner card, ...
std::map<int, std::pair<int, int>> pairsFrom(const QList<int>& flat) {
    std::map<int, std::pair<int, int>> pairs;
    for (qsizetype j = 0; j + 2 < flat.size(); j += 3)
        pairs[flat[j]] = {flat[j + 1], flat[j + 2]};
    return pairs;
}

// The board as the end-of-deal check leaves a cleared tableau: all 52 cards in avWaste, of
// which the last n are the left-over stock cards still lying face down in the stock row.
void rigClearedDeal(ocxZorvane& board, const cards::Deck& waste, int leftOver) {
    BoardState& s = board.state;
    board.picZorvane->Cls();
    s.avWaste = waste;
    s.sgColumnTop.fill(-1);
    s.sgStockTop = -1;
    s.sgWasteTop = static_cast<float>(51 - leftOver);
    s.sgLeftTop = static_cast<float>(leftOver - 1);
    s.sgWasteStep = 10;
    for (int w = 0; w <= 51 - leftOver; ++w)
        board.DrawWasteCard(static_cast<float>(w));
    for (int j = 0; j < leftOver; ++j) {
        s.avStock[j] = waste[52 - leftOver + j];
        board.objCard->ShowCard(*board.picZorvane, clsCard::kBack, board.state.sgBackIndex,
                                10.0f * j, 150, board.picBack);
    }
    board.cmdNew->setEnabled(false);
    board.cmdChange->setEnabled(false);
}

void tick(ocxZorvane& board, void (ocxZorvane::*handler)(), int times = 1) {
    for (int t = 0; t < times; ++t)
        (board.*handler)();
}

// An empty board with the faces drawn in order.
QImage boardWith(ocxZorvane& board, const std::vector<Face>& faces) {
    platform::ImageSurface expected(QSize(355, 376), Qt::black);
    for (const Face& f : faces)
        board.objCard->ShowCard(expected, clsCard::kFace, f.card, static_cast<float>(f.x),
                                static_cast<float>(f.y), board.picFront);
    return expected.hDC();
}

// The waste row showing cards first..last from its left edge at step 5.
QImage wasteRowOf(ocxZorvane& board, int first, int last) {
    std::vector<Face> faces;
    for (int v = first; v <= last; ++v)
        faces.push_back({board.state.avWaste[v], 5 * (v - first), 280});
    return boardWith(board, faces).copy(kWasteRow);
}

void verifyCountersIdle(const ocxZorvane& board) {
    QCOMPARE(board.leftCard.iLeftToTop, std::int16_t(0));
    QCOMPARE(board.leftCard.iLeftToWaste, std::int16_t(0));
    QCOMPARE(board.leftCard.iLeftInAir, std::int16_t(0));
    QCOMPARE(board.pairReading.iPairIndex, std::int16_t(0));
    QCOMPARE(board.pairReading.iPairCount, std::int16_t(0));
    QCOMPARE(board.pairReading.iPairStep, std::int16_t(0));
    QCOMPARE(board.pairReading.bPairFound, std::int16_t(0));
}

constexpr int kReadingTicks = 105;

} // namespace

class ClosingTest : public QObject {
    Q_OBJECT
private slots:
    void oneLeftOverCard();
    void wholeStockLeftOver();
    void readingWithoutPairAnnouncesAndDealsAgain();
    void readingShowsOmensOfPairs_data();
    void readingShowsOmensOfPairs();
    void readingStepsOfOnePosition_data();
    void readingStepsOfOnePosition();
    void everyPositionPairs();
    void secondReadingStartsFromEmpty();
    void realTimersKeepTickingBehindModalBoxesAndNeverOverlap();

private:
    testing::ConfigHome config_;
};

void ClosingTest::oneLeftOverCard() {
    ocxZorvane board;
    const QImage& image = board.picZorvane->hDC();
    const QImage& faces = board.picFront.hDC();
    const cards::Deck waste = wasteWithPairs({});
    const int card = static_cast<int>(waste[51]);
    // The second deal shows that the counters start from zero again.
    for (int deal = 0; deal < 2; ++deal) {
        rigClearedDeal(board, waste, 1);

        tick(board, &ocxZorvane::tmrShowLeftCard_Timer); // lifts it from the stock row
        QVERIFY(!board.picCard->isHidden());
        QCOMPARE(board.picCard->pos(), QPoint(12, 87));
        VERIFY_FACE(board.picCard->hDC(), 0, 0, card, faces);
        VERIFY_FILL(image, QRect(0, 150, 355, 96), Qt::black);

        tick(board, &ocxZorvane::tmrShowLeftCard_Timer); // lays it in the top row
        QVERIFY(board.picCard->isHidden());
        VERIFY_FACE(image, 0, 0, card, faces);

        tick(board, &ocxZorvane::tmrShowLeftCard_Timer); // lifts it from the top row
        QCOMPARE(board.picCard->pos(), QPoint(139, 152));
        VERIFY_FILL(image, QRect(0, 0, 355, 96), Qt::black);

        tick(board, &ocxZorvane::tmrShowLeftCard_Timer); // lays it at the end of the waste row
        QVERIFY(board.picCard->isHidden());
        QCOMPARE(image.copy(0, 0, 355, 280), boardWith(board, {}).copy(0, 0, 355, 280));
        QCOMPARE(image.copy(kWasteRow), wasteRowOf(board, 0, 51));
        QVERIFY(board.tmrShowLeftCard.isActive());
        QVERIFY(!board.tmrShowPairCard.isActive());

        tick(board, &ocxZorvane::tmrShowLeftCard_Timer); // hands over to the reading
        QVERIFY(!board.tmrShowLeftCard.isActive());
        QVERIFY(board.tmrShowPairCard.isActive());
        verifyCountersIdle(board);
        QCOMPARE(board.state.sgWasteTop, 50.0f);
        board.tmrShowPairCard.stop();
    }
}

void ClosingTest::wholeStockLeftOver() {
    ocxZorvane board;
    const BoardState& s = board.state;
    const QImage& image = board.picZorvane->hDC();
    const QImage& faces = board.picFront.hDC();
    const cards::Deck waste = wasteWithPairs({});
    rigClearedDeal(board, waste, 26);

    for (int t = 0; t < 52; ++t) {
        tick(board, &ocxZorvane::tmrShowLeftCard_Timer);
        if (t == 0) // the card beneath the lifted one is the stock row's top now, face up
            VERIFY_FACE(image, 240, 150, static_cast<int>(waste[50]), faces);
        if (t % 2 == 0)
            QCOMPARE(board.picCard->pos(), QPoint(137, 87));
    }
    // The top row reads avStock(25) .. avStock(0) from the left; the stock row is empty.
    VERIFY_FACE(image, 250, 0, static_cast<int>(s.avStock[0]), faces);
    QCOMPARE(image.copy(0, 0, 10, 96),
             faces.copy(static_cast<int>(s.avStock[25]) / 4 * 71,
                        static_cast<int>(s.avStock[25]) % 4 * 96, 10, 96));
    VERIFY_FILL(image, QRect(0, 150, 355, 96), Qt::black);

    tick(board, &ocxZorvane::tmrShowLeftCard_Timer);
    // The card beneath the lifted one is the top row's rightmost now, shown whole.
    VERIFY_FACE(image, 240, 0, static_cast<int>(s.avStock[1]), faces);
    QCOMPARE(board.picCard->pos(), QPoint(267, 152));
    std::vector<int> squeezedAt;
    for (int t = 1; t < 52; ++t) {
        const float stepBefore = s.sgWasteStep;
        tick(board, &ocxZorvane::tmrShowLeftCard_Timer);
        if (s.sgWasteStep != stepBefore)
            squeezedAt.push_back(25 + board.leftCard.iLeftToWaste);
    }
    QCOMPARE(squeezedAt, (std::vector<int>{29, 32, 36, 41, 47}));
    QCOMPARE(s.sgWasteStep, 5.0f);
    QCOMPARE(image.copy(0, 0, 355, 280), boardWith(board, {}).copy(0, 0, 355, 280));
    QCOMPARE(image.copy(kWasteRow), wasteRowOf(board, 0, 51));

    tick(board, &ocxZorvane::tmrShowLeftCard_Timer); // the 105th = 4n + 1
    QVERIFY(board.tmrShowPairCard.isActive());
    QVERIFY(!board.tmrShowLeftCard.isActive());
    board.tmrShowPairCard.stop();
}

void ClosingTest::readingWithoutPairAnnouncesAndDealsAgain() {
    testing::MessageBoxRecorder boxes;
    ocxZorvane board;
    const BoardState& s = board.state;
    const cards::Deck waste = wasteWithPairs({});
    rigClearedDeal(board, waste, 0);

    tick(board, &ocxZorvane::tmrShowPairCard_Timer, kReadingTicks - 1);
    QVERIFY(boxes.calls.empty());
    // Every position went to the stock row at the waste spacing.
    std::vector<Face> stockRow;
    for (int i = 0; i < 26; ++i) {
        stockRow.push_back({waste[i], 10 * i, 150});
        stockRow.push_back({waste[51 - i], 10 * i + 5, 150});
    }
    QCOMPARE(board.picZorvane->hDC(), boardWith(board, stockRow));

    tick(board, &ocxZorvane::tmrShowPairCard_Timer);
    QCOMPARE(boxes.calls.size(), std::size_t(1));
    QCOMPARE(boxes.calls[0].owner, static_cast<QWidget*>(&board));
    QCOMPARE(boxes.calls[0].text, QStringLiteral("God's design is unknown !"));
    QCOMPARE(boxes.calls[0].title, QStringLiteral("Zorvane 1.2"));
    QCOMPARE(boxes.calls[0].style, 0x30);
    // A fresh deal, drawn.
    QCOMPARE(s.sgStockTop, 25.0f);
    QCOMPARE(s.sgWasteTop, 0.0f);
    QCOMPARE(s.sgWasteStep, 10.0f);
    QCOMPARE(s.sgColumnTop[0], 4.0f);
    VERIFY_BACK(board.picZorvane->hDC(), 250, 150, 0, board.picBack.hDC());
    VERIFY_FACE(board.picZorvane->hDC(), 0, 280, static_cast<int>(s.avWaste[0]),
                board.picFront.hDC());
    QVERIFY(board.cmdNew->isEnabled());
    QVERIFY(board.cmdChange->isEnabled());
    QVERIFY(board.lblRemark->isHidden());
    QCOMPARE(board.lblRemark->Caption(), QString());
    QVERIFY(!board.tmrShowPairCard.isActive());
    verifyCountersIdle(board);
}

void ClosingTest::readingShowsOmensOfPairs_data() {
    QTest::addColumn<QList<int>>("pairs");
    QTest::addColumn<QString>("caption");
    const char* omens[] = {"Everything goes my way",
                           "It's no good doing everything",
                           "Difficult",
                           "All roads lead to Rome",
                           "Avoid falling a prey to a plot",
                           "Grant whatever is requested",
                           "Undependable",
                           "Enjoy success",
                           "A loss may turn out to be a gain and vice versa",
                           "It's perfect in every way and leaves nothing to be desired",
                           "Bicker endlessly between female members of a family",
                           "Woman outside is water",
                           "As you sow, so will you reap"};
    // One pair of each rank, each at another position.
    for (int rank = 0; rank < 13; ++rank)
        QTest::addRow("rank %d at position %d", rank, 2 * rank)
            << QList<int>{2 * rank, 4 * rank, 4 * rank + 3}
            << QString::fromLatin1(omens[rank]) + "\r\n";
    QTest::newRow("two pairs of Kings")
        << QList<int>{3, 48, 49, 20, 50, 51}
        << QStringLiteral("As you sow, so will you reap\r\nAs you sow, so will you reap\r\n");
    QTest::newRow("outermost pair first") << QList<int>{9, 8, 9, 1, 40, 43}
                                          << QStringLiteral("Bicker endlessly between female "
                                                            "members of a family\r\nDifficult\r\n");
}

void ClosingTest::readingShowsOmensOfPairs() {
    QFETCH(QList<int>, pairs);
    QFETCH(QString, caption);
    testing::MessageBoxRecorder boxes;
    ocxZorvane board;
    const std::map<int, std::pair<int, int>> byPosition = pairsFrom(pairs);
    rigClearedDeal(board, wasteWithPairs(byPosition), 0);

    tick(board, &ocxZorvane::tmrShowPairCard_Timer, kReadingTicks);

    QCOMPARE(board.lblRemark->Caption(), caption);
    QVERIFY(!board.lblRemark->isHidden());
    QVERIFY(boxes.calls.empty());
    QVERIFY(board.cmdNew->isEnabled());
    QVERIFY(board.cmdChange->isEnabled());
    // Only the pairs remain, in the top row at a fixed 10-pixel spacing.
    std::vector<Face> topRow;
    for (const auto& [position, pair] : byPosition) {
        const int x = 20 * static_cast<int>(topRow.size() / 2);
        topRow.push_back({static_cast<float>(pair.first), x, 0});
        topRow.push_back({static_cast<float>(pair.second), x + 10, 0});
    }
    QCOMPARE(board.picZorvane->hDC(), boardWith(board, topRow));
    QVERIFY(!board.tmrShowPairCard.isActive());
    verifyCountersIdle(board);
}

void ClosingTest::readingStepsOfOnePosition_data() {
    QTest::addColumn<QList<int>>("pairs");
    QTest::addColumn<int>("position");
    QTest::addColumn<QPoint>("outerFlight");
    QTest::addColumn<QPoint>("innerFlight");
    QTest::addColumn<QPoint>("outerLanding");
    QTest::addColumn<QPoint>("innerLanding");
    QTest::newRow("first, unpaired") << QList<int>{} << 0 << QPoint(12, 227) << QPoint(139, 227)
                                     << QPoint(0, 150) << QPoint(5, 150);
    QTest::newRow("first, paired") << QList<int>{0, 0, 3} << 0 << QPoint(12, 152)
                                   << QPoint(139, 152) << QPoint(0, 0) << QPoint(10, 0);
    QTest::newRow("first pair after unpaired ones")
        << QList<int>{10, 4, 7} << 10 << QPoint(12, 152) << QPoint(89, 152) << QPoint(0, 0)
        << QPoint(10, 0);
    QTest::newRow("second pair") << QList<int>{0, 0, 3, 10, 4, 7} << 10 << QPoint(17, 152)
                                 << QPoint(94, 152) << QPoint(20, 0) << QPoint(30, 0);
    QTest::newRow("unpaired after a pair")
        << QList<int>{0, 0, 3} << 10 << QPoint(57, 227) << QPoint(134, 227) << QPoint(90, 150)
        << QPoint(95, 150);
    QTest::newRow("the two middle cards")
        << QList<int>{} << 25 << QPoint(137, 227) << QPoint(139, 227) << QPoint(250, 150)
        << QPoint(255, 150);
}

void ClosingTest::readingStepsOfOnePosition() {
    QFETCH(QList<int>, pairs);
    QFETCH(int, position);
    QFETCH(QPoint, outerFlight);
    QFETCH(QPoint, innerFlight);
    QFETCH(QPoint, outerLanding);
    QFETCH(QPoint, innerLanding);
    ocxZorvane board;
    const QImage& image = board.picZorvane->hDC();
    const QImage& faces = board.picFront.hDC();
    const cards::Deck waste = wasteWithPairs(pairsFrom(pairs));
    rigClearedDeal(board, waste, 0);
    tick(board, &ocxZorvane::tmrShowPairCard_Timer, 4 * position);

    // The outer card, then the inner one: each is lifted out of the waste row, which closes
    // up behind it, and then laid down.
    struct Move {
        int card;
        QPoint flight;
        QPoint landing;
        int lastLeftInWaste;
    };
    const Move moves[] = {
        {static_cast<int>(waste[position]), outerFlight, outerLanding, 51 - position},
        {static_cast<int>(waste[51 - position]), innerFlight, innerLanding, 50 - position}};
    for (const Move& move : moves) {
        tick(board, &ocxZorvane::tmrShowPairCard_Timer);
        QVERIFY(!board.picCard->isHidden());
        QCOMPARE(board.picCard->pos(), move.flight);
        VERIFY_FACE(board.picCard->hDC(), 0, 0, move.card, faces);
        QCOMPARE(image.copy(kWasteRow), wasteRowOf(board, position + 1, move.lastLeftInWaste));

        tick(board, &ocxZorvane::tmrShowPairCard_Timer);
        QVERIFY(board.picCard->isHidden());
        VERIFY_FACE(image, move.landing.x(), move.landing.y(), move.card, faces);
    }
    QCOMPARE(board.pairReading.iPairIndex, std::int16_t(position + 1));
    QCOMPARE(board.pairReading.iPairStep, std::int16_t(0));
    board.tmrShowPairCard.stop();
}

void ClosingTest::everyPositionPairs() {
    ocxZorvane board;
    std::map<int, std::pair<int, int>> pairs;
    for (int i = 0; i < 26; ++i)
        pairs[i] = {2 * i, 2 * i + 1};
    const cards::Deck waste = wasteWithPairs(pairs);
    rigClearedDeal(board, waste, 0);

    tick(board, &ocxZorvane::tmrShowPairCard_Timer, kReadingTicks);

    const QStringList lines = board.lblRemark->Caption().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 27); // the caption ends with a line break
    QCOMPARE(lines[0], QStringLiteral("Everything goes my way"));
    QCOMPARE(lines[1], lines[0]);
    QCOMPARE(lines[25], QStringLiteral("As you sow, so will you reap"));
    QCOMPARE(lines[26], QString());
    // Pairs from the 18th on lie past the right edge; what shows is clipped.
    VERIFY_FACE(board.picZorvane->hDC(), 350, 0, 35, board.picFront.hDC());
    // The remark grows to hold every line.
    const QFontMetrics metrics(board.lblRemark->font());
    QVERIFY(board.lblRemark->height() >= 26 * metrics.height());
    QVERIFY(board.lblRemark->width() >=
            metrics.horizontalAdvance(
                QStringLiteral("It's perfect in every way and leaves nothing to be desired")));
    verifyCountersIdle(board);
}

void ClosingTest::secondReadingStartsFromEmpty() {
    ocxZorvane board;
    rigClearedDeal(board, wasteWithPairs({{3, {48, 49}}, {20, {50, 51}}}), 0);
    tick(board, &ocxZorvane::tmrShowPairCard_Timer, kReadingTicks);
    verifyCountersIdle(board);

    board.cmdNew->click();
    QVERIFY(board.lblRemark->isHidden());
    rigClearedDeal(board, wasteWithPairs({{7, {0, 1}}}), 0);
    tick(board, &ocxZorvane::tmrShowPairCard_Timer, kReadingTicks);
    QCOMPARE(board.lblRemark->Caption(), QStringLiteral("Everything goes my way\r\n"));
    QCOMPARE(board.picZorvane->hDC(), boardWith(board, {{0, 0, 0}, {1, 10, 0}}));
}

// The real message box and real timers: a modal box opened by the player does not stop the
// closing, and while the closing's own box is open no tick arrives.
void ClosingTest::realTimersKeepTickingBehindModalBoxesAndNeverOverlap() {
    ocxZorvane board;
    rigClearedDeal(board, wasteWithPairs({}), 1);
    board.pairReading.iPairIndex = 25; // only the last position is left to read
    QString ticks;
    connect(&board.tmrShowLeftCard, &QTimer::timeout, this, [&] { ticks += 'L'; });
    connect(&board.tmrShowPairCard, &QTimer::timeout, this, [&] { ticks += 'P'; });

    QString ticksWhenOwnBoxOpened;
    QString ticksWhenOwnBoxClosed;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->text() != QLatin1String("God's design is unknown !") ||
            !ticksWhenOwnBoxOpened.isNull())
            return;
        ticksWhenOwnBoxOpened = ticks;
        QTimer::singleShot(3 * board.tmrShowPairCard.interval(), box, [&, box] {
            ticksWhenOwnBoxClosed = ticks;
            box->accept();
        });
    });
    watcher.start(20);

    board.tmrShowLeftCard.start();
    QMessageBox playersBox(QMessageBox::Information, QStringLiteral("About"), QString(),
                           QMessageBox::Ok, &board);
    QTimer::singleShot(4 * board.tmrShowLeftCard.interval(), &playersBox, &QMessageBox::accept);
    playersBox.exec();
    QVERIFY2(ticks.size() >= 2, qPrintable(ticks));

    QTRY_VERIFY_WITH_TIMEOUT(board.cmdNew->isEnabled(), 10000);
    QCOMPARE(ticks, QStringLiteral("LLLLLPPPPP"));
    // The last tick is the one that showed the box; it counts once it has returned.
    QCOMPARE(ticksWhenOwnBoxOpened, QStringLiteral("LLLLLPPPP"));
    QCOMPARE(ticksWhenOwnBoxClosed, ticksWhenOwnBoxOpened);
    QCOMPARE(board.state.sgStockTop, 25.0f);
}

QTEST_MAIN(ClosingTest)
#include "tst_closing.moc"
