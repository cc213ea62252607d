#pragma once

#include <QLabel>

namespace platform {

// A transparent label whose caption may hold CR LF line breaks and which, when auto-sizing,
// takes the size of its caption as soon as the caption is set.
class Label : public QLabel {
public:
    Label(QWidget* parent, QRect designed, QColor foreColor, const QFont& font, bool autoSize);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setForeColor(QColor color);
    QColor ForeColor() const;

private:
    QString caption_;
    bool autoSize_;
};

} // namespace platform
