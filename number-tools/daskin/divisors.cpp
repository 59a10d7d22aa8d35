#include "divisors.h"

#include <algorithm>

namespace daskin {

WholeReading readWhole(const QString &text)
{
    WholeReading r;
    int i = 0;
    const int n = int(text.size());
    const auto skipBlanks = [&] {
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
            ++i;
    };
    const auto isDigit = [&] { return i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); };
    skipBlanks();
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        r.negative = text[i++] == QLatin1Char('-');
    for (skipBlanks(); isDigit(); skipBlanks()) {
        r.number = true;
        if (!r.tooLarge) {
            r.whole = r.whole * 10 + std::uint64_t(text[i].unicode() - u'0');
            r.tooLarge = r.whole > std::uint64_t(LargestSearched);
        }
        ++i;
    }
    if (r.tooLarge)
        r.whole = 0;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        for (skipBlanks(); isDigit(); skipBlanks()) {
            r.number = true;
            r.fraction = r.fraction || text[i] != QLatin1Char('0');
            ++i;
        }
    }
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
