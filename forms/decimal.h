#pragma once
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>

// Exact decimals of up to three places, held as whole thousandths.
namespace forms {

class Decimal {
public:
    constexpr Decimal() = default;
    static constexpr Decimal fromThousandths(std::int64_t t) { return Decimal(t); }

    // numerator ÷ denominator, when that is a whole number of thousandths
    // inside the range; nothing otherwise.
    static std::optional<Decimal> ratio(std::int64_t numerator, std::int64_t denominator);

    constexpr std::int64_t thousandths() const { return t_; }

    // Exact products and quotients (by 10, 100, 1000, ...): nothing when the
    // result leaves the range or is not a whole number of thousandths.
    std::optional<Decimal> times(std::int64_t factor) const;
    std::optional<Decimal> dividedBy(std::int64_t divisor) const;

    // Shortest plain decimal text: "0.035", "810", "-2.5"; no blank, no
    // separators, no exponent, no trailing zeros.
    QString text() const;

    constexpr auto operator<=>(const Decimal &) const = default;

private:
    constexpr explicit Decimal(std::int64_t t) : t_(t) {}
    std::int64_t t_ = 0;
};

// Reads a text by numberFromText's rules, exactly: nothing when the number
// read has a non-zero digit past the third decimal or does not fit; a text
// without a number reads as 0.
std::optional<Decimal> decimalFromText(const QString &text);

} // namespace forms
