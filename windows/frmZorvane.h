#pragma once

#include <QWidget>

class ocxZorvane;

// The main window: fixed size, centred, holding the board control.
class frmZorvane : public QWidget {
    Q_OBJECT
public:
    explicit frmZorvane(QWidget* parent = nullptr);

    ocxZorvane* board() const { return ocxZorvane_; }

private:
    ocxZorvane* ocxZorvane_;
};
