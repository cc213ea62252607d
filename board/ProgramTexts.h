#pragma once

#include <QString>

// The program's own texts, each in one place.
namespace texts {

inline constexpr char kProgramTitle[] = "Zorvane 1.2";
inline constexpr char kUnknownDesign[] = "God's design is unknown !";
inline constexpr char kSlogan[] = "Ask the cards, read the omen";
inline constexpr char kNotice[] = "Copyright (C) 2026 The Zorvane developers";
// Set by the build (ZORVANE_HOME_PAGE) so that a packager can point it elsewhere.
inline constexpr char kHomePage[] = ZORVANE_HOME_PAGE;
// Where help leads when no manual comes with the program (ZORVANE_HELP_URL); may be empty.
inline constexpr char kHelpPage[] = ZORVANE_HELP_URL;

// The host part of the home page address, shown on the board's link.
QString WebHostName();

} // namespace texts
