#include "frmHelp.h"

#include "LinkLabel.h"
#include "Manual.h"
#include "platform/Fonts.h"
#include "platform/Label.h"
#include "platform/Palette.h"

#include <QKeyEvent>

namespace {

constexpr QSize kClientSize(484, 268);
constexpr QRect kLabel1Rect(88, 48, 308, 37);
constexpr QRect kLblHelpRect(136, 112, 210, 29);
constexpr QRect kLabel2Rect(48, 176, 393, 25);

platform::Label* captioned(platform::Label* label, const QString& caption) {
    label->setCaption(caption);
    return label;
}

} // namespace

frmHelp::frmHelp(QWidget* parent) : GameDialog(parent) {
    //: The Help window's title.
    setWindowTitle(tr("Zorvane Online Help"));
    setFont(platform::CaptionFont());
    Label1 = captioned(new platform::Label(this, kLabel1Rect, platform::kYellow,
                                           platform::MsSansSerif(24, true), true),
                       //: The Help window's heading, in large letters; at most 396 pixels.
                       tr("Zorvane Help"));
    lblHelp = captioned(new platform::Label(this, kLblHelpRect, LinkLabel::kBlue,
                                            platform::MsSansSerif(18, true, true), true),
                        //: A link, not a button: it opens the manual in the browser.
                        tr("Open Online Help"));
    Label2 = captioned(new platform::Label(this, kLabel2Rect, Qt::white, font(), false),
                       //: The Help window's note under the link; one line of at most 393 pixels.
                       tr("You must be connected to the Internet to view the online help files.") +
                           QStringLiteral("\r\n"));
    helpLink = LinkLabel::attach(lblHelp, LinkLabel::kHelpLooks, ManualAddress());
    connect(helpLink, &LinkLabel::clicked, this, &QDialog::close);
    resize(kClientSize);
}

void frmHelp::Load() {
    resize(kClientSize);
    helpLink->reset();
}

// The link is the window's one action, so Enter or Space follows it without a mouse.
void frmHelp::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        helpLink->click();
        return;
    default:
        GameDialog::keyPressEvent(event);
    }
}
