#include "frmAbout.h"

#include "Emblem.h"
#include "LinkLabel.h"
#include "platform/Conversions.h"
#include "platform/Fonts.h"
#include "platform/Label.h"
#include "platform/Palette.h"
#include "platform/ProgramTexts.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

namespace {

constexpr QSize kClientSize(354, 246);
// Until the window system has framed the window (and on platforms without frames) the frame of
// the system the window was designed on stands in: 3 pixels on either side.
constexpr int kDesignFrameWidth = 6;

constexpr QRect kPicMarkRect(16, 16, 34, 34);
constexpr QRect kLblSoftwareVersionRect(16, 72, 115, 16);
constexpr QRect kLblSoftwareAutherRect(14, 104, 76, 16);
constexpr QRect kLblNoteRect(32, 168, 147, 16);
// The note's designed size is that of its English caption; a translation brings its own.
//: The About window's line before the home page's address, which follows on the same line.
constexpr char kNote[] = QT_TRANSLATE_NOOP("frmAbout", "You can visit web page : ");
constexpr QRect kLblWebPageRect(200, 168, 63, 16);
constexpr QRect kCmdOKRect(120, 208, 84, 25);
constexpr char kNotice[] =
    //: The About window's copyright line.
    QT_TRANSLATE_NOOP("frmAbout", "Copyright (C) 2026 The Zorvane developers");
const frmAbout::LineControl kLine1{360, 2145, 4560, 2145, QColor(128, 128, 128)};
const frmAbout::LineControl kLine2{360, 2160, 4560, 2160, Qt::white};
constexpr float kLinkGap = 240; // between the note and the address, in twips

constexpr float twips(int pixels) {
    return static_cast<float>(pixels * GameDialog::kTwipsPerPixel);
}

int pixels(float twips) {
    return platform::roundToInt32(twips / static_cast<float>(GameDialog::kTwipsPerPixel));
}

float Left(const QWidget* control) {
    return twips(control->x());
}
float Width(const QWidget* control) {
    return twips(control->width());
}
void setLeft(QWidget* control, float left) {
    control->move(pixels(left), control->y());
}
void centre(QWidget* control, float W) {
    setLeft(control, (W - Width(control)) / 2);
}

platform::Label* textLabel(QWidget* parent, QRect designed, QColor color, bool bold) {
    return new platform::Label(parent, designed, color, platform::MsSansSerif(9.75, bold), true);
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : GameDialog(parent), Line1(kLine1), Line2(kLine2) {
    setFixedSize(kClientSize);
    createControls();
}

void frmAbout::createControls() {
    picMark = new QLabel(this);
    picMark->setFrameStyle(QFrame::Box | QFrame::Plain);
    picMark->setLineWidth(1);
    picMark->setPixmap(EmblemPicture());
    picMark->setAlignment(Qt::AlignCenter);
    //: What a screen reader calls the About window's picture.
    picMark->setAccessibleName(tr("Zorvane emblem"));
    lblSoftwareVersion = textLabel(this, kLblSoftwareVersionRect, platform::kDarkRed, true);
    lblSoftwareAuther = textLabel(this, kLblSoftwareAutherRect, Qt::white, false);
    lblNote = textLabel(this, kLblNoteRect, Qt::white, false);
    lblNote->setCaption(tr(kNote));
    lblWebPage = textLabel(this, kLblWebPageRect, platform::kCyan, false);
    webPageLink = LinkLabel::attach(lblWebPage, LinkLabel::kWebPageLooks,
                                    QString::fromUtf8(texts::kHomePage));
    //: The button that closes the About window.
    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setFont(platform::CaptionFont());
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    placeAsDesigned();
}

void frmAbout::Load() {
    create(); // asks the window system for the frame before the window shows
    placeAsDesigned();
    setCaptions();
    webPageLink->reset();
    cmdOK->setFocus();
    CentreOn(OuterWidth());
}

void frmAbout::placeAsDesigned() {
    picMark->setGeometry(kPicMarkRect);
    lblSoftwareVersion->setGeometry(kLblSoftwareVersionRect);
    lblSoftwareAuther->setGeometry(kLblSoftwareAutherRect);
    lblNote->setGeometry(lblNote->Caption() == QLatin1String(kNote)
                             ? kLblNoteRect
                             : QRect(kLblNoteRect.topLeft(), lblNote->sizeHint()));
    lblWebPage->setGeometry(kLblWebPageRect);
    cmdOK->setGeometry(kCmdOKRect);
    Line1 = kLine1;
    Line2 = kLine2;
}

void frmAbout::setCaptions() {
    const QString title = QString::fromUtf8(texts::kProgramTitle);
    //: The About window's title; %1 is the program's name, "Zorvane 1.2".
    setWindowTitle(tr("About %1").arg(title));
    lblSoftwareVersion->setCaption(title);
    lblSoftwareAuther->setCaption(tr(kNotice));
    lblWebPage->setCaption(QString::fromUtf8(texts::kHomePage));
}

void frmAbout::CentreOn(float W) {
    centre(lblSoftwareVersion, W);
    centre(lblSoftwareAuther, W);
    // The note and the address are centred as one line.
    setLeft(lblNote, (W - Width(lblNote) - Width(lblWebPage) - kLinkGap) / 2);
    setLeft(lblWebPage, Left(lblNote) + Width(lblNote) + kLinkGap);
    centre(cmdOK, W);
    centre(picMark, W);
    Line1.X2 = W - Line1.X1;
    Line2.X2 = W - Line2.X1;
    update();
}

float frmAbout::OuterWidth() const {
    const QWindow* window = windowHandle();
    const QMargins margins = window ? window->frameMargins() : QMargins();
    const int frame = margins.left() + margins.right();
    return twips(width() + (frame > 0 ? frame : kDesignFrameWidth));
}

void frmAbout::paintEvent(QPaintEvent* event) {
    GameDialog::paintEvent(event);
    QPainter painter(this);
    for (const LineControl& line : {Line1, Line2}) {
        painter.setPen(line.BorderColor);
        painter.drawLine(pixels(line.X1), pixels(line.Y1), pixels(line.X2), pixels(line.Y2));
    }
}
