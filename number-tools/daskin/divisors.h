#pragma once
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace daskin {

// A text scanned as numberFromText scans it (blanks anywhere skipped, an
// optional sign, the leading digits, then "." and a fraction), but read
// exactly: the whole part as a 64-bit number, never through a double.
struct WholeReading {
    bool number = false;     // some digit was read
    bool negative = false;
    bool tooLarge = false;   // the whole part exceeds LargestSearched
    std::uint64_t whole = 0; // the whole part, when not too large
    bool fraction = false;   // a non-zero digit after the point
};
WholeReading readWhole(const QString &text);

// The largest number whose divisors are searched: 15 digits.
constexpr std::int64_t LargestSearched = 999'999'999'999'999;

// The number a text asks to search: a whole number from 1 to LargestSearched.
std::optional<std::int64_t> numberToSearch(const QString &text);

// Every divisor of n (n >= 1), ascending.
std::vector<std::int64_t> divisorsOf(std::int64_t n);

// " ، " before each divisor of n, ascending.
QString divisorRun(std::int64_t n);

} // namespace daskin
