#include "LinkLabel.h"

#include "platform/Label.h"
#include "platform/Palette.h"
#include "platform/SystemCalls.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPixmap>

namespace {

// The fingertip of the hand artwork, as noted with it in assets/ATTRIBUTION.
constexpr QPoint kHandHotSpot(8, 1);

const QCursor& pointingHand() {
    static const QCursor hand(QPixmap(QStringLiteral(":/assets/hand.png")), kHandHotSpot.x(),
                              kHandHotSpot.y());
    return hand;
}

} // namespace

const QColor LinkLabel::kBlue(0, 0, 255);
const LinkLabel::Looks LinkLabel::kWebPageLooks{{platform::kCyan, false}, {kBlue, true}, false};
const LinkLabel::Looks LinkLabel::kHelpLooks{{kBlue, true}, {kBlue, true}, true};

LinkLabel* LinkLabel::attach(platform::Label* label, const Looks& looks, const QString& address) {
    return new LinkLabel(label, looks, address);
}

LinkLabel::LinkLabel(platform::Label* label, const Looks& looks, const QString& address)
    : QObject(label), label_(label), looks_(looks), address_(address) {
    label_->setCursor(pointingHand());
    label_->setMouseTracking(true); // a move after a click starts the hover again
    label_->installEventFilter(this);
    reset();
}

void LinkLabel::reset() {
    state_ = State::AtRest;
    show(looks_.rest);
}

bool LinkLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != label_)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        hover();
        return false;
    case QEvent::MouseMove:
        if (state_ != State::Hovered)
            hover();
        return false;
    case QEvent::Leave:
        // After a click the label keeps its click look until the pointer moves over it again.
        if (state_ == State::Hovered)
            leave();
        return false;
    case QEvent::MouseButtonPress:
        // The press belongs to the link; it must not reach the window behind the label.
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    case QEvent::MouseButtonRelease:
        if (state_ == State::Hovered && isClickOnLabel(event))
            click();
        return false;
    default:
        return false;
    }
}

bool LinkLabel::isClickOnLabel(const QEvent* event) const {
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton &&
           label_->rect().contains(mouse->position().toPoint());
}

void LinkLabel::hover() {
    state_ = State::Hovered;
    show(looks_.hover);
}

void LinkLabel::leave() {
    state_ = State::AtRest;
    show(looks_.rest);
}

void LinkLabel::click() {
    state_ = State::Clicked;
    setUnderline(looks_.clickUnderline);
    platform::ShellExecuteA(address_);
    emit clicked();
}

void LinkLabel::show(Look look) {
    setUnderline(look.underline);
    label_->setForeColor(look.color);
}

void LinkLabel::setUnderline(bool underline) {
    QFont font = label_->font();
    font.setUnderline(underline);
    label_->setFont(font);
}
