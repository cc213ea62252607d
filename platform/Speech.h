#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

// Short sentences for a screen reader about what just changed on a widget, spoken without the
// player asking. Qt 6.8 and later send them as announcements. Older Qt has no announcement,
// and its bridge sends a changed name or description without the new text, which screen
// readers refuse; there the widget offers the sentence as its selected text and reports it
// inserted, which a screen reader speaks when the widget has the focus.
namespace platform {

void Announce(QWidget* widget, const QString& sentence);

// The last sentence announced on the widget; empty before the first.
QString LastAnnouncement(const QWidget* widget);

// Whether the widget's accessible text must carry its announcements (Qt before 6.8).
bool AnnouncesThroughText();

// The accessible text of a widget that announces through it: the last sentence, all of it
// selected, so that a screen reader speaks it when it is inserted.
class AnnouncementText : public QAccessibleTextInterface {
public:
    explicit AnnouncementText(const QWidget* widget) : widget_(widget) {}

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    const QWidget* widget_;
};

} // namespace platform
