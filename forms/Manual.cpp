#include "Manual.h"

#include "platform/ProgramTexts.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace {

// Installed, the manual lies in the data folder (the build sets the path from the program's
// folder); in a build tree, in manual/ beside the program.
const QStringList kManualFolders = {QStringLiteral(ZORVANE_MANUAL_FROM_PROGRAM),
                                    QStringLiteral("manual")};
const QString kPageOfItsOwnLanguage = QStringLiteral("index.html");

// The manual's own language needs no translation and stops the search.
bool isEnglish(const QString& language) {
    return language == QLatin1String("en") || language == QLatin1String("C");
}

// Page names to try in order: for each language ("pt-BR") the full name ("index.pt_BR.html"),
// then the bare language ("index.pt.html"); last the page in the manual's own language.
QStringList pageNames(const QStringList& uiLanguages) {
    QStringList names;
    for (QString language : uiLanguages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString bare = language.section(QLatin1Char('_'), 0, 0);
        if (isEnglish(bare))
            break;
        names << QStringLiteral("index.%1.html").arg(language)
              << QStringLiteral("index.%1.html").arg(bare);
    }
    names << kPageOfItsOwnLanguage;
    return names;
}

QString configuredAddress() {
    const QString help = QString::fromUtf8(texts::kHelpPage);
    return help.isEmpty() ? QString::fromUtf8(texts::kHomePage) : help;
}

} // namespace

QString ManualAddress(const QString& programFolder, const QStringList& uiLanguages) {
    for (const QString& folder : kManualFolders) {
        const QDir manual(QDir::cleanPath(QDir(programFolder).absoluteFilePath(folder)));
        if (!manual.exists(kPageOfItsOwnLanguage))
            continue;
        for (const QString& page : pageNames(uiLanguages))
            if (manual.exists(page))
                return QUrl::fromLocalFile(manual.absoluteFilePath(page)).toString();
    }
    return configuredAddress();
}

QString ManualAddress() {
    return ManualAddress(QCoreApplication::applicationDirPath(), platform::desktopLanguages());
}
