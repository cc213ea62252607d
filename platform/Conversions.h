#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// The game's numeric conversions: a floating value becomes an integer by taking the nearest
// whole number, an exact half going to the even neighbour. C++'s own integer `/` and `%`
// already truncate toward zero and give the remainder the dividend's sign, which is what the
// rules expect, so no wrappers are needed for those.
namespace platform {

template <typename Int> constexpr Int roundTo(double value) {
    if (std::isnan(value))
        return 0;
    const double nearest = std::nearbyint(value); // default rounding mode: ties to even
    // Saturate instead of overflowing: a pointer far outside the board must never wrap around.
    if (nearest <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (nearest >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(nearest);
}

inline std::int32_t roundToInt32(double value) {
    return roundTo<std::int32_t>(value);
}
inline std::int16_t roundToInt16(double value) {
    return roundTo<std::int16_t>(value);
}

} // namespace platform
