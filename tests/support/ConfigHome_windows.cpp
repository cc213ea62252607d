#include "Registry.h"
#include "TestSupport.h"

namespace testing {
namespace {
const QString kGamesKey = QStringLiteral("Software\\Zorvane");
} // namespace

ConfigHome::ConfigHome() : hadPrevious_(false) {
    removeFromEveryPlace(kGamesKey);
}

ConfigHome::~ConfigHome() {
    removeFromEveryPlace(kGamesKey);
}

} // namespace testing
