#include "Pointer.h"

#include "platform/PictureBox.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace testing {

namespace {

void send(platform::PictureBox& box, QEvent::Type type, QPointF client, Qt::MouseButton button,
          Qt::MouseButtons held) {
    const QPointF local = client + QPointF(box.borderWidth(), box.borderWidth());
    QMouseEvent event(type, local, box.mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &event);
}

} // namespace

void moveTo(platform::PictureBox& box, QPointF client, Qt::MouseButtons held) {
    send(box, QEvent::MouseMove, client, Qt::NoButton, held);
}

void press(platform::PictureBox& box, QPointF client, Qt::MouseButton button,
           Qt::MouseButtons alsoHeld) {
    send(box, QEvent::MouseButtonPress, client, button, alsoHeld | button);
}

void release(platform::PictureBox& box, QPointF client, Qt::MouseButton button,
             Qt::MouseButtons stillHeld) {
    send(box, QEvent::MouseButtonRelease, client, button, stillHeld);
}

void doubleClickPress(platform::PictureBox& box, QPointF client, Qt::MouseButtons alsoHeld) {
    send(box, QEvent::MouseButtonDblClick, client, Qt::LeftButton, alsoHeld | Qt::LeftButton);
}

void doubleClick(platform::PictureBox& box, QPointF client) {
    press(box, client, Qt::LeftButton);
    release(box, client, Qt::LeftButton);
    doubleClickPress(box, client);
    release(box, client, Qt::LeftButton);
}

void drag(platform::PictureBox& box, QPointF from, QPointF to) {
    moveTo(box, from);
    press(box, from, Qt::LeftButton);
    moveTo(box, to, Qt::LeftButton);
    release(box, to, Qt::LeftButton);
}

} // namespace testing
