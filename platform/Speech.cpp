#include "Speech.h"

#include <QEvent>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace platform {
namespace {

constexpr const char* kLastAnnouncement = "platform.lastAnnouncement";
constexpr const char* kHeldAnnouncement = "platform.heldAnnouncement";

// The whole sentence counts as one unit of every kind: sentences are short and read whole.
QString wholeText(const QString& text, int* startOffset, int* endOffset) {
    *startOffset = 0;
    *endOffset = static_cast<int>(text.size());
    return text;
}

QString noText(int* startOffset, int* endOffset) {
    *startOffset = -1;
    *endOffset = -1;
    return {};
}

// Whether a screen reader would speak the widget's announcement now. It speaks inserted text
// only on the widget that has the focus, and an announcement only from the active window.
bool heardNow(const QWidget* widget) {
    return AnnouncesThroughText() ? widget->hasFocus() : widget->isActiveWindow();
}

void send(QWidget* widget) {
    const QString sentence = LastAnnouncement(widget);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(widget, sentence);
#else
    // Only an insertion: a removal of selected text would be spoken as such.
    QAccessibleTextInsertEvent event(widget, 0, sentence);
#endif
    QAccessible::updateAccessibility(&event);
}

// Holds back the widget's last sentence until a screen reader would speak it: when a message
// box closes, the focus comes back only once the window manager has activated the window
// again, and a sentence sent before that is lost. It is sent after the screen reader has been
// told of the focus, which Qt does right after the widget hears of it.
class HeldAnnouncement : public QObject {
public:
    explicit HeldAnnouncement(QWidget* widget) : QObject(widget), widget_(widget) {
        setObjectName(QLatin1String(kHeldAnnouncement));
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::WindowActivate)
            QTimer::singleShot(0, this, [this] { sendWhenHeard(); });
        return false;
    }

private:
    void sendWhenHeard() {
        if (parent() == nullptr || !heardNow(widget_))
            return;
        send(widget_);
        // Gone from the widget at once: a later sentence is held anew.
        widget_->removeEventFilter(this);
        setParent(nullptr);
        deleteLater();
    }

    QWidget* widget_;
};

} // namespace

bool AnnouncesThroughText() {
    return QT_VERSION < QT_VERSION_CHECK(6, 8, 0);
}

QString LastAnnouncement(const QWidget* widget) {
    return widget->property(kLastAnnouncement).toString();
}

void Announce(QWidget* widget, const QString& sentence) {
    widget->setProperty(kLastAnnouncement, sentence);
    auto* held =
        widget->findChild<QObject*>(QLatin1String(kHeldAnnouncement), Qt::FindDirectChildrenOnly);
    if (heardNow(widget)) {
        delete held;
        send(widget);
    } else if (held == nullptr) {
        new HeldAnnouncement(widget);
    }
}

void AnnouncementText::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    if (selectionIndex == 0 && characterCount() > 0)
        wholeText(LastAnnouncement(widget_), startOffset, endOffset);
    else
        noText(startOffset, endOffset);
}

int AnnouncementText::selectionCount() const {
    return characterCount() > 0 ? 1 : 0;
}

QString AnnouncementText::text(int startOffset, int endOffset) const {
    const QString all = LastAnnouncement(widget_);
    const int end = endOffset < 0 ? static_cast<int>(all.size()) : endOffset;
    return all.mid(startOffset, end - startOffset);
}

QString AnnouncementText::textBeforeOffset(int, QAccessible::TextBoundaryType, int* startOffset,
                                           int* endOffset) const {
    return noText(startOffset, endOffset);
}

QString AnnouncementText::textAfterOffset(int, QAccessible::TextBoundaryType, int* startOffset,
                                          int* endOffset) const {
    return noText(startOffset, endOffset);
}

QString AnnouncementText::textAtOffset(int, QAccessible::TextBoundaryType, int* startOffset,
                                       int* endOffset) const {
    return wholeText(LastAnnouncement(widget_), startOffset, endOffset);
}

int AnnouncementText::characterCount() const {
    return static_cast<int>(LastAnnouncement(widget_).size());
}

QString AnnouncementText::attributes(int, int* startOffset, int* endOffset) const {
    wholeText(LastAnnouncement(widget_), startOffset, endOffset);
    return {};
}

} // namespace platform
