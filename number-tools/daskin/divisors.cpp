#include "divisors.h"

#include "forms/numbers.h"

#include <algorithm>

namespace daskin {

WholeReading readWhole(const QString &text)
{
    const forms::ScannedNumber scanned = forms::scanNumber(text);
    WholeReading r;
    r.number = !scanned.whole.isEmpty() || !scanned.fraction.isEmpty();
    r.negative = scanned.negative;
    for (QChar digit : scanned.whole) {
        r.whole = r.whole * 10 + std::uint64_t(digit.unicode() - u'0');
        if (r.whole > std::uint64_t(LargestSearched)) {
            r.tooLarge = true;
            r.whole = 0;
            break;
        }
    }
    r.fraction = std::any_of(scanned.fraction.cbegin(), scanned.fraction.cend(),
                             [](QChar digit) { return digit != QLatin1Char('0'); });
    return r;
}

std::optional<std::int64_t> numberToSearch(const QString &text)
{
    const WholeReading r = readWhole(text);
    if (!r.number || r.negative || r.tooLarge || r.fraction || r.whole == 0)
        return std::nullopt;
    return std::int64_t(r.whole);
}

std::vector<std::int64_t> divisorsOf(std::int64_t n)
{
    std::vector<std::int64_t> small, large;
    for (std::int64_t i = 1; i <= n / i; ++i) {
        if (n % i == 0) {
            small.push_back(i);
            if (i != n / i)
                large.push_back(n / i);
        }
    }
    small.insert(small.end(), large.rbegin(), large.rend());
    return small;
}

QString divisorRun(std::int64_t n)
{
    QString run;
    for (std::int64_t d : divisorsOf(n))
        run += QStringLiteral(" ، ") + QString::number(d);
    return run;
}

} // namespace daskin
