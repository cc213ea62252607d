#include "ocxZorvane.h"

#include "ProgramTexts.h"
#include "cards/Sheets.h"
#include "cards/eCard.h"
#include "platform/Fonts.h"
#include "settings/eNew.h"

#include <QPushButton>
#include <QRegularExpression>
#include <cmath>

namespace {

const QString kSettingsKey = QStringLiteral("Software\\Zorvane\\PokerSetting");
const QString kBackValueName = QStringLiteral("Card_Back");

const QColor kCyan(0, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kRemarkRed(192, 0, 0);

// As on game toolbars, a click leaves the keyboard focus on the board; Tab reaches the buttons.
QPushButton* commandButton(QWidget* parent, const QString& caption, QRect place) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    button->setFont(platform::MsSansSerif(8.25, true));
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
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Qt::black);
    setPalette(colors);

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

    lblWebPage = new platform::Label(this, board::kLblWebPageRect, kCyan,
                                     platform::MsSansSerif(13.5, true), true);
    lblWebPage->setCaption(texts::WebHostName());
    Label1 = new platform::Label(this, board::kLabel1Rect, kYellow,
                                 platform::MsSansSerif(8.25, true), true);
    Label1->setCaption(tr(texts::kSlogan));

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
                                    kRemarkRed, platform::MsSansSerif(8.25, true), true);
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
    objCard = std::make_unique<clsCard>(); // seeds the generator before the first shuffle
    eCard::sgBackIndex = BackIndexFromText(eNew::GetRegValue(kSettingsKey, kBackValueName));
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
    if (eCard::sgBackIndex >= cards::kBackCount - 1)
        eCard::sgBackIndex = 0;
    else
        eCard::sgBackIndex += 1;
    eNew::SetRegValue(kSettingsKey, kBackValueName,
                      QString::number(static_cast<int>(eCard::sgBackIndex)));
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

float BackIndexFromText(const QString& text) {
    // A leading decimal number, as the start of the text holds it.
    static const QRegularExpression leadingNumber(
        QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    if (!match.hasMatch())
        return 0;
    const double value = match.captured(1).toDouble();
    const bool wholeBack = value >= 0 && value < cards::kBackCount && value == std::floor(value);
    return wholeBack ? static_cast<float>(value) : 0.0f;
}
