#include "numbers.h"

#include <cmath>
#include <limits>

namespace forms {

ScannedNumber scanNumber(const QString &text)
{
    ScannedNumber n;
    bool started = false; // a sign or a digit or the point has been read
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        if (!started && (c == QLatin1Char('-') || c == QLatin1Char('+'))) {
            n.sign = c;
            n.negative = c == QLatin1Char('-');
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            (n.point ? n.fraction : n.whole).append(c);
        } else if (c == QLatin1Char('.') && !n.point) {
            n.point = true;
        } else {
            break;
        }
        started = true;
    }
    return n;
}

double numberFromText(const QString &text)
{
    const ScannedNumber n = scanNumber(text);
    if (n.whole.isEmpty() && n.fraction.isEmpty())
        return 0.0;
    QString num;
    if (!n.sign.isNull())
        num.append(n.sign);
    num += n.whole;
    if (n.point)
        num += QLatin1Char('.') + n.fraction;
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

QString lastChars(const QString &text, int count)
{
    return count >= text.size() ? text : text.right(count);
}

QChar westernDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x0660 && u <= 0x0669)
        return QChar(u'0' + (u - 0x0660));
    if (u >= 0x06F0 && u <= 0x06F9)
        return QChar(u'0' + (u - 0x06F0));
    return c;
}

QString westernDigits(QString text, bool decimalPoint)
{
    for (QChar &c : text) {
        if (decimalPoint && c == QChar(0x066B))
            c = QLatin1Char('.');
        else
            c = westernDigit(c);
    }
    return text;
}

} // namespace forms
