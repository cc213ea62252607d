#include "Accessibility.h"

#include "board/ocxZorvane.h"
#include "frmZorvane.h"
#include "platform/PictureBox.h"
#include "platform/Speech.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// A picture box is a picture; one that takes the keyboard focus is a drawing the player acts
// on, and what the moves on it change is announced. Decided when asked: a screen reader may
// ask before the box's focus policy is set.
class PictureBoxAccessible : public QAccessibleWidget, public platform::AnnouncementText {
public:
    explicit PictureBoxAccessible(QWidget* box)
        : QAccessibleWidget(box, QAccessible::Graphic), platform::AnnouncementText(box) {}

    QAccessible::Role role() const override {
        return widget()->focusPolicy() == Qt::NoFocus ? QAccessible::Graphic : QAccessible::Canvas;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && platform::AnnouncesThroughText() &&
            role() == QAccessible::Canvas)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using QAccessibleWidget::text;
};

// A control that reaches beyond its window: only the part the window shows is on the screen.
class ClippedAccessible : public QAccessibleWidget {
public:
    explicit ClippedAccessible(QWidget* control) : QAccessibleWidget(control) {}

    QRect rect() const override {
        const QWidget* window = widget()->window();
        return QAccessibleWidget::rect().intersected(
            QRect(window->mapToGlobal(QPoint(0, 0)), window->size()));
    }
};

// Qt asks once for each class along the object's ancestry, naming it; the names come from the
// classes' meta-objects, so a renamed class cannot silently lose its role.
bool isClass(const QString& className, const QMetaObject& type) {
    return className == QLatin1String(type.className());
}

QAccessibleInterface* gameAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (isClass(className, frmZorvane::staticMetaObject))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (isClass(className, ocxZorvane::staticMetaObject))
        return new ClippedAccessible(widget);
    if (isClass(className, platform::PictureBox::staticMetaObject))
        return new PictureBoxAccessible(widget);
    return nullptr;
}

} // namespace

void InstallAccessibleRoles() {
    QAccessible::installFactory(gameAccessible);
}
