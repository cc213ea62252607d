#include "Random.h"

#include <chrono>
#include <random>

namespace platform {
namespace {

std::mt19937& engine() {
    static std::mt19937 generator;
    return generator;
}

RandomSource& scriptedSource() {
    static RandomSource source;
    return source;
}

} // namespace

float Rnd() {
    if (scriptedSource())
        return scriptedSource()();
    // 24 random bits give every float step of [0, 1) and can never round up to 1.
    constexpr float kStep = 1.0f / 16777216.0f;
    return static_cast<float>(engine()() >> 8) * kStep;
}

void Randomize() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    engine().seed(static_cast<std::mt19937::result_type>(ticks));
}

void setRandomSource(RandomSource source) {
    scriptedSource() = std::move(source);
}

} // namespace platform
