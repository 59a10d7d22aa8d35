// Worksheets over a one-digit divisor: Form1 (three-digit dividend),
// Form2 (four digits), Form3 (five digits).
#include "sheets.h"

namespace corvane {

namespace {
using K = BoxKind;
using S = StepKind;
constexpr Qt::Alignment Right = Qt::AlignRight;
const QString Arial = QStringLiteral("Arial");
const QString SansSerif = QStringLiteral("MS Sans Serif");
} // namespace

const Sheet &form1Sheet()
{
    static const Sheet s = [] {
        Sheet s;
        s.id = SheetId::Form1;
        s.m = 1;
        s.n = 3;
        s.caption = worksheetCaption();
        s.clientWidth = 7665;
        s.clientHeight = 4425;

        s.boxes = {
            // dividend and divisor
            {5, K::Entry, 6000, 2520},
            {4, K::Entry, 6360, 2520},
            {3, K::Entry, 6720, 2520},
            {6, K::Entry, 5160, 2520},
            // round 1
            {7, K::Output, 6000, 1800, 1, Blue},
            {8, K::Output, 6000, 3120},
            {9, K::Output, 6000, 3840},
            // round 2
            {10, K::Output, 6360, 3840},
            {11, K::Output, 6360, 1800, 1, Blue},
            {12, K::Output, 6360, 4440, 2},
            {13, K::Output, 6000, 4440, 2},
            {14, K::Output, 6360, 5160},
            {15, K::Output, 6000, 5160},
            // round 3
            {16, K::Output, 6720, 5160},
            {17, K::Output, 6720, 1800, 0, Blue},
            {18, K::Output, 6720, 5760},
            {19, K::Output, 6360, 5760, 2},
            {20, K::Output, 6720, 6480, 1, Red},
            // check frame
            {21, K::Check, 1440, 1920, 1, Blue},
            {22, K::Check, 1080, 1920, 1, Blue},
            {23, K::Check, 720, 1920, 1, Blue},
            {24, K::Check, 1440, 2400, 0},
            {25, K::Check, 1440, 3000},
            {26, K::Check, 1080, 3000},
            {27, K::Check, 720, 3000},
        };
        s.lines = {
            {QStringLiteral("Line1"), 0, 5760, 2400, 7920, 2400, 3},
            {QStringLiteral("Line1"), 1, 5760, 3120, 5760, 2400, 3},
            {QStringLiteral("Line1"), 2, 4440, 3120, 5760, 3120, 3},
            {QStringLiteral("Line2"), -1, 5880, 3720, 7920, 3720, 3},
            {QStringLiteral("Line4"), -1, 5880, 5040, 7920, 5040, 3},
            {QStringLiteral("Line6"), -1, 5880, 6360, 7920, 6360, 3},
            {QStringLiteral("Line3"), -1, 7920, 3480, 8040, 3480, 2, {}, true},
            {QStringLiteral("Line5"), -1, 7920, 4800, 8040, 4800, 2, {}, true},
            {QStringLiteral("Line7"), -1, 7920, 6120, 8040, 6120, 2, {}, true},
        };
        s.divisorBoxes = {6};
        s.dividendBoxes = {5, 4, 3};
        s.entryTest = {5, 6, 4, 3};

        s.stepFrame = stepsFrame(8520, 2040, 5655);
        addStepButtons(s, 1, 11, 4);
        s.steps = {
            {4, S::FirstQuotient, {7}, {5}, 0, 0, true},
            {5, S::Product, {8}, {}, 7, 0, true},
            {6, S::Difference, {9}, {5}, 0, 8, true},
            {7, S::BringDown, {10}, {4}},
            {8, S::Quotient, {11}, {9, 10}, 0, 0, true},
            {9, S::Product, {12, 13}, {}, 11, 0, false, true},
            {10, S::Difference, {14, 15}, {9, 10}, 11},
            {11, S::BringDown, {16}, {3}},
            {12, S::Quotient, {17}, {14, 16}},
            {13, S::Product, {18, 19}, {}, 17},
            {14, S::Difference, {20}, {14, 16}, 17},
        };
        s.chain = {{7, 5}, {8, 6}, {9, 7}, {10, 8}, {11, 9}, {12, 10}, {14, 11}, {16, 12}, {17, 13}, {18, 14}};
        s.guards = {
            {6, true, {QStringLiteral("1"), QStringLiteral("0")}, DivisorOneDigitRefused},
            {5, false, {QStringLiteral("0")}, LeadingDividendZero},
        };

        CheckDef &c = s.check;
        c.frame = checkFrame(720, 3240, 3255, 4455);
        c.completeBox = 20;
        c.quotientBoxes = {7, 11, 17};
        c.remainderBoxes = {20};
        c.divisorAsTyped = true;
        c.remainderAsTyped = true;
        c.quotientDigits = {21, 22, 23};
        c.divisorDigits = {24};
        c.productDigits = {25, 26, 27};
        c.hideable = {23};
        c.sumRemainderLabel = 15;
        c.labels = {
            {1, QStringLiteral("المقسوم = الناتج × المقسوم عليه+الباقي"), 120, 360, 3015, 495},
            {2, QStringLiteral("الناتج"), 2160, 720, 615, 255, SansSerif, 9.75, {}, Right},
            {4, {}, 960, 720, 735, 255, Arial, 14.25, Blue, Qt::AlignCenter, true},
            {3, QStringLiteral("المقسوم عليه"), 1800, 1080, 975, 255, SansSerif, 9.75, {}, Right},
            {5, {}, 960, 1080, 735, 255, Arial, 14.25, Black, Qt::AlignCenter, true},
            {6, QStringLiteral("الباقي"), 1800, 1440, 975, 255, SansSerif, 8.25, {}, Right},
            {7, {}, 960, 1440, 735, 255, Arial, 14.25, Red, Qt::AlignCenter, true},
            {8, QStringLiteral("×"), 1920, 2520, 375, 375, SansSerif, 13.5},
            {9, {}, 2280, 3840, 735, 375, Arial, 15.75, Black, Qt::AlignCenter, true},
            {14, QStringLiteral("+"), 1920, 3840, 255, 255, SansSerif, 13.5},
            {15, {}, 1440, 3840, 375, 375, Arial, 15.75, Red},
            {12, QStringLiteral("="), 960, 3840, 375, 255, SansSerif, 13.5},
            {13, {}, 240, 3840, 735, 375, Arial, 15.75, Black},
        };
        c.lines = {{QStringLiteral("Line8"), -1, 480, 2880, 1800, 2880, 3}};

        s.newProblemPos = {2040, 2400};
        s.checkPos = {2040, 2760};
        s.menuButton = 17;
        s.menuPos = {2040, 1680};
        s.sizeFrame = sizesFrame(3000, 240);
        s.sizePos[0] = {7200, 600, 1695, 375};
        s.sizePos[1] = {5280, 600, 1695, 375};
        s.sizePos[2] = {3240, 600, 1815, 375};

        s.initialFocus = QStringLiteral("Text4");
        s.tabOrder = {"Text4", "Text5", "Text6", "Command1", "Command2", "Command3", "Command4", "Command5",
                      "Text3", "Command6", "Command7", "Command8", "Command9", "Command10", "Command11",
                      "Command12", "Command13", "Command14", "Command15", "Command16", "Text21", "Text22",
                      "Text23", "Text24", "Text25", "Text26", "Text27", "Command17"};
        return s;
    }();
    return s;
}

// Placeholder until its own table is written.
const Sheet &form2Sheet()
{
    static const Sheet s = [] {
        Sheet s = form1Sheet();
        s.id = SheetId::Form2;
        return s;
    }();
    return s;
}

const Sheet &form3Sheet()
{
    static const Sheet s = [] {
        Sheet s = form1Sheet();
        s.id = SheetId::Form3;
        return s;
    }();
    return s;
}

} // namespace corvane
