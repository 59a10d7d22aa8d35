#pragma once
#include <QString>

#include <array>
#include <vector>

#include "drills/draw.h"

// The division questions of the three answer modes, held as whole numbers
// (the shown values of the right-or-wrong drill in tenths).
namespace halvery {

struct Division {
    long long dividend;
    long long divisor;
    long long quotient() const { return dividend / divisor; }
};

// The kind ranges of the write and choose drills (6 kinds) and of the
// right-or-wrong drill (8 kinds).
const std::vector<drills::KindRanges> &sixKinds();
const std::vector<drills::KindRanges> &eightKinds();

// The question of kind `kind` with the drawn number a, per drill.
Division writeDivision(int kind, int a);
Division chooseDivision(int kind, int a);
Division judgeDivision(int kind, int a);

// The captions of Command1, Command2, Command3 for the quotient q; the run's
// first question orders kind 0 differently.
std::array<long long, 3> decoyAnswers(int kind, long long q, bool firstOfRun);

// The value a statement shows for variant c (0 true, 1 ten times too large,
// 2 ten times too small), in tenths.
long long shownTenths(long long q, int variant);

// dividend "÷" divisor "=" without blanks.
QString questionText(const Division &d);
QString numberText(long long whole);
QString tenthsText(long long tenths);

} // namespace halvery
