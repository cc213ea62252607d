#pragma once

#include <QtGlobal>

// While it lives (around the GUI application's construction), holds Qt's messages back; when
// Qt finds no platform that can open a display and would abort, it prints one line saying
// what is missing instead, and ends the program with status 1. When it ends with the
// application made, it passes the held messages on.
class ExitWhenNoDisplay {
public:
    ExitWhenNoDisplay();
    ~ExitWhenNoDisplay();
    ExitWhenNoDisplay(const ExitWhenNoDisplay&) = delete;
    ExitWhenNoDisplay& operator=(const ExitWhenNoDisplay&) = delete;
};
