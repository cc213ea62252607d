#include "GameDialog.h"

#include "Emblem.h"
#include "platform/Palette.h"

GameDialog::GameDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowIcon(EmblemIcon());
    platform::FillBlack(*this);
}
