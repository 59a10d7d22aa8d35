#include "worksheet_table.h"

#include <QtGlobal>

namespace corvanetest {

namespace {

QList<int> span(int first, int last)
{
    QList<int> list;
    for (int n = first; n <= last; ++n)
        list << n;
    return list;
}

// Rounds 1 to 3 of the one-digit worksheets; Form1 alone has a tens box for
// the round-2 difference.
const QList<int> OneDigitRound1 = {8, 9};
const QList<int> OneDigitRound3 = {16, 19, 18, 20};
// Rounds 1 to 3 of the two-digit worksheets.
const QList<QList<int>> TwoDigitRounds = {{8, 9}, {10, 13, 12, 15, 14}, {16, 28, 19, 18, 2, 20}};
// Every round of the three-digit worksheets.
const QList<QList<int>> ThreeDigitRounds = {
    {8, 9},                      // product, difference
    {10, 13, 12, 15, 14},        // brought down, product tens units, difference tens units
    {16, 28, 19, 18, 41, 2, 20}, // brought down, product, difference
    {31, 42, 35, 34, 33, 40, 37, 36},
    {44, 49, 48, 47, 46, 52, 51, 50},
    {56, 61, 60, 59, 58, 64, 63, 62},
};
// Check boxes of the three-digit worksheets, highest first; each uses the
// lowest ones it has room for.
const QList<int> ThreeDigitCheckQuotient = {65, 53, 22, 21};
const QList<int> ThreeDigitCheckProduct = {66, 54, 39, 27, 26, 25};

const QList<int> SixDigits = {5, 4, 3, 30, 43, 55};
const QList<int> SixQuotientDigits = {7, 11, 17, 32, 45, 57};

Layout threeDigit(const QString &name, int dividendLength, const QList<int> &stepButtons, int continuedFrame)
{
    const int n = dividendLength;
    return {name,
            {38, 1, 6},
            SixDigits.first(n),
            SixQuotientDigits.first(n),
            ThreeDigitRounds.first(n),
            ThreeDigitCheckQuotient.last(n - 2),
            {23, 29, 24},
            ThreeDigitCheckProduct.last(n),
            stepButtons,
            17,
            15,
            QStringLiteral("Text5"),
            true,
            continuedFrame};
}

} // namespace

QList<int> Layout::outputs() const
{
    QList<int> list = quotientRow;
    for (const QList<int> &round : rounds)
        list += round;
    return list;
}

const QList<Layout> &layouts()
{
    static const QList<Layout> table = {
        {"Form1", {6}, {5, 4, 3}, {7, 11, 17},
         {OneDigitRound1, {10, 13, 12, 15, 14}, OneDigitRound3},
         {23, 22, 21}, {24}, {27, 26, 25}, span(4, 14), 17, 15, "Text4", false, 0},
        {"Form2", {6}, {5, 4, 3, 2}, {7, 11, 17, 29},
         {OneDigitRound1, {10, 13, 12, 14}, OneDigitRound3, {1, 15, 28, 30}},
         {31, 23, 22, 21}, {24}, {32, 27, 26, 25}, span(4, 14) + span(17, 20), 21, 11, "Command16", false, 0},
        {"Form3", {6}, {5, 4, 3, 2, 33}, {7, 11, 17, 29, 35},
         {OneDigitRound1, {10, 13, 12, 14}, OneDigitRound3, {1, 15, 28, 30}, {34, 37, 36, 38}},
         {39, 31, 23, 22, 21}, {24}, {40, 32, 27, 26, 25}, span(4, 14) + span(17, 24), 25, 11, "Text5", false, 0},
        {"Form5", {1, 6}, {5, 4, 3}, {7, 11, 17}, TwoDigitRounds,
         {23, 22, 21}, {29, 24}, {27, 26, 25}, span(4, 14), 17, 15, "Text4", true, 0},
        {"Form6", {1, 6}, {5, 4, 3, 30}, {7, 11, 17, 32}, TwoDigitRounds + QList<QList<int>>{{31, 35, 34, 33, 37, 36}},
         {23, 22, 21}, {29, 24}, {39, 27, 26, 25}, span(4, 14) + span(18, 21), 17, 15, "Text1", true, 0},
        {"Form7", {1, 6}, {5, 4, 3, 30, 40}, {7, 11, 17, 32, 42},
         TwoDigitRounds + QList<QList<int>>{{31, 35, 34, 33, 37, 36}, {41, 45, 44, 43, 47, 46}},
         {38, 23, 22, 21}, {29, 24}, {48, 39, 27, 26, 25}, span(4, 14) + span(18, 25), 17, 15, "Text30", true, 0},
        threeDigit("Form8", 4, span(4, 14) + span(18, 21), 0),
        threeDigit("Form9", 5, span(4, 14) + span(18, 25), 0),
        threeDigit("Form10", 6, span(4, 14) + span(18, 25) + span(26, 29), 5),
    };
    return table;
}

const Layout &layout(const QString &name)
{
    for (const Layout &l : layouts())
        if (l.name == name)
            return l;
    qFatal("no worksheet called %s", qPrintable(name));
}

} // namespace corvanetest
