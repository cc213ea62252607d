#pragma once

#include <QString>

// The texts the whole program shares, each in one place, where the board, the forms and the
// program itself find them. The title is the program's name and is never translated.
namespace texts {

inline constexpr char kProgramTitle[] = "Zorvane 1.2";
// Set by the build (ZORVANE_HOME_PAGE) so that a packager can point it elsewhere.
inline constexpr char kHomePage[] = ZORVANE_HOME_PAGE;
// Where help leads when no manual comes with the program (ZORVANE_HELP_URL); may be empty.
inline constexpr char kHelpPage[] = ZORVANE_HELP_URL;

// The host part of the home page address, shown on the board's link.
QString WebHostName();

} // namespace texts
