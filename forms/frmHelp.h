#pragma once

#include "GameDialog.h"

class LinkLabel;
class QKeyEvent;

namespace platform {
class Label;
}

// The Help window: its one link opens the player's manual and closes the window.
class frmHelp : public GameDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);

    platform::Label* Label1 = nullptr;
    platform::Label* lblHelp = nullptr;
    platform::Label* Label2 = nullptr;
    LinkLabel* helpLink = nullptr;

    // Back to the designed size, as every opening of the window shows it. The controls never
    // move: resizing the window only shows more or less of the black background.
    void Load();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
