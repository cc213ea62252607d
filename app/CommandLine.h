#pragma once

#include <QStringList>
#include <optional>

// Answers --help and --version, and refuses any other option or argument: the game takes none.
// Returns the exit code when the program should end at once; no value means: start the game.
std::optional<int> answerCommandLine(const QStringList& arguments);
