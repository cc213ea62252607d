#pragma once

#include <QString>

// The program's own texts, each in one place. The marked ones are shown through tr() in the
// context named with them; the title is the program's name and is never translated.
namespace texts {

inline constexpr char kProgramTitle[] = "Zorvane 1.2";
inline constexpr char kUnknownDesign[] =
    //: Message box when a deal is blocked or a reading finds no pair: fate will not be read
    //: this time. A solemn saying, such as that the ways of Providence are beyond knowing.
    QT_TRANSLATE_NOOP("ocxZorvane", "God's design is unknown !");
//: The line under the home page on the board, inviting the player; at most 199 pixels.
inline constexpr char kSlogan[] = QT_TRANSLATE_NOOP("ocxZorvane", "Ask the cards, read the omen");
inline constexpr char kNotice[] =
    //: The About window's copyright line.
    QT_TRANSLATE_NOOP("frmAbout", "Copyright (C) 2026 The Zorvane developers");
// Set by the build (ZORVANE_HOME_PAGE) so that a packager can point it elsewhere.
inline constexpr char kHomePage[] = ZORVANE_HOME_PAGE;
// Where help leads when no manual comes with the program (ZORVANE_HELP_URL); may be empty.
inline constexpr char kHelpPage[] = ZORVANE_HELP_URL;

// The host part of the home page address, shown on the board's link.
QString WebHostName();

} // namespace texts
