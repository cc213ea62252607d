#include "board/ocxZorvane.h"
#include "platform/Speech.h"
#include "platform/Translations.h"
#include "support/Pointer.h"
#include "support/RiggedDeal.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <vector>

using testing::card;

// The sentence a screen reader speaks after each kind of change on the board, in English and
// in German, whose card names are built another way ("Herz-König").

namespace {

constexpr int kColumn = 2;
const QPointF kOnColumnTop(71 * kColumn + 30, 50);
// The dragged card then lies 10 pixels right of the waste card and 10 below it.
const QPointF kOverWaste(40, 320);

enum class Change {
    StockCard,
    LastStockCard,
    ColumnCard,
    LastColumnCard,
    LastCardOnTheBoard,
    Drop,
    RefusedDrop,
    NewDeal,
};

// Waste Six of clubs; column 3 topped by the Seven of clubs over the Two of hearts; the King of
// hearts on top of the stock and the Ace of spades at its bottom.
void rigDeal(ocxZorvane& b) {
    cards::Deck deck = testing::orderedDeck();
    testing::putCard(deck, testing::kWasteCell, card(5, 0));
    testing::putCard(deck, testing::tableauCell(kColumn, 4), card(6, 0));
    testing::putCard(deck, testing::tableauCell(kColumn, 3), card(1, 2));
    testing::putCard(deck, testing::stockCell(25), card(12, 2));
    testing::putCard(deck, testing::stockCell(0), card(0, 3));
    testing::dealDeck(b, deck);
}

// Column 3 keeps only its Seven of clubs, now its first card.
void leaveOneColumnCard(ocxZorvane& b) {
    std::swap(b.state.sgTableau[kColumn][0], b.state.sgTableau[kColumn][4]);
    b.state.sgColumnTop[kColumn] = 0;
}

void make(ocxZorvane& b, Change change) {
    switch (change) {
    case Change::StockCard:
        QTest::keyClick(b.picZorvane, Qt::Key_Space);
        break;
    case Change::LastStockCard:
        b.state.sgStockTop = 0;
        QTest::keyClick(b.picZorvane, Qt::Key_Space);
        break;
    case Change::ColumnCard:
        QTest::keyClick(b.picZorvane, Qt::Key_3);
        break;
    case Change::LastColumnCard:
        leaveOneColumnCard(b);
        QTest::keyClick(b.picZorvane, Qt::Key_3);
        break;
    case Change::LastCardOnTheBoard:
        leaveOneColumnCard(b);
        for (std::size_t c : {0u, 1u, 3u, 4u})
            b.state.sgColumnTop[c] = board::kEmptyPile;
        QTest::keyClick(b.picZorvane, Qt::Key_3);
        break;
    case Change::Drop:
        testing::drag(*b.picZorvane, kOnColumnTop, kOverWaste);
        break;
    case Change::RefusedDrop:
        testing::drag(*b.picZorvane, kOnColumnTop, kOnColumnTop + QPointF(0, 40));
        break;
    case Change::NewDeal:
        b.cmdNew->click();
        break;
    }
}

// Whether a sentence is held back on the widget until a screen reader would hear it.
bool holdsASentence(const QWidget* widget) {
    return widget->findChild<QObject*>(QStringLiteral("platform.heldAnnouncement"),
                                       Qt::FindDirectChildrenOnly) != nullptr;
}

// The sentences Qt hands on while it lives, instead of to a screen reader: announcements, or
// inserted text before Qt 6.8. Qt 6.8 hands every event on; older Qt only while a screen
// reader's bridge is active, which the offscreen platform never has, so there the holder alone
// shows what waits.
class SentEvents {
public:
    SentEvents() {
        objects().clear();
        QAccessible::installUpdateHandler(&record);
        QWidget probe;
        QAccessibleTextInsertEvent event(&probe, 0, QStringLiteral("probe"));
        QAccessible::updateAccessibility(&event);
        seen_ = !objects().empty();
        objects().clear();
    }
    ~SentEvents() { QAccessible::installUpdateHandler(nullptr); }
    SentEvents(const SentEvents&) = delete;
    SentEvents& operator=(const SentEvents&) = delete;

    bool seen() const { return seen_; }
    long long on(const QObject* object) const {
        return std::count(objects().begin(), objects().end(), object);
    }

private:
    static std::vector<const QObject*>& objects() {
        static std::vector<const QObject*> sent;
        return sent;
    }
    static void record(QAccessibleEvent* event) {
        const QByteArray type = QMetaEnum::fromType<QAccessible::Event>().valueToKey(event->type());
        if (type == "Announcement" || type == "TextInserted")
            objects().push_back(event->object());
    }

