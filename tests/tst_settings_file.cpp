// The setting in its file, on systems that keep it in one.
#include "board/ocxZorvane.h"
#include "settings/eNew.h"
#include "support/PixelTruth.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {
const QString kKey = QStringLiteral("Software\\Zorvane\\PokerSetting");
const QString kName = QStringLiteral("Card_Back");
} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void storedInTheUsersConfigFile();
    void unwritableSettingsKeepTheNewBack();
};

void SettingsFileTest::storedInTheUsersConfigFile() {
    testing::ConfigHome config;
    eNew::SetRegValue(kKey, kName, QStringLiteral("4"));
    QCOMPARE(eNew::SettingsLocation(kKey), config.settingsFile());
    QVERIFY(config.readSettingsFile().contains("Card_Back=4"));
}

void SettingsFileTest::unwritableSettingsKeepTheNewBack() {
    testing::ConfigHome config;
    // A plain file where the settings folder should be: nothing can be written, even by root.
    QFile blocker(config.path() + "/Zorvane");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ocxZorvane board;
    board.cmdChange->click();
    board.cmdChange->click();
    QCOMPARE(board.state.sgBackIndex, 2.0f);
    VERIFY_BACK(board.picZorvane->hDC(), 250, 150, 2, board.picBack.hDC());
    QCOMPARE(eNew::GetRegValue(kKey, kName), QString());
}

QTEST_MAIN(SettingsFileTest)
#include "tst_settings_file.moc"
