#pragma once

#include <QDialog>

// The game's small modal windows: black, with the emblem icon and a title bar that holds only
// the close box.
class GameDialog : public QDialog {
    Q_OBJECT
public:
    explicit GameDialog(QWidget* parent);

    // Designed lengths of these windows are in twips.
    static constexpr int kTwipsPerPixel = 15;
};
