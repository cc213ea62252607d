#include "PictureBox.h"

#include "Palette.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent, QRect outer, Border border, QColor background)
    : QWidget(parent), border_(border), background_(background) {
    setGeometry(outer);
    const int edge = borderWidth();
    image_ = QImage(outer.size() - QSize(2 * edge, 2 * edge), QImage::Format_RGB32);
    image_.fill(background_);
    setMouseTracking(true);
    // The widget paints every pixel itself from the kept image.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::Cls() {
    image_.fill(background_);
}

std::int16_t PictureBox::buttonCode(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>((buttons & Qt::LeftButton ? 1 : 0) +
                                     (buttons & Qt::RightButton ? 2 : 0) +
                                     (buttons & Qt::MiddleButton ? 4 : 0));
}

std::int16_t PictureBox::shiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) +
                                     (modifiers & Qt::ControlModifier ? 2 : 0) +
                                     (modifiers & Qt::AltModifier ? 4 : 0));
}

QPointF PictureBox::clientPoint(const QMouseEvent* event) const {
    const int edge = borderWidth();
    return event->position() - QPointF(edge, edge);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (border_ == Border::Sunken3D)
        paintSunkenBorder(painter);
    painter.drawImage(QPoint(borderWidth(), borderWidth()), image_);
}

// The classic sunken edge: grey and black above and left, white and light grey below and right.
void PictureBox::paintSunkenBorder(QPainter& painter) const {
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(0, 0, right - 1, 0);
    painter.drawLine(0, 0, 0, bottom - 1);
    painter.setPen(Qt::white);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
    painter.setPen(Qt::black);
    painter.drawLine(1, 1, right - 2, 1);
    painter.drawLine(1, 1, 1, bottom - 2);
    painter.setPen(kSilver);
    painter.drawLine(1, bottom - 1, right - 1, bottom - 1);
    painter.drawLine(right - 1, 1, right - 1, bottom - 1);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = clientPoint(event);
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()),
                   static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = clientPoint(event);
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()),
                 static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent*) {
    emit DblClick();
}

// Keys go on to the parent as well, so nothing the window does with them is lost. Repeats are
// dropped: a held key must not run through the stock card after card.
void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        emit KeyDown(event->key(), shiftCode(event->modifiers()));
    QWidget::keyPressEvent(event);
}

} // namespace platform
