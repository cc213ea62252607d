#pragma once

#include "GameDialog.h"

#include <QColor>

class LinkLabel;
class QLabel;
class QPushButton;

namespace platform {
class Label;
}

// The About window: emblem, program title, notice, separator and the link to the home page,
// centred on the window's outer width each time it loads.
class frmAbout : public GameDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // A line drawn on the window; its ends are in twips like every design length here.
    struct LineControl {
        float X1, Y1, X2, Y2;
        QColor BorderColor;
    };

    QLabel* picMark = nullptr;
    platform::Label* lblSoftwareVersion = nullptr;
    platform::Label* lblSoftwareAuther = nullptr;
    platform::Label* lblNote = nullptr;
    platform::Label* lblWebPage = nullptr;
    QPushButton* cmdOK = nullptr;
    LineControl Line1;
    LineControl Line2;
    LinkLabel* webPageLink = nullptr;

    // Puts the controls where they were designed, sets the captions and centres the contents,
    // as every opening of the window does.
    void Load();
    // Centres the contents on an outer width of W twips. Positions count from the client
    // area while W includes the frame, so centred items end up half a frame right of centre.
    void CentreOn(float W);
    // The outer width in twips, frame included.
    float OuterWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void placeAsDesigned();
    void setCaptions();
};
