#include "board/ocxZorvane.h"
#include "forms/Manual.h"
#include "forms/frmAbout.h"
#include "forms/frmHelp.h"
#include "forms/frmZorvane.h"
#include "platform/ProgramTexts.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QEnterEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QColor kCyan(0, 255, 255);
const QColor kBlue(0, 0, 255);

// A link label inside the window that owns it, the window shown as the game shows it.
struct LinkInWindow {
    std::unique_ptr<QWidget> window;
    platform::Label* label;
};

LinkInWindow openLink(const QString& which) {
    if (which == QLatin1String("board")) {
        auto main = std::make_unique<frmZorvane>();
        platform::Label* label = main->board()->lblWebPage;
        main->show();
        return {std::move(main), label};
    }
    if (which == QLatin1String("about")) {
        auto about = std::make_unique<frmAbout>();
        about->Load();
        about->show();
        platform::Label* label = about->lblWebPage;
        return {std::move(about), label};
    }
    auto help = std::make_unique<frmHelp>();
    help->Load();
    help->show();
    platform::Label* label = help->lblHelp;
    return {std::move(help), label};
}

void enter(QWidget* label) {
    const QPointF inside(label->width() / 2.0, label->height() / 2.0);
    QEnterEvent event(inside, inside, label->mapToGlobal(inside));
    QCoreApplication::sendEvent(label, &event);
}

void leave(QWidget* label) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(label, &event);
}

void moveWithin(QWidget* label) {
    const QPointF inside(2, 2);
    QMouseEvent event(QEvent::MouseMove, inside, label->mapToGlobal(inside), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &event);
}

struct Look {
    QColor color;
    bool underline;
};

bool operator==(const Look& a, const Look& b) {
    return a.color == b.color && a.underline == b.underline;
}

char* toString(const Look& look) {
    return QTest::toString(look.color.name() + (look.underline ? " underlined" : " plain"));
}

Look lookOf(const platform::Label* label) {
    return {label->ForeColor(), label->font().underline()};
}

} // namespace

Q_DECLARE_METATYPE(Look)

class LinksTest : public QObject {
    Q_OBJECT
private slots:
    // The manual's own language, whatever the machine's.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void looksFollowThePointer_data();
    void looksFollowThePointer();
    void onlyALeftClickOnTheHoveredLabelOpens_data();
    void onlyALeftClickOnTheHoveredLabelOpens();
    void helpFindsTheManualFromTheProgramFolder_data();
    void helpFindsTheManualFromTheProgramFolder();
    void helpLinkFollowsTheKeyboard_data();
    void helpLinkFollowsTheKeyboard();

private:
    testing::ConfigHome config_;
};

void LinksTest::looksFollowThePointer_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<Look>("rest");
    QTest::addColumn<Look>("clicked");
    QTest::addColumn<bool>("closesWindow");
    QTest::addColumn<QString>("address");
    const QString home = QString::fromUtf8(texts::kHomePage);
    // The build puts a copy of the manual beside the tests, as beside the game.
    const QString manual =
        QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/manual/index.html")
            .toString();
    QTest::newRow("board") << "board" << Look{kCyan, false} << Look{kBlue, false} << false << home;
    QTest::newRow("about") << "about" << Look{kCyan, false} << Look{kBlue, false} << false << home;
    QTest::newRow("help never changes")
        << "help" << Look{kBlue, true} << Look{kBlue, true} << true << manual;
}

// Rest, hover, leave, click, and what a clicked label does until the pointer hovers again.
void LinksTest::looksFollowThePointer() {
    QFETCH(QString, which);
    QFETCH(Look, rest);
    QFETCH(Look, clicked);
    QFETCH(bool, closesWindow);
    QFETCH(QString, address);
    const Look hovered{kBlue, true};
    testing::ShellRecorder shell;
    const LinkInWindow link = openLink(which);
    platform::Label* label = link.label;

    QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(label->cursor().hotSpot(), QPoint(8, 1));
    QCOMPARE(lookOf(label), rest);
    enter(label);
    QCOMPARE(lookOf(label), hovered);
    moveWithin(label);
    QCOMPARE(lookOf(label), hovered);
    leave(label);
    QCOMPARE(lookOf(label), rest);
    QVERIFY(shell.addresses.isEmpty());

    enter(label);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(shell.addresses, QStringList{address});
    const QUrl opened(address);
    QVERIFY(!opened.isLocalFile() || QFileInfo(opened.toLocalFile()).isFile());
    QCOMPARE(lookOf(label), clicked);
    QCOMPARE(link.window->isVisible(), !closesWindow);
    // Leaving straight after the click keeps the click look ...
    leave(label);
    QCOMPARE(lookOf(label), clicked);
    // ... until the pointer moves over the label again and then leaves it.
    moveWithin(label);
    QCOMPARE(lookOf(label), hovered);
    leave(label);
    QCOMPARE(lookOf(label), rest);
    QCOMPARE(shell.addresses.size(), 1);
}

