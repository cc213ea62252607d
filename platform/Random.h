#pragma once

#include <functional>

// The process-wide pseudo-random generator the shuffle draws from.
namespace platform {

// A uniformly distributed number r with 0 <= r < 1.
float Rnd();

// Seeds the generator from the clock.
void Randomize();

// Replaces the generator (tests script it); an empty function restores the real one.
using RandomSource = std::function<float()>;
void setRandomSource(RandomSource source);

} // namespace platform
