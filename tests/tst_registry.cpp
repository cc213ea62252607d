// The card back in the real Windows registry: written for the player under HKEY_CURRENT_USER,
// read from there first, then from where an older copy of the game may have left it.
#include "board/ocxZorvane.h"
#include "settings/eNew.h"
#include "support/Registry.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <QTest>
#include <windows.h>

using testing::Place;
using testing::Stored;

namespace {

// A key of the tests' own, so that the table never meets a player's setting.
const QString kTestsKey = QStringLiteral("Software\\Zorvane registry test");
const QString kKey = kTestsKey + QStringLiteral("\\PokerSetting");
const QString kGamesKey = QStringLiteral("Software\\Zorvane\\PokerSetting");
const QString kName = QStringLiteral("Card_Back");

Stored text(const QString& value) {
    return {REG_SZ, testing::textBytes(value)};
}

struct Planted {
    Place place;
    Stored value;
};
using Plants = QList<Planted>;

} // namespace

Q_DECLARE_METATYPE(Plants)

class RegistryTest : public QObject {
    Q_OBJECT
private slots:
    void init() { testing::removeFromEveryPlace(kTestsKey); }
    void cleanup() { testing::removeFromEveryPlace(kTestsKey); }
    void readsTheFirstPlaceThatHoldsTheValue_data();
    void readsTheFirstPlaceThatHoldsTheValue();
    void writesForThePlayerOnly();
    void newBackCarriesAnOlderCopysBackOver();
};

void RegistryTest::readsTheFirstPlaceThatHoldsTheValue_data() {
    QTest::addColumn<Plants>("plants");
    QTest::addColumn<QString>("read");
    const Stored dword{REG_DWORD, QByteArray("\x05\0\0\0", 4)};
    const Stored binary{REG_BINARY, QByteArray("5\0", 2)};
    const Stored list{REG_MULTI_SZ, QByteArray("5\0\0\0\0\0", 6)};

    QTest::newRow("nowhere") << Plants{} << "";
    QTest::newRow("player") << Plants{{Place::Player, text("5")}} << "5";
    QTest::newRow("older copy's virtual store")
        << Plants{{Place::VirtualStore32, text("6")}} << "6";
    QTest::newRow("virtual store, 64-bit view")
        << Plants{{Place::VirtualStore64, text("4")}} << "4";
    QTest::newRow("machine, 32-bit view") << Plants{{Place::Machine32, text("3")}} << "3";
    QTest::newRow("machine, 64-bit view") << Plants{{Place::Machine64, text("7")}} << "7";
    QTest::newRow("player over every older place") << Plants{{Place::Machine64, text("7")},
                                                             {Place::Machine32, text("3")},
                                                             {Place::VirtualStore32, text("6")},
                                                             {Place::Player, text("1")}}
                                                   << "1";
    // Windows showed the older copy its virtual store over the machine's key.
    QTest::newRow("virtual store over machine")
        << Plants{{Place::Machine32, text("3")}, {Place::VirtualStore32, text("2")}} << "2";
    QTest::newRow("32-bit view over 64-bit view")
        << Plants{{Place::Machine64, text("7")}, {Place::Machine32, text("3")}} << "3";
    QTest::newRow("player's empty text")
        << Plants{{Place::Player, text("")}, {Place::Machine32, text("3")}} << "";
    QTest::newRow("player's number is not text")
        << Plants{{Place::Player, dword}, {Place::Machine32, text("3")}} << "";
    QTest::newRow("binary is not text") << Plants{{Place::Player, binary}} << "";
    QTest::newRow("list is not text") << Plants{{Place::VirtualStore32, list}} << "";
    QTest::newRow("text without its NUL")
        << Plants{{Place::Player, {REG_SZ, QByteArray("7\0", 2)}}} << "7";
    QTest::newRow("text with junk after its NUL")
        << Plants{{Place::Machine32, {REG_SZ, QByteArray("3\0\0\0x\0", 6)}}} << "3";
    QTest::newRow("odd byte count")
        << Plants{{Place::Player, {REG_SZ, QByteArray("2\0\0", 3)}}} << "2";
    QTest::newRow("long text") << Plants{{Place::Player, text(QString(1000, QLatin1Char('x')))}}
                               << QString(1000, QLatin1Char('x'));
}

void RegistryTest::readsTheFirstPlaceThatHoldsTheValue() {
    QFETCH(Plants, plants);
    QFETCH(QString, read);
    // Another value of the same key is no stand-in for the missing one.
    testing::plantValue(Place::Player, kKey, QStringLiteral("Other"), text("9"));
    for (const Planted& planted : plants)
        testing::plantValue(planted.place, kKey, kName, planted.value);
    QCOMPARE(eNew::GetRegValue(kKey, kName), read);
}

void RegistryTest::writesForThePlayerOnly() {
    testing::plantValue(Place::Machine32, kKey, kName, text("3"));
    eNew::SetRegValue(kKey, kName, QStringLiteral("4"));
    QCOMPARE(testing::storedValue(Place::Player, kKey, kName), text("4"));
    QCOMPARE(testing::storedValue(Place::Machine32, kKey, kName), text("3"));
    for (Place untouched : {Place::Machine64, Place::VirtualStore32, Place::VirtualStore64})
        QCOMPARE(testing::storedValue(untouched, kKey, kName), Stored{});
    QCOMPARE(eNew::SettingsLocation(kKey), "HKEY_CURRENT_USER\\" + kKey);
    QCOMPARE(eNew::GetRegValue(kKey, kName), QStringLiteral("4"));
}

// A player who chose back 5 with an older copy (kept in the virtual store) starts with it, and
// the next "&New Back" lands in the player's own key.
void RegistryTest::newBackCarriesAnOlderCopysBackOver() {
    const testing::ConfigHome freshSettings;
    testing::plantValue(Place::VirtualStore32, kGamesKey, kName, text("5"));
    {
        ocxZorvane board;
        QCOMPARE(board.state.sgBackIndex, 5.0f);
        board.cmdChange->click();
    }
    QCOMPARE(testing::storedValue(Place::Player, kGamesKey, kName), text("6"));
    QCOMPARE(testing::storedValue(Place::VirtualStore32, kGamesKey, kName), text("5"));
    ocxZorvane nextStart;
    QCOMPARE(nextStart.state.sgBackIndex, 6.0f);
}

QTEST_MAIN(RegistryTest)
#include "tst_registry.moc"