    bool seen_ = false;
};

} // namespace

class SpeechTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { platform::installTranslations({}); }
    void eachChangeIsSpokenInThePlayersLanguage_data();
    void eachChangeIsSpokenInThePlayersLanguage();
    void aSentenceWaitsUntilItWouldBeHeard();

private:
    testing::ConfigHome config_;
};

void SpeechTest::eachChangeIsSpokenInThePlayersLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("spoken"); // the start of the sentence, for a new deal

    const struct {
        const char* name;
        Change change;
        const char* english;
        const char* german;
    } rows[] = {
        {"a stock card", Change::StockCard, "King of hearts from the stock; 25 cards left.",
         "Herz-König vom Talon; noch 25 Karten."},
        {"the last stock card", Change::LastStockCard,
         "Ace of spades from the stock; the stock is empty.",
         "Pik-Ass vom Talon; der Talon ist leer."},
        {"a column card", Change::ColumnCard,
         "Seven of clubs from column 3; Two of hearts turned up.",
         "Kreuz-Sieben aus Spalte 3; aufgedeckt: Herz-Zwei."},
        {"a column's last card", Change::LastColumnCard,
         "Seven of clubs from column 3; the column is empty.",
         "Kreuz-Sieben aus Spalte 3; die Spalte ist leer."},
        {"the last card on the board", Change::LastCardOnTheBoard,
         "Seven of clubs from column 3; the column is empty. All columns are empty; the cards "
         "are being read.",
         "Kreuz-Sieben aus Spalte 3; die Spalte ist leer. Alle Spalten sind leer; die Karten "
         "werden gedeutet."},
        {"a dropped card", Change::Drop, "Seven of clubs from column 3; Two of hearts turned up.",
         "Kreuz-Sieben aus Spalte 3; aufgedeckt: Herz-Zwei."},
        {"a refused drop", Change::RefusedDrop, "", ""},
        {"a new deal", Change::NewDeal, "New deal. Waste: ", "Neues Spiel. Ablage: "},
    };
    for (const auto& row : rows) {
        QTest::addRow("%s", row.name) << QString() << row.change << QString(row.english);
        QTest::addRow("%s, de", row.name)
            << QStringLiteral("de") << row.change << QString(row.german);
    }
}

void SpeechTest::eachChangeIsSpokenInThePlayersLanguage() {
    QFETCH(QString, language);
    QFETCH(Change, change);
    QFETCH(QString, spoken);
    platform::installTranslations(language.isEmpty() ? QStringList() : QStringList{language});
    testing::MessageBoxRecorder boxes;
    ocxZorvane board;
    rigDeal(board);

    make(board, change);

    const QString said = platform::LastAnnouncement(board.picZorvane);
    if (change == Change::NewDeal) {
        QVERIFY2(said.startsWith(spoken), qPrintable(said));
        // The whole new position follows, as the description gives it.
        QVERIFY(said.endsWith(board.picZorvane->accessibleDescription()));
    } else {
        QCOMPARE(said, spoken);
    }
    QVERIFY(boxes.calls.empty());
}

// A sentence announced while a screen reader would not speak it is held until the widget would
// be heard, with the focus in the active window; the last sentence is the one kept.
void SpeechTest::aSentenceWaitsUntilItWouldBeHeard() {
    const SentEvents sent;
    QWidget window;
    auto* box = new QWidget(&window);
    box->setFocusPolicy(Qt::StrongFocus);
    QWidget other;
    window.show();
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    platform::Announce(box, QStringLiteral("first"));
    platform::Announce(box, QStringLiteral("second"));
    QTest::qWait(50);
    QCOMPARE(sent.on(box), 0);
    QVERIFY(holdsASentence(box));
    QCOMPARE(platform::LastAnnouncement(box), QStringLiteral("second"));

    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    box->setFocus();
    QTRY_VERIFY(!holdsASentence(box));
    if (sent.seen())
        QCOMPARE(sent.on(box), 1);
    // Heard at once from now on: nothing is held.
    platform::Announce(box, QStringLiteral("third"));
    QVERIFY(!holdsASentence(box));
    QCOMPARE(platform::LastAnnouncement(box), QStringLiteral("third"));
    if (sent.seen())
        QCOMPARE(sent.on(box), 2);
}

QTEST_MAIN(SpeechTest)
#include "tst_speech.moc"
