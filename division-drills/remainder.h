#pragma once
#include <QString>

namespace halvery {

// A division of a whole number that leaves a remainder.
struct RemainderProblem {
    int dividend = 0;
    int divisor = 0;
    int quotient = 0;
    int remainder = 0;
};

// Draws, reseeding before every pass, a dividend below 100 and a divisor below
// divisorBelow, again while either is 0, the division is exact or the whole
// quotient exceeds largestQuotient.
RemainderProblem drawRemainderProblem(int divisorBelow, int largestQuotient);

// The help text of an entered step (1 quotient, 2 product, 3 remainder);
// lines are parted by CR LF pairs, one or, spaced, two. Step 2 is always spaced.
QString stepHelp(int step, const RemainderProblem &p, bool spaced = false);

} // namespace halvery
