#pragma once
#include <QString>

// Reading and writing numbers the way the programs' designs expect.
namespace forms {

// The number at the start of a text, as numberFromText reads it: blanks
// anywhere skipped, an optional sign, then digits with at most one ".".
struct ScannedNumber {
    QChar sign;       // '+', '-' or none
    bool negative = false;
    QString whole;    // digits before the point
    bool point = false;
    QString fraction; // digits after the point
};
ScannedNumber scanNumber(const QString &text);

// Blanks anywhere are skipped, then the longest leading decimal number
// ("." as the point, an optional sign) is read; no number reads as 0.
double numberFromText(const QString &text);

// Shortest plain decimal text, no blank, no thousands separators.
QString numberText(double value);

// The text with a leading blank before a number that is not negative.
QString blankLedText(double value);

// Rounds to a whole number, halves to the even neighbour.
long long roundHalfEven(double value);

// Whole-number division: both operands made whole, then truncated toward zero.
// The caller must not pass a divisor that rounds to 0.
long long wholeDivide(double dividend, double divisor);

// The last `count` characters of a text (the whole text when it is shorter).
QString lastChars(const QString &text, int count);

// The digit 0 to 9 that an Arabic-Indic digit (U+0660 to U+0669) or an
// extended Arabic-Indic digit (U+06F0 to U+06F9) stands for; any other
// character as it is.
QChar westernDigit(QChar c);

// The text with every Arabic-Indic and extended Arabic-Indic digit written as
// the digit 0 to 9 it stands for and, with `decimalPoint`, every Arabic
// decimal separator "٫" (U+066B) as "."; every other character as it is.
QString westernDigits(QString text, bool decimalPoint);

} // namespace forms
