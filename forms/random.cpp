#include "random.h"

#include "timing.h"

#include <QtGlobal>

#include <deque>
#include <random>

namespace forms {

namespace {
std::mt19937 &generator()
{
    static std::mt19937 g(12345u);
    return g;
}
std::deque<int> &script()
{
    static std::deque<int> s;
    return s;
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
    if (!script().empty()) {
        const int v = script().front();
        script().pop_front();
        Q_ASSERT_X(v >= 0 && v < k, "randomBelow", "scripted draw out of range");
        return qBound(0, v, k > 0 ? k - 1 : 0);
    }
    const int v = static_cast<int>(randomDraw() * float(k));
    return v >= k ? k - 1 : v;
}

void reseedFromClock()
{
    static std::uint64_t count = 0;
    ++count;
    const auto ms = static_cast<std::uint64_t>(now().toMSecsSinceEpoch());
    std::seed_seq seq{std::uint32_t(ms), std::uint32_t(ms >> 32), std::uint32_t(count), std::uint32_t(count >> 32)};
    generator().seed(seq);
}

void reseed(std::uint32_t seed) { generator().seed(seed); }

namespace testing {
void scriptDraws(std::vector<int> values) { script().assign(values.begin(), values.end()); }
int scriptedDrawsLeft() { return int(script().size()); }
} // namespace testing

} // namespace forms
