#pragma once
#include <cstdint>
#include <vector>

namespace forms {

// A uniform single-precision value in [0, 1).
float randomDraw();

// A whole number below k: the integer part of a uniform value times k.
// Every draw of the programs goes through here.
int randomBelow(int k);

// Reseeds the generator from the clock. A running count is mixed into the
// seed, so two reseeds within the same clock reading never give the same
// sequence again.
void reseedFromClock();

// Reseeds with a fixed value (tests).
void reseed(std::uint32_t seed);

namespace testing {
// The next draws below n return these whole numbers, in order (each must lie
// below the n it is drawn with); once they are used up, draws are random again.
void scriptDraws(std::vector<int> values);
// How many scripted draws are still waiting.
int scriptedDrawsLeft();
} // namespace testing

} // namespace forms
