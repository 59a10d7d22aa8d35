#pragma once
#include <cstdint>

namespace forms {

// A uniform single-precision value in [0, 1).
float randomDraw();

// A whole number below k: the integer part of a uniform value times k.
int randomBelow(int k);

// Reseeds the generator from the clock.
void reseedFromClock();

// Reseeds with a fixed value (tests).
void reseed(std::uint32_t seed);

} // namespace forms
