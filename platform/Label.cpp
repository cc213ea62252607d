#include "Label.h"

namespace platform {

Label::Label(QWidget* parent, QRect designed, QColor foreColor, const QFont& font, bool autoSize)
    : QLabel(parent), autoSize_(autoSize) {
    setTextFormat(Qt::PlainText); // captions are never markup
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(font);
    setForeColor(foreColor);
    setGeometry(designed);
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setText(shown);
    // A screen reader reads the lines, not the break that ends the last one.
    while (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    setAccessibleName(shown);
    if (autoSize_)
        resize(caption.isEmpty() ? size() : sizeHint());
}

void Label::setForeColor(QColor color) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

QColor Label::ForeColor() const {
    return palette().color(QPalette::WindowText);
}

} // namespace platform
