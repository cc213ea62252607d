#pragma once

#include <QPointF>
#include <Qt>

namespace platform {
class PictureBox;
}

// Real mouse events for a picture box, given in its client pixels (inside its border).
namespace testing {

// A move with the given buttons held; none is a hover.
void moveTo(platform::PictureBox& box, QPointF client, Qt::MouseButtons held = Qt::NoButton);
void press(platform::PictureBox& box, QPointF client, Qt::MouseButton button,
           Qt::MouseButtons alsoHeld = Qt::NoButton);
void release(platform::PictureBox& box, QPointF client, Qt::MouseButton button,
             Qt::MouseButtons stillHeld = Qt::NoButton);
// The event the platform sends in place of a quick second press of the left button.
void doubleClickPress(platform::PictureBox& box, QPointF client,
                      Qt::MouseButtons alsoHeld = Qt::NoButton);
// What a quick second click brings: press, release, the double-click in place of the
// second press, release.
void doubleClick(platform::PictureBox& box, QPointF client);
// Hover at from, press there, move with the left button to to, release there.
void drag(platform::PictureBox& box, QPointF from, QPointF to);

} // namespace testing
