#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace {

int refuse(const QString& reason) {
    const QString program = QCoreApplication::applicationName();
    std::fputs(qPrintable(QStringLiteral("%1: %2\n%3\n")
                              .arg(program, reason,
                                   QCoreApplication::translate(
                                       "CommandLine", "Try '%1 --help' for more information.")
                                       .arg(program))),
               stderr);
    return EXIT_FAILURE;
}

} // namespace

std::optional<int> answerCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "A card-divination patience game: play out the "
                                                   "deal and read the omens."));
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()));
    // Answers --help, --help-all and --version the way every Qt program does, and ends the
    // program there; with none of them it returns.
    parser.process(arguments);
    return std::nullopt;
}
