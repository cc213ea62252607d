#include "Emblem.h"

namespace {

const QString kEmblemResource = QStringLiteral(":/assets/emblem.png");

} // namespace

QIcon EmblemIcon() {
    return QIcon(kEmblemResource);
}

QPixmap EmblemPicture() {
    return QPixmap(kEmblemResource);
}
