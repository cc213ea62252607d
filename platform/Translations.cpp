#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {
namespace {

// Where the build puts the compiled translations among the program's resources.
const QString kGameTranslations = QStringLiteral(":/i18n");

bool isEnglish(const QString& language) {
    return QLocale(language).language() == QLocale::English;
}

} // namespace

QStringList desktopLanguages() {
    const QLocale desktop = QLocale::system();
    return desktop.language() == QLocale::C ? QStringList() : desktop.uiLanguages();
}

QString installTranslations(const QStringList& languages) {
    static QTranslator game;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&game);
    QCoreApplication::removeTranslator(&qt);
    for (const QString& language : languages) {
        if (isEnglish(language))
            return {};
        if (!game.load(QLocale(language), QStringLiteral("zorvane"), QStringLiteral("_"),
                       kGameTranslations))
            continue;
        QCoreApplication::installTranslator(&game);
        // Qt's strings (the message box's button, --help's headings) where Debian installed
        // them, else where the Windows build puts them among the program's resources.
        for (const QString& folder :
             {QLibraryInfo::path(QLibraryInfo::TranslationsPath), kGameTranslations})
            if (qt.load(QLocale(game.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                        folder)) {
                QCoreApplication::installTranslator(&qt);
                break;
            }
        return game.language();
    }
    return {};
}

} // namespace platform
