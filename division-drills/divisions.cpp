#include "divisions.h"

#include "forms/numbers.h"

namespace halvery {

const std::vector<drills::KindRanges> &sixKinds()
{
    static const std::vector<drills::KindRanges> kinds = {
        {10, 10}, {100, 100}, {100, 1000}, {100, 1000}, {100, 1000}, {100, 100},
    };
    return kinds;
}

const std::vector<drills::KindRanges> &eightKinds()
{
    static const std::vector<drills::KindRanges> kinds = {
        {10, 10}, {100, 100}, {100, 1000}, {100, 1000}, {100, 1000}, {100, 100}, {100, 100}, {100, 100},
    };
    return kinds;
}

namespace {
struct KindRow {
    long long scale;
    long long divisor;
};
Division fromRow(const KindRow *rows, int kind, int a) { return {rows[kind].scale * a, rows[kind].divisor}; }
} // namespace

Division writeDivision(int kind, int a)
{
    static const KindRow rows[] = {{10, 10}, {100, 100}, {1000, 1000}, {100, 10}, {1000, 100}, {10000, 1000}};
    return fromRow(rows, kind, a);
}

Division chooseDivision(int kind, int a)
{
    static const KindRow rows[] = {{10, 10}, {100, 100}, {1000, 1000}, {1000, 100}, {1000, 10}, {10000, 1000}};
    return fromRow(rows, kind, a);
}

Division judgeDivision(int kind, int a)
{
    static const KindRow rows[] = {{10, 10},    {100, 100},   {1000, 1000}, {100, 10},
                                   {1000, 100}, {10000, 1000}, {10000, 100}, {10000, 10}};
    return fromRow(rows, kind, a);
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
