#include "board/ocxZorvane.h"
#include "support/PixelTruth.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <QTest>

class BoardTest : public QObject {
    Q_OBJECT
private slots:
    void layoutOfChildren();
    void freshBoardLayoutPixelByPixel();
    void drawWasteSqueezesAtTheLimit_data();
    void drawWasteSqueezesAtTheLimit();
    void wholeWasteRowEndsAtStepFive();
    void eraseRestoresExactlyItsRectangle();
    void predictionDealsAnewWithTheSameBack();

private:
    testing::ConfigHome config_;
};

void BoardTest::layoutOfChildren() {
    ocxZorvane board;
    QCOMPARE(board.cmdNew->text(), QStringLiteral("&Prediction"));
    QCOMPARE(board.cmdChange->text(), QStringLiteral("&New Back"));
    QCOMPARE(board.cmdHelp->text(), QStringLiteral("&Help"));
    QCOMPARE(board.cmdAbout->text(), QStringLiteral("&About"));
    QCOMPARE(board.cmdNew->geometry(), QRect(8, 8, 85, 22));
    QCOMPARE(board.cmdAbout->geometry(), QRect(280, 8, 85, 22));
    QCOMPARE(board.picZorvane->geometry(), QRect(8, 72, 359, 380));
    QCOMPARE(board.picZorvane->hDC().size(), QSize(355, 376));
    QCOMPARE(board.picCard->geometry(), QRect(200, 64, 71, 96));
    QVERIFY(board.picCard->isHidden());
    QVERIFY(board.lblRemark->isHidden());
    QCOMPARE(board.lblRemark->Caption(), QString());
    QCOMPARE(board.lblRemark->size(), QSize(4, 13));
    QCOMPARE(board.lblRemark->parentWidget(), board.picZorvane);
    QCOMPARE(board.lblRemark->ForeColor(), QColor(192, 0, 0));
    QCOMPARE(board.lblWebPage->Caption(), QStringLiteral("www.zorvane.example"));
    QCOMPARE(board.lblWebPage->ForeColor(), QColor(0, 255, 255));
    QCOMPARE(board.Label1->ForeColor(), QColor(255, 255, 0));
    QVERIFY(!board.Label1->Caption().isEmpty());
    QCOMPARE(board.tmrShowLeftCard.interval(), 300);
    QCOMPARE(board.tmrShowPairCard.interval(), 300);
    QCOMPARE(board.state.iStockY, std::int16_t(150));
    QCOMPARE(board.state.iWasteY, std::int16_t(280));
    QVERIFY(!board.tmrShowLeftCard.isActive());
    QVERIFY(!board.tmrShowPairCard.isActive());
    QCOMPARE(board.picFront.hDC().size(), QSize(923, 384));
    QCOMPARE(board.picBack.hDC().size(), QSize(568, 96));
    // The floating card stacks above the board picture.
    const QObjectList children = board.children();
    QVERIFY(children.indexOf(board.picCard) > children.indexOf(board.picZorvane));
}

void BoardTest::freshBoardLayoutPixelByPixel() {
    ocxZorvane board;
    board.state.sgBackIndex = 5;
    board.DrawBoard();
    const BoardState& s = board.state;
    const QImage& image = board.picZorvane->hDC();
    const QImage& faces = board.picFront.hDC();
    const QImage& backs = board.picBack.hDC();

    // Drawn last, the tableau is whole; each covered card shows a 5-pixel strip of its back.
    for (int c = 0; c < 5; ++c) {
        VERIFY_FACE(image, 71 * c, 20, static_cast<int>(s.sgTableau[c][4]), faces);
        for (int r = 0; r < 4; ++r)
            QCOMPARE(image.copy(71 * c, 5 * r, 71, 5), backs.copy(5 * 71, 0, 71, 5));
    }
    VERIFY_BACK(image, 250, 150, 5, backs);
    for (int i = 0; i < 25; ++i)
        QCOMPARE(image.copy(10 * i, 150, 10, 96), backs.copy(5 * 71, 0, 10, 96));
    VERIFY_FACE(image, 0, 280, static_cast<int>(s.avWaste[0]), faces);
    // Everything else is the black background.
    VERIFY_FILL(image, QRect(0, 116, 355, 34), Qt::black);
    VERIFY_FILL(image, QRect(321, 150, 34, 96), Qt::black);
    VERIFY_FILL(image, QRect(0, 246, 355, 34), Qt::black);
    VERIFY_FILL(image, QRect(71, 280, 284, 96), Qt::black);
    QVERIFY(board.lblRemark->isHidden());
}

