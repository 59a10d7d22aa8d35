#include "questions.h"

#include <span>
#include <stdexcept>

namespace mirrane {

namespace {

// Every kind keeps its values within 0.001 to 9900, so these never fail; the
// tests run every kind and x through them.
Decimal exact(std::optional<Decimal> d)
{
    if (!d)
        throw std::logic_error("inexact decimal");
    return *d;
}

Decimal times(Decimal d, int factor) { return exact(d.times(factor)); }
Decimal over(Decimal d, int divisor) { return exact(d.dividedBy(divisor)); }

constexpr std::array<Kind, 6> writeKinds{{
    {10, 10, 10, 10},
    {100, 100, 10, 100},
    {100, 1000, 100, 10},
    {100, 1000, 1000, 100},
    {100, 1000, 100, 100}, // the first question of a run: 1000, 10
    {100, 100, 10, 1000},
}};

constexpr std::array<Kind, 6> chooseKinds{{
    {10, 10, 10, 10},
    {100, 100, 10, 100},
    {100, 1000, 100, 100},
    {100, 1000, 1000, 100},
    {100, 1000, 1000, 1000},
    {100, 100, 100, 1000},
}};

constexpr std::array<Kind, 8> rightWrongKinds{{
    {10, 10, 10, 10},
    {100, 100, 10, 100},
    {100, 1000, 100, 10},
    {100, 1000, 100, 100},
    {100, 1000, 1000, 100},
    {100, 100, 1000, 100},
    {100, 100, 1000, 1000},
    {100, 100, 1000, 10},
}};

std::span<const Kind> kinds(AnswerMode mode)
{
    switch (mode) {
    case AnswerMode::Write: return writeKinds;
    case AnswerMode::Choose: return chooseKinds;
    case AnswerMode::Judge: break;
    }
    return rightWrongKinds;
}

} // namespace

int kindCount(AnswerMode mode) { return int(kinds(mode).size()); }

Kind kind(AnswerMode mode, int k, bool firstQuestion)
{
    if (mode == AnswerMode::Write && k == 4 && firstQuestion)
        return {100, 1000, 1000, 10};
    const std::span<const Kind> table = kinds(mode);
    if (k < 0 || size_t(k) >= table.size())
        throw std::out_of_range("no such question kind");
    return table[size_t(k)];
}

QString Question::text() const
{
    return multiplicand.text() + QChar(0x00D7) + QString::number(multiplier) + QLatin1Char('=');
}

Question question(AnswerMode mode, int k, int x, bool firstQuestion)
{
    const Kind kd = kind(mode, k, firstQuestion);
    Question q;
    q.multiplicand = exact(Decimal::ratio(x, kd.divisor));
    q.multiplier = kd.multiplier;
    q.product = times(q.multiplicand, kd.multiplier);
    return q;
}

std::array<Decimal, 3> decoyAnswers(int k, Decimal p)
{
    switch (k) {
    case 0: return {times(p, 10), p, over(p, 10)};
    case 1: return {times(p, 10), over(p, 10), p};
    case 2:
    case 3: return {p, times(p, 10), over(p, 10)};
    case 4: return {times(p, 100), p, times(p, 10)};
    default: return {over(p, 100), times(p, 10), p};
    }
}

Statement statement(Decimal p, int c)
{
    switch (c) {
    case 0: return {p, true};
    case 1: return {times(p, 10), false};
    default: return {over(p, 10), false};
    }
}

bool isRightAnswer(const QString &text, Decimal product)
{
    return forms::decimalFromText(text) == product;
}

} // namespace mirrane
