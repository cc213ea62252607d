#include "Fonts.h"

#include <QStringList>
#include <cmath>

namespace platform {
namespace {

constexpr const char* kDesignFamily = "MS Sans Serif";

void registerSubstitutes() {
    static const bool registered = [] {
        QFont::insertSubstitutions(
            QString::fromLatin1(kDesignFamily),
            {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)registered;
}

} // namespace

QFont MsSansSerif(double points, bool bold, bool underline) {
    registerSubstitutes();
    QFont font(QString::fromLatin1(kDesignFamily));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace platform
