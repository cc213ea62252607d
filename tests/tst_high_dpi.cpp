// Run once per screen scale (QT_SCALE_FACTOR 1, 1.5 and 2): the board must look the same and
// answer the pointer the same, in logical pixels, whatever the scale.
#include "board/ocxZorvane.h"
#include "forms/frmZorvane.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QWindow>
#include <memory>

class HighDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowIsDrawnAtTheScreenScale();
    void pointerHitsTheSameCards_data();
    void pointerHitsTheSameCards();
    void floatingCardFollowsThePointer();
    void cardsStaySharp();

private:
    void send(QEvent::Type type, QPointF boardPoint, Qt::MouseButton button, Qt::MouseButtons held);

    std::unique_ptr<testing::ConfigHome> configHome_;
    std::unique_ptr<frmZorvane> window_;
    ocxZorvane* board_ = nullptr;
    int timestamp_ = 0;
};

namespace {

double expectedScale() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

QPoint boardPictureOrigin(const platform::PictureBox& picture) {
    const int edge = picture.borderWidth();
    return picture.pos() + QPoint(edge, edge);
}

// True when the colour is one of the source pixels around (x, y): a picture enlarged by
// nearest neighbour passes, a smoothed one fails wherever two colours meet.
bool isNearbySourcePixel(const QImage& source, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (source.valid(x + dx, y + dy) && source.pixel(x + dx, y + dy) == colour)
                return true;
    return false;
}

} // namespace

void HighDpiTest::initTestCase() {
    configHome_ = std::make_unique<testing::ConfigHome>();
    window_ = std::make_unique<frmZorvane>();
    board_ = window_->board();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void HighDpiTest::cleanupTestCase() {
    window_.reset();
    configHome_.reset();
}

// Delivers the pointer as the screen does, in device pixels (the logical point times the
// scale), which the toolkit turns back into the window's logical pixels.
void HighDpiTest::send(QEvent::Type type, QPointF boardPoint, Qt::MouseButton button,
                       Qt::MouseButtons held) {
    platform::PictureBox* picture = board_->picZorvane;
    const QPointF inPicture = boardPoint + QPointF(picture->borderWidth(), picture->borderWidth());
    const QPointF inWindow = picture->mapTo(window_.get(), inPicture);
    QWindow* handle = window_->windowHandle();
    qt_handleMouseEvent(handle, inWindow, handle->mapToGlobal(inWindow), held, button, type,
                        Qt::NoModifier, ++timestamp_);
}

void HighDpiTest::windowIsDrawnAtTheScreenScale() {
    QCOMPARE(window_->devicePixelRatioF(), expectedScale());
    // Layout and the board's image stay in logical pixels; only the screen has more of them.
    QCOMPARE(board_->picZorvane->geometry(), board::kPicZorvaneRect);
    QCOMPARE(board_->picZorvane->hDC().size(), QSize(board::kBoardWidth, board::kBoardHeight));
}

void HighDpiTest::pointerHitsTheSameCards_data() {
    QTest::addColumn<QPointF>("point"); // on the board picture, in logical pixels
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("column");
    QTest::newRow("first column's top card") << QPointF(35, 60) << 0 << 0;
    QTest::newRow("its last pixel column") << QPointF(cards::kCardWidth - 1, 60) << 0 << 0;
    QTest::newRow("next column's first pixel column") << QPointF(cards::kCardWidth, 60) << 0 << 1;
    QTest::newRow("last column at the board's edge")
        << QPointF(board::kBoardWidth - 1, 60) << 0 << 4;
    QTest::newRow("covered cards above the top card") << QPointF(35, 10) << -1 << -1;
    QTest::newRow("top stock card") << QPointF(300, 200) << 1 << 0;
    QTest::newRow("stock card below the top one") << QPointF(240, 200) << -1 << -1;
    QTest::newRow("empty board corner")
        << QPointF(board::kBoardWidth - 1, board::kBoardHeight - 1) << -1 << -1;
}

void HighDpiTest::pointerHitsTheSameCards() {
    QFETCH(QPointF, point);
    QFETCH(int, kind);
    QFETCH(int, column);
    send(QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton);
    QCOMPARE(board_->state.iHitKind, kind);
    QCOMPARE(board_->state.iHitColumn, column);
    if (kind == 0) // the card's corner, seen from the pointer, for the drag
        QCOMPARE(board_->state.sgDragDX, float(cards::kCardWidth * column - point.x()));
}

// The card keeps the offset it had from the pointer when it was picked up.
void HighDpiTest::floatingCardFollowsThePointer() {
    const QPoint topCardCorner(2 * cards::kCardWidth,
                               (board::kRowsPerColumn - 1) * board::kRowStep);
    const QPointF from = topCardCorner + QPointF(18, 40);
    const QPointF to(200, 300);
    send(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    const QPoint corner = topCardCorner + (to - from).toPoint();
    QCOMPARE(board_->picCard->pos(), boardPictureOrigin(*board_->picZorvane) + corner);
    QVERIFY(board_->picCard->isVisible());
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

// Every device pixel of the board picture shows a pixel of its image, never a blend of two.
void HighDpiTest::cardsStaySharp() {
    platform::PictureBox* picture = board_->picZorvane;
    const QImage& image = picture->hDC();
    const double scale = expectedScale();
    const QImage shown = picture->grab().toImage();
    const int edge = int(picture->borderWidth() * scale);
    for (int y = 0; y < int(image.height() * scale); ++y) {
        for (int x = 0; x < int(image.width() * scale); ++x) {
            const QRgb colour = shown.pixel(x + edge, y + edge);
            if (!isNearbySourcePixel(image, int(x / scale), int(y / scale), colour))
                QFAIL(qPrintable(QStringLiteral("device pixel (%1, %2) is blurred").arg(x).arg(y)));
        }
    }
}

QTEST_MAIN(HighDpiTest)
#include "tst_high_dpi.moc"
