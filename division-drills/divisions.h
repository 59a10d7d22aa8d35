#pragma once
#include <QString>

#include <array>
#include <span>

// The division questions of the three answer modes, held as whole numbers
// (the shown values of the right-or-wrong drill in tenths).
namespace halvery {

struct Division {
    long long dividend;
    long long divisor;
    long long quotient() const { return dividend / divisor; }
};

// A question kind of one drill: a is drawn below rangeA and b below rangeB
// (b only decides a redraw); the question is scale × a ÷ divisor.
struct Kind {
    int rangeA;
    int rangeB;
    long long scale;
    long long divisor;
};

// The kinds of the write and choose drills (6 each) and of the right-or-wrong
// drill (8).
std::span<const Kind> writeKinds();
std::span<const Kind> chooseKinds();
std::span<const Kind> judgeKinds();

// The question of kind k with the drawn number a.
Division division(const Kind &k, int a);

// A question drawn from a drill's kinds, with the index of its kind.
struct DrawnDivision {
    int kind;
    Division division;
};
DrawnDivision drawDivision(std::span<const Kind> kinds);

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
