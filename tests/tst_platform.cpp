#include "platform/BitBlt.h"
#include "platform/Conversions.h"
#include "platform/Random.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QTest>

using platform::roundToInt16;
using platform::roundToInt32;

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void roundingTakesNearestWithTiesToEven_data();
    void roundingTakesNearestWithTiesToEven();
    void roundingSaturatesInsteadOfWrapping();
    void bitBltCopiesClippedToBothImages_data();
    void bitBltCopiesClippedToBothImages();
    void generatorYieldsValuesInUnitInterval();
    void scriptedSourceReplacesGenerator();
};

void PlatformTest::roundingTakesNearestWithTiesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("2.5 to even 2") << 2.5 << 2;
    QTest::newRow("3.5 to even 4") << 3.5 << 4;
    QTest::newRow("-2.5 to even -2") << -2.5 << -2;
    QTest::newRow("0.5 to 0") << 0.5 << 0;
    QTest::newRow("2.4999") << 2.4999 << 2;
    QTest::newRow("-70.6") << -70.6 << -71;
}

void PlatformTest::roundingTakesNearestWithTiesToEven() {
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(roundToInt32(value), expected);
    QCOMPARE(roundToInt16(value), expected);
}

void PlatformTest::roundingSaturatesInsteadOfWrapping() {
    QCOMPARE(roundToInt16(40000.0), std::int16_t(32767));
    QCOMPARE(roundToInt16(-1e9), std::int16_t(-32768));
    QCOMPARE(roundToInt32(1e30), std::numeric_limits<std::int32_t>::max());
    QCOMPARE(roundToInt32(std::nan("")), 0);
}

// A 4 x 3 source of distinct colours copied into a 5 x 5 black destination.
void PlatformTest::bitBltCopiesClippedToBothImages_data() {
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QRect>("changed"); // destination pixels that must take source pixels
    QTest::newRow("inside") << QPoint(1, 1) << QSize(4, 3) << QPoint(0, 0) << QRect(1, 1, 4, 3);
    QTest::newRow("past right and bottom")
        << QPoint(3, 4) << QSize(4, 3) << QPoint(0, 0) << QRect(3, 4, 2, 1);
    QTest::newRow("negative destination")
        << QPoint(-2, -1) << QSize(4, 3) << QPoint(0, 0) << QRect(0, 0, 2, 2);
    QTest::newRow("source beyond its image")
        << QPoint(0, 0) << QSize(4, 3) << QPoint(2, 1) << QRect(0, 0, 2, 2);
    QTest::newRow("far outside") << QPoint(-100000, 7) << QSize(4, 3) << QPoint(0, 0) << QRect();
}

void PlatformTest::bitBltCopiesClippedToBothImages() {
    QFETCH(QPoint, to);
    QFETCH(QSize, size);
    QFETCH(QPoint, from);
    QFETCH(QRect, changed);
    QImage source(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            source.setPixel(x, y, qRgb(10 * x + 1, 10 * y + 1, 7));
    QImage dest(5, 5, QImage::Format_RGB32);
    dest.fill(Qt::black);

    platform::BitBlt(dest, to.x(), to.y(), size.width(), size.height(), source, from.x(), from.y());

    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const QPoint at(x, y);
            const QRgb expected =
                changed.contains(at) ? source.pixel(at - to + from) : qRgb(0, 0, 0);
            QVERIFY2(dest.pixel(at) == expected,
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
}

void PlatformTest::generatorYieldsValuesInUnitInterval() {
    platform::Randomize();
    float lowest = 1, highest = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = platform::Rnd();
        QVERIFY(r >= 0.0f && r < 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    QVERIFY(lowest < 0.001f && highest > 0.999f);
}

void PlatformTest::scriptedSourceReplacesGenerator() {
    {
        testing::ScriptedRandom script({0.25f, 0.75f});
        QCOMPARE(platform::Rnd(), 0.25f);
        QCOMPARE(platform::Rnd(), 0.75f);
        QCOMPARE(platform::Rnd(), 0.25f);
    }
    const float real = platform::Rnd();
    QVERIFY(real >= 0.0f && real < 1.0f);
}

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
