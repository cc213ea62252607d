#include "eCard.h"

namespace eCard {
float sgBackIndex = 0.0f;
}