void LinksTest::onlyALeftClickOnTheHoveredLabelOpens_data() {
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt"); // relative to the label's top-left corner
    QTest::newRow("right button") << true << Qt::RightButton << QPoint(2, 2);
    QTest::newRow("released off the label") << true << Qt::LeftButton << QPoint(-3, -3);
    // As right after a click, before the pointer has moved again.
    QTest::newRow("no hover in progress") << false << Qt::LeftButton << QPoint(2, 2);
}

void LinksTest::onlyALeftClickOnTheHoveredLabelOpens() {
    QFETCH(bool, hovered);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    testing::ShellRecorder shell;
    const LinkInWindow link = openLink(QStringLiteral("about"));
    platform::Label* label = link.label;
    if (hovered)
        enter(label);
    const Look before = lookOf(label);
    QTest::mousePress(label, button, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(label, button, Qt::NoModifier, releaseAt);
    QVERIFY(shell.addresses.isEmpty());
    QCOMPARE(lookOf(label), before);
}

void LinksTest::helpFindsTheManualFromTheProgramFolder_data() {
    QTest::addColumn<QStringList>("pages"); // under a prefix whose program folder is games/
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("opens"); // a page, or empty for the home page
    const QString installed =
        QDir::cleanPath(QStringLiteral("games/" ZORVANE_MANUAL_FROM_PROGRAM)) + QLatin1Char('/');
    const QString built = QStringLiteral("games/manual/");
    const QStringList both = {installed + "index.html", built + "index.html"};
    const QStringList translated = {installed + "index.html", installed + "index.de.html",
                                    installed + "index.pt_BR.html", installed + "index.zh_CN.html"};
    QTest::newRow("installed before built") << both << QStringList{"C"} << installed + "index.html";
    QTest::newRow("build tree") << QStringList{built + "index.html"} << QStringList{"C"}
                                << built + "index.html";
    QTest::newRow("no manual: home page") << QStringList{} << QStringList{"C"} << QString();
    QTest::newRow("a translation but no page of its own: home page")
        << QStringList{installed + "index.de.html"} << QStringList{"de-DE"} << QString();
    QTest::newRow("C locale") << translated << QStringList{"C"} << installed + "index.html";
    QTest::newRow("English before German")
        << translated << QStringList{"en-GB", "de-DE"} << installed + "index.html";
    QTest::newRow("German by its bare name")
        << translated << QStringList{"de-AT", "de"} << installed + "index.de.html";
    QTest::newRow("a region's own page")
        << translated << QStringList{"pt-BR"} << installed + "index.pt_BR.html";
    QTest::newRow("another region: no page")
        << translated << QStringList{"pt-PT"} << installed + "index.html";
    QTest::newRow("Simplified Chinese, as its locale lists it")
        << translated << QLocale("zh_CN").uiLanguages() << installed + "index.zh_CN.html";
    QTest::newRow("Traditional Chinese: no page")
        << translated << QLocale("zh_TW").uiLanguages() << installed + "index.html";
    QTest::newRow("the second language")
        << translated << QStringList{"fr-FR", "de-DE"} << installed + "index.de.html";
}

void LinksTest::helpFindsTheManualFromTheProgramFolder() {
    QFETCH(QStringList, pages);
    QFETCH(QStringList, languages);
    QFETCH(QString, opens);
    if (opens.isEmpty() && *texts::kHelpPage != '\0')
        QSKIP("this build sends help without a manual to ZORVANE_HELP_URL");
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    root.mkpath(QStringLiteral("games"));
    for (const QString& page : pages) {
        root.mkpath(QFileInfo(page).path());
        QFile(root.filePath(page)).open(QIODevice::WriteOnly);
    }
    const QString expected = opens.isEmpty() ? QString::fromUtf8(texts::kHomePage)
                                             : QUrl::fromLocalFile(root.filePath(opens)).toString();
    QCOMPARE(ManualAddress(root.filePath(QStringLiteral("games")), languages), expected);
}

void LinksTest::helpLinkFollowsTheKeyboard_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("opens");
    QTest::newRow("Return") << Qt::Key_Return << true;
    QTest::newRow("Enter") << Qt::Key_Enter << true;
    QTest::newRow("Space") << Qt::Key_Space << true;
    QTest::newRow("a letter") << Qt::Key_O << false;
}

void LinksTest::helpLinkFollowsTheKeyboard() {
    QFETCH(Qt::Key, key);
    QFETCH(bool, opens);
    testing::ShellRecorder shell;
    const LinkInWindow link = openLink(QStringLiteral("help"));
    QTest::keyClick(link.window.get(), key);
    QCOMPARE(shell.addresses.size(), opens ? 1 : 0);
    QCOMPARE(link.window->isVisible(), !opens);
    if (opens)
        QVERIFY(QUrl(shell.addresses.constFirst()).isLocalFile());
}

QTEST_MAIN(LinksTest)
#include "tst_links.moc"
