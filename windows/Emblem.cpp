#include "Emblem.h"

QIcon EmblemIcon() { return QIcon(QStringLiteral(":/assets/emblem.png")); }
