#include "ocxZorvane.h"

#include "cards/Sheets.h"
#include "platform/Fonts.h"
#include "platform/Palette.h"
#include "platform/ProgramTexts.h"
#include "settings/CardBack.h"
#include "settings/eNew.h"

#include <QPushButton>

namespace {

//: The line under the home page on the board, inviting the player; at most 199 pixels.
constexpr char kSlogan[] = QT_TRANSLATE_NOOP("ocxZorvane", "Ask the cards, read the omen");

// As on game toolbars, a click leaves the keyboard focus on the board; Tab reaches the buttons.
QPushButton* commandButton(QWidget* parent, const QString& caption, QRect place) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    button->setFont(platform::CaptionFont());
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

ocxZorvane::ocxZorvane(QWidget* parent)
    : QWidget(parent), picWork(QSize(board::kBoardWidth, board::kBoardHeight), Qt::black),
      picBack(cards::BackSheet()), picFront(cards::FaceSheet()) {
    createChildren();
    Initialize();
}

ocxZorvane::~ocxZorvane() = default;

void ocxZorvane::createChildren() {
    setGeometry(board::kControlRect);
    platform::FillBlack(*this);

    //: Button that deals a new game, asking the cards again. '&' goes before the access key
    //: (Alt and that letter), which no other button of the window may use. Every button is
    //: 85 pixels wide. Chinese, Japanese and Korean put a Latin letter in brackets after the
    //: caption: "占卜(&P)".
    cmdNew = commandButton(this, tr("&Prediction"), board::kCmdNewRect);
    //: Button that takes the next picture for the backs of the cards and deals again.
    cmdChange = commandButton(this, tr("&New Back"), board::kCmdChangeRect);
    //: Button that opens the Help window, which leads to the manual.
    cmdHelp = commandButton(this, tr("&Help"), board::kCmdHelpRect);
    //: Button that opens the About window: the program's version and home page.
    cmdAbout = commandButton(this, tr("&About"), board::kCmdAboutRect);

    lblWebPage = new platform::Label(this, board::kLblWebPageRect, platform::kCyan,
                                     platform::MsSansSerif(13.5, true), true);
    lblWebPage->setCaption(texts::WebHostName());
    Label1 = new platform::Label(this, board::kLabel1Rect, platform::kYellow,
                                 platform::CaptionFont(), true);
    Label1->setCaption(tr(kSlogan));

    picZorvane = new platform::PictureBox(this, board::kPicZorvaneRect,
                                          platform::PictureBox::Border::Sunken3D, Qt::black);
    picZorvane->setFocusPolicy(Qt::StrongFocus); // for keyboard play
    //: What a screen reader calls the playing area.
    picZorvane->setAccessibleName(tr("Board"));
    // What a screen reader offers as the board's help.
    //: Screen-reader help on the playing area. Key 1 moves the top card of the first column,
    //: key 2 that of the second, and so on to 5: each key its corresponding column. Space or
    //: 0 turns the stock's top card onto the waste.
    picZorvane->setWhatsThis(tr("Keys 1 to 5 move that column's top card onto the "
                                "waste; Space or 0 turns the top stock card."));
    const int edge = picZorvane->borderWidth();
    lblRemark = new platform::Label(picZorvane, board::kLblRemarkRect.translated(edge, edge),
                                    platform::kDarkRed, platform::CaptionFont(), true);
    lblRemark->hide();

    picCard = new platform::PictureBox(this, board::kPicCardRect,
                                       platform::PictureBox::Border::None, Qt::white);
    picCard->hide();

    for (QTimer* timer : {&tmrShowLeftCard, &tmrShowPairCard}) {
        timer->setInterval(board::kTimerIntervalMs);
        timer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5% early
    }

    setTabOrder(picZorvane, cmdNew);
    setTabOrder(cmdNew, cmdChange);
    setTabOrder(cmdChange, cmdHelp);
    setTabOrder(cmdHelp, cmdAbout);

    connect(cmdNew, &QPushButton::clicked, this, &ocxZorvane::cmdNew_Click);
    connect(cmdChange, &QPushButton::clicked, this, &ocxZorvane::cmdChange_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &ocxZorvane::cmdHelp_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &ocxZorvane::cmdAbout_Click);
    connect(&tmrShowLeftCard, &QTimer::timeout, this, &ocxZorvane::tmrShowLeftCard_Timer);
    connect(&tmrShowPairCard, &QTimer::timeout, this, &ocxZorvane::tmrShowPairCard_Timer);
    connect(picZorvane, &platform::PictureBox::MouseMove, this, &ocxZorvane::picZorvane_MouseMove);
    connect(picZorvane, &platform::PictureBox::MouseUp, this, &ocxZorvane::picZorvane_MouseUp);
    connect(picZorvane, &platform::PictureBox::DblClick, this, &ocxZorvane::picZorvane_DblClick);
    connect(picZorvane, &platform::PictureBox::KeyDown, this, &ocxZorvane::picZorvane_KeyDown);
}

void ocxZorvane::Initialize() {
    objCard = std::make_unique<clsCard>();
    state.sgBackIndex = eNew::BackIndexFromText(
        eNew::GetRegValue(eNew::kSettingsKey, eNew::kBackValueName), cards::kBackCount);
    state.iStockY = board::kStockY;
    state.iWasteY = board::kWasteY;
    picCard->raise();
    DealCards();
    DrawBoard();
}

void ocxZorvane::cmdNew_Click() {
    DealCards();
    DrawBoard();
    AnnounceNewDeal();
    flickerEnabled(cmdNew);
}

void ocxZorvane::cmdChange_Click() {
    if (state.sgBackIndex >= cards::kBackCount - 1)
        state.sgBackIndex = 0;
    else
        state.sgBackIndex += 1;
    eNew::SetRegValue(eNew::kSettingsKey, eNew::kBackValueName,
                      QString::number(static_cast<int>(state.sgBackIndex)));
    cmdNew_Click();
    flickerEnabled(cmdChange);
}

void ocxZorvane::cmdHelp_Click() {
    emit helpRequested();
    flickerEnabled(cmdHelp);
}

void ocxZorvane::cmdAbout_Click() {
    emit aboutRequested();
    flickerEnabled(cmdAbout);
}

// Toggling Enabled at the end of a click is what each command button's handler does. Disabling
// a focused button would hand the focus on to the next control, so the hand-over is refused
// for that moment: the focus stays on the button, and a screen reader hears no focus change.
void ocxZorvane::flickerEnabled(QPushButton* button) {
    holdingFocus_ = true;
    button->setEnabled(false);
    button->setEnabled(true);
    holdingFocus_ = false;
}

bool ocxZorvane::focusNextPrevChild(bool next) {
    return holdingFocus_ || QWidget::focusNextPrevChild(next);
}
