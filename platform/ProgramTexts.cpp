#include "ProgramTexts.h"

#include <QUrl>

namespace texts {

QString WebHostName() {
    return QUrl(QString::fromUtf8(kHomePage)).host();
}

} // namespace texts
