#include "decimal.h"

#include "numbers.h"

namespace forms {

std::optional<Decimal> Decimal::ratio(std::int64_t numerator, std::int64_t denominator)
{
    const auto scaled = fromThousandths(numerator).times(1000);
    return scaled ? scaled->dividedBy(denominator) : std::nullopt;
}

std::optional<Decimal> Decimal::times(std::int64_t factor) const
{
    std::int64_t r = 0;
    if (__builtin_mul_overflow(t_, factor, &r))
        return std::nullopt;
    return Decimal(r);
}

std::optional<Decimal> Decimal::dividedBy(std::int64_t divisor) const
{
    if (divisor == 0 || (divisor == -1 && t_ == INT64_MIN) || t_ % divisor != 0)
        return std::nullopt;
    return Decimal(t_ / divisor);
}

QString Decimal::text() const
{
    // The magnitude as unsigned, so the most negative value has one too.
    const std::uint64_t m = t_ < 0 ? 0 - static_cast<std::uint64_t>(t_) : static_cast<std::uint64_t>(t_);
    QString s = QString::number(m / 1000);
    if (const std::uint64_t frac = m % 1000) {
        QString digits = QString::number(frac).rightJustified(3, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        s += QLatin1Char('.') + digits;
    }
    return t_ < 0 ? QLatin1Char('-') + s : s;
}

std::optional<Decimal> decimalFromText(const QString &text)
{
    const ScannedNumber n = scanNumber(text);
    if (n.whole.isEmpty() && n.fraction.isEmpty())
        return Decimal();

    // Digits past the third decimal must all be 0.
    for (qsizetype i = 3; i < n.fraction.size(); ++i)
        if (n.fraction[i] != QLatin1Char('0'))
            return std::nullopt;

    // Accumulate toward the sign, so the most negative value reads too.
    const int sign = n.negative ? -1 : 1;
    std::int64_t t = 0;
    auto push = [&t, sign](QChar digit) {
        return !__builtin_mul_overflow(t, 10, &t)
            && !__builtin_add_overflow(t, sign * (digit.unicode() - '0'), &t);
    };
    for (QChar c : n.whole)
        if (!push(c))
            return std::nullopt;
    for (int i = 0; i < 3; ++i)
        if (!push(i < n.fraction.size() ? n.fraction[i] : QLatin1Char('0')))
            return std::nullopt;
    return Decimal::fromThousandths(t);
}

} // namespace forms