void BoardTest::drawWasteSqueezesAtTheLimit_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<float>("stepBefore");
    QTest::addColumn<float>("stepAfter");
    QTest::newRow("28 fits at x 280") << 28 << 10.0f << 10.0f;
    QTest::newRow("29 squeezes to 9") << 29 << 10.0f << 9.0f;
    QTest::newRow("32 squeezes to 8") << 32 << 9.0f << 8.0f;
    QTest::newRow("36 squeezes to 7") << 36 << 8.0f << 7.0f;
    QTest::newRow("41 squeezes to 6") << 41 << 7.0f << 6.0f;
    QTest::newRow("47 squeezes to 5") << 47 << 6.0f << 5.0f;
    QTest::newRow("51 fits at x 255") << 51 << 5.0f << 5.0f;
}

void BoardTest::drawWasteSqueezesAtTheLimit() {
    QFETCH(int, top);
    QFETCH(float, stepBefore);
    QFETCH(float, stepAfter);
    ocxZorvane board;
    BoardState& s = board.state;
    for (int i = 0; i < 52; ++i)
        s.avWaste[i] = static_cast<float>(51 - i);
    s.sgWasteTop = static_cast<float>(top);
    s.sgWasteStep = stepBefore;
    // Marks the row so that a redraw of the whole row shows.
    board.picZorvane->hDC().fill(Qt::red);

    board.DrawWaste();

    QCOMPARE(s.sgWasteStep, stepAfter);
    const QImage& image = board.picZorvane->hDC();
    const QImage& faces = board.picFront.hDC();
    const int x = top * static_cast<int>(stepAfter);
    VERIFY_FACE(image, x, 280, 51 - top, faces);
    if (stepAfter == stepBefore) {
        VERIFY_FILL(image, QRect(0, 280, x, 96), Qt::red);
        return;
    }
    for (int i = 0; i < top; ++i)
        QCOMPARE(image.copy(i * static_cast<int>(stepAfter), 280, static_cast<int>(stepAfter), 96),
                 faces.copy((51 - i) / 4 * 71, (51 - i) % 4 * 96, static_cast<int>(stepAfter), 96));
    VERIFY_FILL(image, QRect(x + 71, 280, 355 - x - 71, 96), Qt::black);
    VERIFY_FILL(image, QRect(0, 0, 355, 280), Qt::red);
}

void BoardTest::wholeWasteRowEndsAtStepFive() {
    ocxZorvane board;
    BoardState& s = board.state;
    std::vector<int> squeezedAt;
    for (int top = 1; top < 52; ++top) {
        s.avWaste[top] = static_cast<float>(top);
        s.sgWasteTop = static_cast<float>(top);
        const float before = s.sgWasteStep;
        board.DrawWaste();
        if (s.sgWasteStep != before)
            squeezedAt.push_back(top);
    }
    QCOMPARE(squeezedAt, (std::vector<int>{29, 32, 36, 41, 47}));
    QCOMPARE(s.sgWasteStep, 5.0f);
    VERIFY_FACE(board.picZorvane->hDC(), 255, 280, 51, board.picFront.hDC());
}

void BoardTest::eraseRestoresExactlyItsRectangle() {
    ocxZorvane board;
    QImage& image = board.picZorvane->hDC();
    image.fill(Qt::red);
    board.EraseRect(0, 0, 70, 95);
    VERIFY_FILL(image, QRect(0, 0, 71, 96), Qt::black);
    VERIFY_FILL(image, QRect(71, 0, 284, 376), Qt::red);
    VERIFY_FILL(image, QRect(0, 96, 71, 280), Qt::red);

    // The whole waste row, with the board picture's outer width, is clipped to the image.
    board.EraseRect(0, 280, 359, 95);
    VERIFY_FILL(image, QRect(0, 280, 355, 96), Qt::black);
}

void BoardTest::predictionDealsAnewWithTheSameBack() {
    ocxZorvane board;
    board.state.sgBackIndex = 3;
    board.state.sgColumnTop[2] = -1;
    board.state.sgWasteTop = 7;
    board.state.iHitKind = 0;
    board.state.iHitColumn = 2;
    board.cmdNew->click();
    QCOMPARE(board.state.sgColumnTop[2], 4.0f);
    QCOMPARE(board.state.sgWasteTop, 0.0f);
    QCOMPARE(board.state.iHitKind, std::int16_t(-1));
    QCOMPARE(board.state.sgBackIndex, 3.0f);
    VERIFY_BACK(board.picZorvane->hDC(), 250, 150, 3, board.picBack.hDC());
    QVERIFY(board.cmdNew->isEnabled());
}

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
