#include "CardBack.h"

#include <QRegularExpression>
#include <cmath>

namespace eNew {

float BackIndexFromText(const QString& text, int backCount) {
    // A leading decimal number, as the start of the text holds it.
    static const QRegularExpression leadingNumber(
        QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    if (!match.hasMatch())
        return 0;
    const double value = match.captured(1).toDouble();
    const bool wholeBack = value >= 0 && value < backCount && value == std::floor(value);
    return wholeBack ? static_cast<float>(value) : 0.0f;
}

} // namespace eNew
