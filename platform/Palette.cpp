#include "Palette.h"

#include "Fonts.h"

#include <QWidget>

namespace platform {

QFont CaptionFont() {
    return MsSansSerif(8.25, true);
}

void FillBlack(QWidget& widget) {
    widget.setAutoFillBackground(true);
    QPalette colors = widget.palette();
    colors.setColor(QPalette::Window, Qt::black);
    widget.setPalette(colors);
}

} // namespace platform
