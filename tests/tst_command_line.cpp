// Runs the game's program as a player's shell would.
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void answersOrRefuses_data();
    void answersOrRefuses();
};

void CommandLineTest::answersOrRefuses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // the whole of standard output
    QTest::addColumn<QString>("errors"); // found in standard error

    const QString version = QStringLiteral("\\Azorvane " ZORVANE_VERSION "\\n\\z");
    const QString help = QStringLiteral("\\AUsage: \\S*zorvane \\[options\\]\\n.*"
                                        "-h, --help .*-v, --version ");
    QTest::newRow("--version") << QStringList{"--version"} << 0 << version << "";
    QTest::newRow("-v") << QStringList{"-v"} << 0 << version << "";
    QTest::newRow("--help") << QStringList{"--help"} << 0 << help << "";
    QTest::newRow("-h") << QStringList{"-h"} << 0 << help << "";
    QTest::newRow("--help-all adds Qt's options")
        << QStringList{"--help-all"} << 0 << help + ".*--platform "
        << "";
    QTest::newRow("Qt's own options are taken")
        << QStringList{"-platform", "offscreen", "--version"} << 0 << version << "";

    const QString tryHelp = QStringLiteral("\\nTry 'zorvane --help' for more information\\.\\n");
    QTest::newRow("unknown long option") << QStringList{"--deal"} << 1 << "\\A\\z"
                                         << "zorvane: Unknown option 'deal'\\." + tryHelp;
    QTest::newRow("unknown short option") << QStringList{"-x"} << 1 << "\\A\\z"
                                          << "zorvane: Unknown option 'x'\\." + tryHelp;
    QTest::newRow("argument") << QStringList{"omen"} << 1 << "\\A\\z"
                              << "zorvane: Unexpected argument 'omen'\\." + tryHelp;
    QTest::newRow("unknown option refused before --version")
        << QStringList{"--version", "--deal"} << 1 << "\\A\\z"
        << "Unknown option 'deal'";
}

void CommandLineTest::answersOrRefuses() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);

    QProcess game;
    game.start(QStringLiteral(ZORVANE_EXECUTABLE), arguments);
    QVERIFY(game.waitForFinished());
    const QString out = QString::fromLocal8Bit(game.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(game.readAllStandardError());
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), exitCode);
    const auto dotAll = QRegularExpression::DotMatchesEverythingOption;
    QVERIFY2(QRegularExpression(output, dotAll).match(out).hasMatch(), qPrintable(out));
    QVERIFY2(QRegularExpression(errors, dotAll).match(err).hasMatch(), qPrintable(err));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
