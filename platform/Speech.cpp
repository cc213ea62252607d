#include "Speech.h"

#include <QVariant>
#include <QWidget>

namespace platform {
namespace {

constexpr const char* kLastAnnouncement = "platform.lastAnnouncement";

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

} // namespace

bool AnnouncesThroughText() {
    return QT_VERSION < QT_VERSION_CHECK(6, 8, 0);
}

QString LastAnnouncement(const QWidget* widget) {
    return widget->property(kLastAnnouncement).toString();
}

void Announce(QWidget* widget, const QString& sentence) {
    widget->setProperty(kLastAnnouncement, sentence);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(widget, sentence);
#else
    // Only an insertion: a removal of selected text would be spoken as such.
    QAccessibleTextInsertEvent event(widget, 0, sentence);
#endif
    QAccessible::updateAccessibility(&event);
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
