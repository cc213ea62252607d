#pragma once

#include "Surface.h"

#include <QWidget>
#include <cstdint>

namespace platform {

// A picture box with a persistent image of its client area. Drawing goes into the image
// (hDC); the screen shows it after Refresh. Pointer events arrive in client pixels.
class PictureBox : public QWidget, public Surface {
    Q_OBJECT
public:
    enum class Border { None, Sunken3D };
    static constexpr int kSunkenBorderWidth = 2;

    PictureBox(QWidget* parent, QRect outer, Border border, QColor background);

    QImage& hDC() override { return image_; }
    void Cls();
    void Refresh() { update(); }

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    int borderWidth() const { return border_ == Border::Sunken3D ? kSunkenBorderWidth : 0; }

    // Held or released buttons as a sum: 1 left, 2 right, 4 middle.
    static std::int16_t buttonCode(Qt::MouseButtons buttons);
    static std::int16_t shiftCode(Qt::KeyboardModifiers modifiers);

signals:
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void DblClick();
    // A key pressed while the box has the focus; a held key that repeats sends nothing more.
    void KeyDown(int keyCode, std::int16_t shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointF clientPoint(const QMouseEvent* event) const;
    void paintSunkenBorder(QPainter& painter) const;

    Border border_;
    QColor background_;
    QImage image_;
};

} // namespace platform
