#include "divisions.h"

#include "drills/draw.h"
#include "forms/numbers.h"

#include <vector>

namespace halvery {

namespace {

constexpr std::array<Kind, 6> WriteKinds{{
    {10, 10, 10, 10},
    {100, 100, 100, 100},
    {100, 1000, 1000, 1000},
    {100, 1000, 100, 10},
    {100, 1000, 1000, 100},
    {100, 100, 10000, 1000},
}};

constexpr std::array<Kind, 6> ChooseKinds{{
    {10, 10, 10, 10},
    {100, 100, 100, 100},
    {100, 1000, 1000, 1000},
    {100, 1000, 1000, 100},
    {100, 1000, 1000, 10},
    {100, 100, 10000, 1000},
}};

constexpr std::array<Kind, 8> JudgeKinds{{
    {10, 10, 10, 10},
    {100, 100, 100, 100},
    {100, 1000, 1000, 1000},
    {100, 1000, 100, 10},
    {100, 1000, 1000, 100},
    {100, 100, 10000, 1000},
    {100, 100, 10000, 100},
    {100, 100, 10000, 10},
}};

} // namespace

std::span<const Kind> writeKinds() { return WriteKinds; }
std::span<const Kind> chooseKinds() { return ChooseKinds; }
std::span<const Kind> judgeKinds() { return JudgeKinds; }

Division division(const Kind &k, int a) { return {k.scale * a, k.divisor}; }

DrawnDivision drawDivision(std::span<const Kind> kinds)
{
    std::vector<drills::KindRanges> ranges;
    for (const Kind &k : kinds)
        ranges.push_back({k.rangeA, k.rangeB});
    const drills::KindDraw d = drills::drawKind(ranges);
    return {d.kind, division(kinds[size_t(d.kind)], d.a)};
}

std::array<long long, 3> decoyAnswers(int kind, long long q, bool firstOfRun)
{
    switch (kind) {
    case 0:
        return firstOfRun ? std::array<long long, 3>{q * 100, q, q * 10} : std::array<long long, 3>{q * 10, q, q * 100};
    case 1:
        return {q * 10, q * 100, q};
    case 2:
    case 3:
        return {q, q * 10, q * 100};
    case 4:
        return {q * 100, q, q * 10};
    default:
        return {q * 100, q * 10, q};
    }
}

long long shownTenths(long long q, int variant)
{
    switch (variant) {
    case 0:
        return q * 10;
    case 1:
        return q * 100;
    default:
        return q;
    }
}

QString numberText(long long whole) { return forms::numberText(double(whole)); }

QString tenthsText(long long tenths) { return forms::numberText(double(tenths) / 10.0); }

QString questionText(const Division &d)
{
    return numberText(d.dividend) + QChar(0x00F7) + numberText(d.divisor) + QLatin1Char('=');
}

} // namespace halvery
