#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace platform {
namespace {

constexpr const char* kDesignFamily = "MS Sans Serif";
constexpr const char* kFreeFamily = "Liberation Sans";

// Every caption box is designed for Liberation Sans's widths, which no other free font has:
// where the system lacks it (a source build without fonts-liberation2), the copy built into
// the program stands in. Packages depend on the font and never load the copy.
void addBuiltInFontWhereMissing() {
    if (QFontDatabase::families().contains(QLatin1String(kFreeFamily)))
        return;
    for (const char* file :
         {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
}

void registerSubstitutes() {
    static const bool registered = [] {
        addBuiltInFontWhereMissing();
        QFont::insertSubstitutions(
            QString::fromLatin1(kDesignFamily),
            {QString::fromLatin1(kFreeFamily), QStringLiteral("DejaVu Sans")});
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
