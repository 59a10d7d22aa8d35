#include "numbers.h"

#include <cmath>
#include <limits>

namespace forms {

double numberFromText(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            s.append(c);

    int i = 0;
    QString num;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+')))
        num.append(s[i++]);
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            num.append(c);
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            num.append(c);
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    bool ok = false;
    const double v = num.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

QString numberText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return QString::number(static_cast<long long>(value));
    QString s = QString::number(value, 'g', 15);
    if (s.contains(QLatin1Char('e'))) {
        s = QString::number(value, 'f', 15);
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    return s;
}

QString blankLedText(double value)
{
    return value < 0 ? numberText(value) : QLatin1Char(' ') + numberText(value);
}

long long roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double limit = 9.2e18;
    if (value > limit)
        return std::numeric_limits<long long>::max();
    if (value < -limit)
        return std::numeric_limits<long long>::min();
    return static_cast<long long>(std::nearbyint(value)); // default rounding mode: to nearest, ties to even
}

long long wholeDivide(double dividend, double divisor)
{
    const long long a = roundHalfEven(dividend);
    const long long b = roundHalfEven(divisor);
    if (b == 0)
        return 0;
    if (b == -1)
        return a == std::numeric_limits<long long>::min() ? a : -a;
    return a / b;
}

long long wholePart(double value)
{
    return roundHalfEven(std::floor(value));
}

QString lastChars(const QString &text, int count)
{
    return count >= text.size() ? text : text.right(count);
}

} // namespace forms
