#include "board/ocxZorvane.h"
#include "settings/CardBack.h"
#include "settings/eNew.h"
#include "support/PixelTruth.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <QTest>

namespace {
const QString kKey = QStringLiteral("Software\\Zorvane\\PokerSetting");
const QString kName = QStringLiteral("Card_Back");
} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void roundTripAndMissingKey();
    void backIndexFromText_data();
    void backIndexFromText();
    void newBackStepsAndSaves_data();
    void newBackStepsAndSaves();
    void firstBoardShowsTheSavedBack();
};

void SettingsTest::roundTripAndMissingKey() {
    testing::ConfigHome config;
    QCOMPARE(eNew::GetRegValue(kKey, kName), QString());
    const QString long254(254, QLatin1Char('x'));
    for (const QString& text : {QStringLiteral("5"), QString(), long254, QStringLiteral(" 3 x")}) {
        eNew::SetRegValue(kKey, kName, text);
        QCOMPARE(eNew::GetRegValue(kKey, kName), text);
    }
    QCOMPARE(eNew::GetRegValue(kKey, QStringLiteral("Other")), QString());
}

void SettingsTest::backIndexFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("back");
    QTest::newRow("digit") << "3" << 3.0f;
    QTest::newRow("leading blanks") << "  6" << 6.0f;
    QTest::newRow("number then junk") << "2abc" << 2.0f;
    QTest::newRow("seven") << "7" << 7.0f;
    QTest::newRow("empty") << "" << 0.0f;
    QTest::newRow("letters") << "abc" << 0.0f;
    QTest::newRow("too large") << "9" << 0.0f;
    QTest::newRow("eight") << "8" << 0.0f;
    QTest::newRow("negative") << "-1" << 0.0f;
    QTest::newRow("fraction") << "2.5" << 0.0f;
    QTest::newRow("huge") << "99999999999999999999999" << 0.0f;
    QTest::newRow("junk") << QString(300, QLatin1Char('#')) << 0.0f;
}

void SettingsTest::backIndexFromText() {
    QFETCH(QString, text);
    QFETCH(float, back);
    QCOMPARE(eNew::BackIndexFromText(text, cards::kBackCount), back);
}

void SettingsTest::newBackStepsAndSaves_data() {
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("next");
    QTest::newRow("7 wraps to 0") << "7"
                                  << "0";
    QTest::newRow("2 steps to 3") << "2"
                                  << "3";
    QTest::newRow("nothing saved gives 1") << ""
                                           << "1";
}

void SettingsTest::newBackStepsAndSaves() {
    QFETCH(QString, saved);
    QFETCH(QString, next);
    testing::ConfigHome config;
    if (!saved.isEmpty())
        eNew::SetRegValue(kKey, kName, saved);
    ocxZorvane board;
    board.state.sgColumnTop[0] = -1; // a game in progress is abandoned
    board.cmdChange->click();
    QCOMPARE(eNew::GetRegValue(kKey, kName), next);
    QCOMPARE(board.state.sgBackIndex, next.toFloat());
    QCOMPARE(board.state.sgColumnTop[0], 4.0f);
    VERIFY_BACK(board.picZorvane->hDC(), 250, 150, next.toInt(), board.picBack.hDC());
    QVERIFY(board.cmdChange->isEnabled());
    QVERIFY(board.cmdNew->isEnabled());
}

void SettingsTest::firstBoardShowsTheSavedBack() {
    testing::ConfigHome config;
    eNew::SetRegValue(kKey, kName, QStringLiteral("3"));
    ocxZorvane board;
    QCOMPARE(board.state.sgBackIndex, 3.0f);
    for (int c = 0; c < 5; ++c)
        QCOMPARE(board.picZorvane->hDC().copy(71 * c, 0, 71, 5),
                 board.picBack.hDC().copy(3 * 71, 0, 71, 5));
    VERIFY_BACK(board.picZorvane->hDC(), 250, 150, 3, board.picBack.hDC());
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
