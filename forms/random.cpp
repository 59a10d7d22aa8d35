#include "random.h"

#include "timing.h"

#include <random>

namespace forms {

namespace {
std::mt19937 &generator()
{
    static std::mt19937 g(12345u);
    return g;
}
} // namespace

float randomDraw()
{
    std::uniform_real_distribution<float> d(0.0f, 1.0f);
    float v = d(generator());
    return v >= 1.0f ? 0.0f : v;
}

int randomBelow(int k)
{
    const int v = static_cast<int>(randomDraw() * float(k));
    return v >= k ? k - 1 : v;
}

void reseedFromClock()
{
    generator().seed(static_cast<std::uint32_t>(now().toMSecsSinceEpoch()));
}

void reseed(std::uint32_t seed) { generator().seed(seed); }

} // namespace forms
