#pragma once

#include <QWidget>

class ocxZorvane;
class frmAbout;
class frmHelp;

// The main window: fixed size, centred, holding the board control.
class frmZorvane : public QWidget {
    Q_OBJECT
public:
    explicit frmZorvane(QWidget* parent = nullptr);

    ocxZorvane* board() const { return ocxZorvane_; }

    // The About and Help windows are made on first use and kept for the whole program; each
    // opening loads them afresh and waits until they close, while the board's timers tick on.
    void ShowAbout();
    void ShowHelp();
    frmAbout* aboutWindow() const { return frmAbout_; }
    frmHelp* helpWindow() const { return frmHelp_; }

private:
    void resumePlay();

    ocxZorvane* ocxZorvane_;
    frmAbout* frmAbout_ = nullptr;
    frmHelp* frmHelp_ = nullptr;
};
