// Runs the game's program as a player's shell would.
#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void answersOrRefuses_data();
    void answersOrRefuses();
    void helpIsReadableInEveryScript_data();
    void helpIsReadableInEveryScript();
};

namespace {
// Where the program runs: on Qt's offscreen platform, as the other tests, or on what DISPLAY
// names, with nothing else a desktop session sets.
const QString kOffscreen = QStringLiteral("offscreen");
const QString kNoDisplay;
const QString kUnreachable = QStringLiteral(":65535");
} // namespace

void CommandLineTest::answersOrRefuses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // the whole of standard output
    QTest::addColumn<QString>("errors"); // found in standard error
    QTest::addColumn<QString>("display");

    const QString version = QStringLiteral("\\Azorvane " ZORVANE_VERSION "\\n\\z");
    const QString help = QStringLiteral("\\AUsage: \\S*zorvane(\\.exe)? \\[options\\]\\n.*"
                                        "-h, --help .*-v, --version ");
    QTest::newRow("--version") << QStringList{"--version"} << 0 << version << "" << kOffscreen;
    QTest::newRow("-v") << QStringList{"-v"} << 0 << version << "" << kOffscreen;
    QTest::newRow("--help") << QStringList{"--help"} << 0 << help << "" << kOffscreen;
    QTest::newRow("-h") << QStringList{"-h"} << 0 << help << "" << kOffscreen;
    QTest::newRow("--help-all adds Qt's options")
        << QStringList{"--help-all"} << 0 << help + ".*--platform "
        << "" << kOffscreen;
    QTest::newRow("Qt's own options are taken")
        << QStringList{"-style", "fusion", "--version"} << 0 << version << "" << kOffscreen;

    const QString tryHelp = QStringLiteral("\\nTry 'zorvane --help' for more information\\.\\n");
    QTest::newRow("unknown long option")
        << QStringList{"--deal"} << 1 << "\\A\\z"
        << "zorvane: Unknown option 'deal'\\." + tryHelp << kOffscreen;
    QTest::newRow("unknown short option")
        << QStringList{"-x"} << 1 << "\\A\\z"
        << "zorvane: Unknown option 'x'\\." + tryHelp << kOffscreen;
    QTest::newRow("argument") << QStringList{"omen"} << 1 << "\\A\\z"
                              << "zorvane: Unexpected argument 'omen'\\." + tryHelp << kOffscreen;
    QTest::newRow("unknown option refused before --version")
        << QStringList{"--version", "--deal"} << 1 << "\\A\\z"
        << "Unknown option 'deal'" << kOffscreen;

    // Over ssh, or in a packaging script: answers without a display, and one line, no abort,
    // when the game itself is asked for.
    QTest::newRow("--version, no display")
        << QStringList{"--version"} << 0 << version << "\\A\\z" << kNoDisplay;
    QTest::newRow("--help, no display")
        << QStringList{"--help"} << 0 << help << "\\A\\z" << kNoDisplay;
#ifdef ZORVANE_DISPLAY_SERVERS
    // Only where the game needs a display server: Windows has none to miss.
    const QString session = QStringLiteral(": run the game in a desktop session\\.\\n\\z");
    QTest::newRow("start, no display")
        << QStringList{} << 1 << "\\A\\z"
        << "\\Azorvane: no display \\(neither DISPLAY nor WAYLAND_DISPLAY is set\\)" + session
        << kNoDisplay;
    QTest::newRow("start, display unreachable")
        << QStringList{} << 1 << "\\A\\z"
        << "\\Azorvane: cannot open the display \\(DISPLAY=:65535, WAYLAND_DISPLAY unset\\)" +
               session
        << kUnreachable;
#endif
}

void CommandLineTest::answersOrRefuses() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    QFETCH(QString, display);

    QProcess game;
    if (display != kOffscreen) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
            environment.remove(QLatin1String(name));
        if (display.isEmpty())
            environment.remove(QStringLiteral("DISPLAY"));
        else
            environment.insert(QStringLiteral("DISPLAY"), display);
        game.setProcessEnvironment(environment);
    }
    game.start(QStringLiteral(ZORVANE_EXECUTABLE), arguments);
    QVERIFY(game.waitForFinished());
    // The program writes UTF-8 everywhere; Windows ends lines with CR LF.
    const QString out =
        QString::fromUtf8(game.readAllStandardOutput()).replace(QLatin1String("\r\n"), "\n");
    const QString err =
        QString::fromUtf8(game.readAllStandardError()).replace(QLatin1String("\r\n"), "\n");
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), exitCode);
    const auto dotAll = QRegularExpression::DotMatchesEverythingOption;
    QVERIFY2(QRegularExpression(output, dotAll).match(out).hasMatch(), qPrintable(out));
    QVERIFY2(QRegularExpression(errors, dotAll).match(err).hasMatch(), qPrintable(err));
}

// What --help prints in a language of each script comes out as the translation says, not as
// question marks or letters of another code page.
void CommandLineTest::helpIsReadableInEveryScript_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("Latin with accents") << "fr";
    QTest::newRow("Cyrillic") << "ru";
    QTest::newRow("Chinese characters and kana") << "ja";
}

void CommandLineTest::helpIsReadableInEveryScript() {
    QFETCH(QString, language);
    QTranslator translation;
    QVERIFY(translation.load(QLocale(language), QStringLiteral("zorvane"), QStringLiteral("_"),
                             QStringLiteral(":/i18n")));
    const QString description = translation.translate(
        "CommandLine", "A card-divination patience game: play out the deal and read the omens.");
    QVERIFY(!description.isEmpty());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), QLocale(language).name() + QStringLiteral(".UTF-8"));
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(ZORVANE_EXECUTABLE), {QStringLiteral("--help")});
    QVERIFY(game.waitForFinished());
    const QString out = QString::fromUtf8(game.readAllStandardOutput());
    QVERIFY2(out.contains(description), qPrintable(out));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
