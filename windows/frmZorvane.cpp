#include "frmZorvane.h"

#include "Emblem.h"
#include "board/ProgramTexts.h"
#include "board/ocxZorvane.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The window's client area; the board control is larger and is cut off on the right and at
// the bottom, where it shows nothing.
constexpr QSize kClientSize(374, 460);
constexpr QRect kBoardControlRect(0, 0, 393, 473);

} // namespace

frmZorvane::frmZorvane(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ocxZorvane_(new ocxZorvane(this)) {
    setWindowTitle(QString::fromUtf8(texts::kProgramTitle));
    setWindowIcon(EmblemIcon());
    QPalette colors = palette();
    colors.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(colors);
    ocxZorvane_->setGeometry(kBoardControlRect);
    setFixedSize(kClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
