#include "frmZorvane.h"

#include "Emblem.h"
#include "LinkLabel.h"
#include "board/ocxZorvane.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "platform/Palette.h"
#include "platform/ProgramTexts.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The window's client area; the board control is larger (board::kControlRect).
constexpr QSize kClientSize(374, 460);

template <typename Window> void showModally(Window*& window, QWidget* owner) {
    if (!window)
        window = new Window(owner);
    window->Load();
    window->exec();
}

} // namespace

frmZorvane::frmZorvane(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ocxZorvane_(new ocxZorvane(this)) {
    setWindowTitle(QString::fromUtf8(texts::kProgramTitle));
    setWindowIcon(EmblemIcon());
    QPalette colors = palette();
    colors.setColor(QPalette::Window, platform::kSilver);
    setPalette(colors);
    setFixedSize(kClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    LinkLabel::attach(ocxZorvane_->lblWebPage, LinkLabel::kWebPageLooks,
                      QString::fromUtf8(texts::kHomePage));
    connect(ocxZorvane_, &ocxZorvane::aboutRequested, this, &frmZorvane::ShowAbout);
    connect(ocxZorvane_, &ocxZorvane::helpRequested, this, &frmZorvane::ShowHelp);
    ocxZorvane_->picZorvane->setFocus(); // keyboard play starts without a Tab
}

void frmZorvane::ShowAbout() {
    showModally(frmAbout_, this);
    resumePlay();
}

void frmZorvane::ShowHelp() {
    showModally(frmHelp_, this);
    resumePlay();
}

// Whichever way the window was opened, the keys play on once it is closed.
void frmZorvane::resumePlay() {
    ocxZorvane_->picZorvane->setFocus();
}
