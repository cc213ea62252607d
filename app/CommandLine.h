#pragma once

#include <QStringList>
#include <optional>

// Answers --help and --version, and refuses any other option or argument: the game takes none.
// Returns the exit code when the program should end at once; no value means: start the game.
std::optional<int> answerCommandLine(const QStringList& arguments);

// The same, before the GUI application exists, so that --help and --version answer where no
// display can be reached. Leaves what only the GUI application knows (Qt's own options, and
// --help-all, which lists them) to answerCommandLine: then no value.
std::optional<int> answerCommandLineBeforeTheDisplay(int argc, char* argv[]);

// The program's name and version, as the answers and the desktop show them.
void nameApplication();
