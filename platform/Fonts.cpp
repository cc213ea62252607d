#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace platform {
namespace {

// Every caption box is designed for Liberation Sans's widths, which Arial shares and no other
// free font has. The design font itself is never asked for: Windows still has a bitmap
// "MS Sans Serif" whose widths differ.
const QStringList kFamiliesWithTheDesignedWidths = {QStringLiteral("Liberation Sans"),
                                                    QStringLiteral("Arial")};

// Where the system has neither (a source build without fonts-liberation2, Wine), the copy built
// into the program stands in. Packages depend on the font and never load the copy.
void addBuiltInFontWhereMissing() {
    static const bool checked = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString& family : kFamiliesWithTheDesignedWidths)
            if (families.contains(family))
                return true;
        for (const char* file :
             {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"})
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        return true;
    }();
    (void)checked;
}

} // namespace

QFont MsSansSerif(double points, bool bold, bool underline) {
    addBuiltInFontWhereMissing();
    QFont font;
    font.setFamilies(kFamiliesWithTheDesignedWidths + QStringList{QStringLiteral("DejaVu Sans")});
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace platform
