#include "CommandLine.h"

#include "platform/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace {

int refuse(const QString& reason) {
    const QString program = QCoreApplication::applicationName();
    std::fputs(qPrintable(QStringLiteral("%1: %2\n%3\n")
                              .arg(program, reason,
                                   //: After a wrong command line; %1 is the program's name.
                                   QCoreApplication::translate(
                                       "CommandLine", "Try '%1 --help' for more information.")
                                       .arg(program))),
               stderr);
    return EXIT_FAILURE;
}

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        //: The line that --help prints about the program.
        QCoreApplication::translate("CommandLine", "A card-divination patience game: play out the "
                                                   "deal and read the omens."));
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("zorvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZORVANE_VERSION));
}

std::optional<int> answerCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        //: A word on the command line the program does not take; %1 is that word.
        return refuse(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()));
    // Answers --help, --help-all and --version the way every Qt program does, and ends the
    // program there; with none of them it returns.
    parser.process(arguments);
    return std::nullopt;
}

std::optional<int> answerCommandLineBeforeTheDisplay(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    nameApplication();
    platform::installTranslations();
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(QCoreApplication::arguments()) || parser.isSet(QStringLiteral("help-all")))
        return std::nullopt;
    return answerCommandLine(QCoreApplication::arguments());
}
