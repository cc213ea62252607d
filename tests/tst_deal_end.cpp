#include "board/ocxZorvane.h"
#include "platform/SystemCalls.h"
#include "support/PixelTruth.h"
#include "support/RiggedDeal.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <QTest>

using testing::card;

class DealEndTest : public QObject {
    Q_OBJECT
private slots:
    void blockedOnlyWhenNothingCanMove_data();
    void blockedOnlyWhenNothingCanMove();
    void blockedDealIsAnnouncedThenDealtAgain();
    void clearedTableauBeginsTheClosing_data();
    void clearedTableauBeginsTheClosing();

private:
    testing::ConfigHome config_;
};

void DealEndTest::blockedOnlyWhenNothingCanMove_data() {
    QTest::addColumn<float>("stockTop");
    QTest::addColumn<float>("waste");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("below");
    QTest::addColumn<bool>("blocked");

    const float five = card(4, 1);
    const float nine = card(8, 2);
    QTest::newRow("one stock card left, nothing fits") << 0.f << five << nine << card(1) << false;
    QTest::newRow("stock exhausted, a Six fits a Five") << -1.f << five << card(5) << nine << false;
    QTest::newRow("stock exhausted, a King fits an Ace")
        << -1.f << card(0) << card(12) << nine << false;
    QTest::newRow("stock exhausted, a Nine on a Five") << -1.f << five << nine << card(1) << true;
    QTest::newRow("a face-down Four plays no part") << -1.f << five << nine << card(3) << true;
}

void DealEndTest::blockedOnlyWhenNothingCanMove() {
    QFETCH(float, stockTop);
    QFETCH(float, waste);
    QFETCH(float, top);
    QFETCH(float, below);
    QFETCH(bool, blocked);
    testing::MessageBoxRecorder boxes;
    ocxZorvane board;
    testing::rigColumnZero(board.state, stockTop, waste, top, below);

    board.CheckDealEnd();

    QCOMPARE(boxes.calls.size(), std::size_t(blocked ? 1 : 0));
    // A new deal or the position as it was.
    QCOMPARE(board.state.sgWasteTop, blocked ? 0.0f : 20.0f);
    QCOMPARE(board.state.sgColumnTop[0], blocked ? 4.0f : 1.0f);
    QVERIFY(!board.tmrShowLeftCard.isActive());
    QVERIFY(!board.tmrShowPairCard.isActive());
}

// The warning shows over the blocked position; only after it is closed does the board go
// back to its background and show a fresh deal. The buttons stay as they were.
void DealEndTest::blockedDealIsAnnouncedThenDealtAgain() {
    testing::ScriptedRandom zero({0.0f});
    ocxZorvane board;
    testing::rigColumnZero(board.state, -1, card(4, 1), card(8, 2), card(1));
    board.state.iHitKind = 0;
    board.state.iHitColumn = 0;
    QImage& image = board.picZorvane->hDC();
    image.fill(Qt::red); // stands for the blocked position on the board
    std::vector<testing::MessageBoxRecorder::Call> calls;
    bool boardUntouchedWhileShown = false;
    platform::setMessageBoxImpl([&](QWidget* owner, const QString& text, const QString& title,
                                    int style) {
        calls.push_back({owner, text, title, style});
        boardUntouchedWhileShown = testing::fillMismatch(image, image.rect(), Qt::red).isEmpty();
    });

    board.CheckDealEnd();
    platform::setMessageBoxImpl({});

    QCOMPARE(calls.size(), std::size_t(1));
    QCOMPARE(calls[0].owner, &board);
    QCOMPARE(calls[0].text, QStringLiteral("God's design is unknown !"));
    QCOMPARE(calls[0].title, QStringLiteral("Zorvane 1.2"));
    QCOMPARE(calls[0].style, 0x30);
    QVERIFY(boardUntouchedWhileShown);

    const BoardState& s = board.state;
    QCOMPARE(s.sgStockTop, 25.0f);
    QCOMPARE(s.sgWasteTop, 0.0f);
    QCOMPARE(s.avWaste[0], 2.0f); // the always-zero generator's deal
    QCOMPARE(s.iHitKind, std::int16_t(-1));
    QCOMPARE(s.iHitColumn, std::int16_t(-1));
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(s.sgColumnTop[c], 4.0f);
        VERIFY_FACE(image, 71 * c, 20, static_cast<int>(s.sgTableau[c][4]), board.picFront.hDC());
    }
    VERIFY_BACK(image, 250, 150, 0, board.picBack.hDC());
    VERIFY_FACE(image, 0, 280, 2, board.picFront.hDC());
    VERIFY_FILL(image, QRect(71, 280, 284, 96), Qt::black);
    VERIFY_FILL(image, QRect(0, 116, 355, 34), Qt::black);
    QVERIFY(board.cmdNew->isEnabled());
    QVERIFY(board.cmdChange->isEnabled());
}

void DealEndTest::clearedTableauBeginsTheClosing_data() {
    QTest::addColumn<float>("stockTop");
    QTest::addColumn<float>("wasteTop");
    QTest::newRow("stock exhausted") << -1.f << 51.f;
    QTest::newRow("three stock cards left") << 2.f << 48.f;
}

void DealEndTest::clearedTableauBeginsTheClosing() {
    QFETCH(float, stockTop);
    QFETCH(float, wasteTop);
    testing::MessageBoxRecorder boxes;
    ocxZorvane board;
    BoardState& s = board.state;
    s.sgColumnTop.fill(-1);
    s.sgStockTop = stockTop;
    s.sgWasteTop = wasteTop;
    s.sgLeftTop = 7; // from an earlier reading
    for (int k = 0; k < 26; ++k)
        s.avStock[k] = static_cast<float>(k);
    s.avWaste.fill(40);
    const cards::Deck wasteBefore = s.avWaste;

    board.CheckDealEnd();

    QVERIFY(boxes.calls.empty()); // a cleared tableau is never a blocked one
    QVERIFY(!board.cmdNew->isEnabled());
    QVERIFY(!board.cmdChange->isEnabled());
    QCOMPARE(s.sgWasteTop, wasteTop);
    QCOMPARE(s.sgStockTop, -1.0f);
    const bool leftOver = stockTop >= 0;
    QCOMPARE(board.tmrShowLeftCard.isActive(), leftOver);
    QCOMPARE(board.tmrShowPairCard.isActive(), !leftOver);
    if (!leftOver) {
        QCOMPARE(s.avWaste, wasteBefore);
        QCOMPARE(s.sgLeftTop, 7.0f);
        return;
    }
    // Bottom stock card first, right after the waste top.
    QCOMPARE(s.avWaste[48], 40.0f);
    QCOMPARE(s.avWaste[49], 0.0f);
    QCOMPARE(s.avWaste[50], 1.0f);
    QCOMPARE(s.avWaste[51], 2.0f);
    QCOMPARE(s.sgLeftTop, 2.0f);
}

QTEST_MAIN(DealEndTest)
#include "tst_deal_end.moc"
