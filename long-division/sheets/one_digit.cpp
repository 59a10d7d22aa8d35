// Worksheets over a one-digit divisor: Form1 (three-digit dividend),
// Form2 (four digits), Form3 (five digits).
#include "sheets.h"

namespace corvane {

namespace {

// Steps 1 to 11, the same boxes in all three worksheets. Form1 alone has a
// tens box for the round-2 difference.
std::vector<StepDef> roundsOneToThree(std::vector<int> round2Difference)
{
    std::vector<StepDef> steps = firstSteps();
    append(steps, {
        // R2
        {.button = 10, .kind = S::Difference, .out = std::move(round2Difference), .reads = {9, 10},
         .quotientBox = 11},
        // d3
        {.button = 11, .kind = S::BringDown, .out = {16}, .reads = {3}},
        // q3, its last character
        {.button = 12, .kind = S::Quotient, .out = {17}, .reads = {14, 16}},
        // P3
        {.button = 13, .kind = S::Product, .out = {18, 19}, .quotientBox = 17, .blankTens = true},
        // R3
        {.button = 14, .kind = S::Difference, .out = {20}, .reads = {14, 16}, .quotientBox = 17},
    });
    return steps;
}

// Steps 12 to 15 of Form2 and Form3; d4 is copied as typed.
const std::vector<StepDef> RoundFour = {
    {.button = 17, .kind = S::BringDown, .out = {1}, .reads = {2}, .asTyped = true},
    {.button = 18, .kind = S::Quotient, .out = {29}, .reads = {20, 1}, .plain = true},
    {.button = 19, .kind = S::Product, .out = {28, 15}, .quotientBox = 29, .blankTens = true},
    {.button = 20, .kind = S::Difference, .out = {30}, .reads = {20, 1}, .quotientBox = 29},
};

const std::vector<ChainLink> RoundFourChain = {{20, 17}, {1, 18}, {29, 19}, {28, 20}};

// The divisor refuses 0 and 1 and starts the chain; the dividend may not lead with 0.
std::vector<GuardDef> oneDigitGuards()
{
    return {
        {6, true, {QStringLiteral("1"), QStringLiteral("0")}, DivisorOneDigitRefused},
        {5, false, {QStringLiteral("0")}, LeadingDividendZero},
    };
}

} // namespace

const Sheet &form1Sheet()
{
    static const Sheet s = [] {
        Sheet s;
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
            bracket(0, 5760, 2400, 7920, 2400),
            bracket(1, 5760, 3120, 5760, 2400),
            bracket(2, 4440, 3120, 5760, 3120),
            line(2, 5880, 3720, 7920, 3720, 3),
            line(4, 5880, 5040, 7920, 5040, 3),
            line(6, 5880, 6360, 7920, 6360, 3),
            line(3, 7920, 3480, 8040, 3480, 2, true),
            line(5, 7920, 4800, 8040, 4800, 2, true),
            line(7, 7920, 6120, 8040, 6120, 2, true),
        };
        s.divisorBoxes = {6};
        s.dividendBoxes = {5, 4, 3};
        s.entryTest = {5, 6, 4, 3};

        s.stepFrame = stepsFrame(8520, 2040, 5655);
        addStepButtons(s, 1, 11, 4);
        s.steps = roundsOneToThree({14, 15});
        s.chain = ThreeRoundChain;
        s.guards = oneDigitGuards();

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
        setCheckLabels(c, {.caption1X = 120, .quotientCaptionX = 2160, .captionX = 1800, .valueX = 960, .valuePt = 14.25, .timesX = 1920, .productX = 2280, .plusX = 1920, .remainderX = 1440, .equalsX = 960});
        c.lines = {line(8, 480, 2880, 1800, 2880, 3)};

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

const Sheet &form2Sheet()
{
    static const Sheet s = [] {
        Sheet s;
        s.caption = worksheetCaption();
        s.clientWidth = 7665;
        s.clientHeight = 4425;

        s.boxes = {
            // dividend and divisor
            {5, K::Entry, 6120, 2520},
            {4, K::Entry, 6480, 2520},
            {3, K::Entry, 6840, 2520},
            {2, K::Entry, 7200, 2520},
            {6, K::Entry, 5280, 2520},
            // round 1
            {7, K::Output, 6120, 1800, 1, Blue},
            {8, K::Output, 6120, 3120},
            {9, K::Output, 6120, 3840},
            // round 2
            {10, K::Output, 6480, 3840},
            {11, K::Output, 6480, 1800, 1, Blue},
            {12, K::Output, 6480, 4440, 2},
            {13, K::Output, 6120, 4440, 2},
            {14, K::Output, 6480, 5160},
            // round 3
            {16, K::Output, 6840, 5160},
            {17, K::Output, 6840, 1800, 0, Blue},
            {18, K::Output, 6840, 5760},
            {19, K::Output, 6480, 5760, 2},
            {20, K::Output, 6840, 6480, 1, Black},
            // round 4
            {1, K::Output, 7200, 6480, 1, Black},
            {29, K::Output, 7200, 1800, 1, Black},
            {28, K::Output, 7200, 7080, 1, Black},
            {15, K::Output, 6840, 7080, 2, Black},
            {30, K::Output, 7200, 7800, 0},
            // check frame
            {21, K::Check, 1440, 1920, 1, Blue},
            {22, K::Check, 1080, 1920, 1, Blue},
            {23, K::Check, 720, 1920, 1, Blue},
            {31, K::Check, 360, 1920, 1, Blue},
            {24, K::Check, 1440, 2400, 0},
            {25, K::Check, 1440, 3000},
            {26, K::Check, 1080, 3000},
            {27, K::Check, 720, 3000},
            {32, K::Check, 360, 3000},
        };
        s.lines = {
            bracket(0, 5880, 2400, 7920, 2400),
            bracket(1, 5880, 3120, 5880, 2400, 1),
            bracket(2, 4920, 3120, 5880, 3120, 1),
            line(2, 6000, 3720, 7920, 3720, 3),
            line(4, 5880, 5040, 7920, 5040, 3),
            line(6, 5880, 6360, 7920, 6360, 3),
            line(9, 5880, 7680, 7920, 7680, 3),
            line(3, 8040, 3480, 8160, 3480, 2, Blue),
            line(5, 8040, 4800, 8160, 4800, 2, Blue),
            line(7, 8040, 6120, 8160, 6120, 2, Blue),
            line(10, 8040, 7440, 8160, 7440, 2, Blue),
        };
        s.divisorBoxes = {6};
        s.dividendBoxes = {5, 4, 3, 2};
        s.entryTest = {5, 6, 4, 3, 2};

        s.stepFrame = stepsFrame(8640, 1560, 6735);
        addStepButtons(s, 1, 11, 4);
        addStepButtons(s, 12, 15, 17);
        s.steps = roundsOneToThree({14});
        append(s.steps, RoundFour);
        s.chain = ThreeRoundChain;
        append(s.chain, RoundFourChain);
        s.guards = oneDigitGuards();

        CheckDef &c = s.check;
        c.frame = checkFrame(840, 3240, 3255, 5055);
        c.completeBox = 30;
        c.quotientBoxes = {7, 11, 17, 29};
        c.remainderBoxes = {30};
        c.divisorAsTyped = true;
        c.remainderAsTyped = true;
        c.quotientDigits = {21, 22, 23, 31};
        c.divisorDigits = {24};
        c.productDigits = {25, 26, 27, 32};
        c.hideable = {31};
        c.sumRemainderLabel = 11;
        setCheckLabels(c, {.caption1X = 120, .quotientCaptionX = 2160, .captionX = 1800, .valueX = 960, .timesX = 1920, .sumY = 4080, .productX = 2280, .plusX = 1920, .remainderX = 1440, .equalsX = 960});
        c.lines = {line(8, 240, 2880, 1800, 2880, 3)};

        s.newProblemPos = {2160, 2400};
        s.checkPos = {2160, 2760};
        s.menuButton = 21;
        s.menuPos = {2160, 1680};
        s.sizeFrame = sizesFrame(3120, 240);
        s.sizePos[0] = {7320, 600, 1695, 375};
        s.sizePos[1] = {5400, 600, 1695, 375};
        s.sizePos[2] = {3360, 600, 1815, 375};

        s.initialFocus = QStringLiteral("Command16");
        s.tabOrder = {"Command16", "Command15", "Text3",     "Command5",  "Command14", "Command13", "Command12",
                      "Command11", "Command10", "Command9",  "Command8",  "Command7",  "Command6",  "Command4",
                      "Command3",  "Command2",  "Command1",  "Text6",     "Text5",     "Text4",     "Text2",
                      "Command17", "Command18", "Command19", "Command20", "Command21", "Text21",    "Text22",
                      "Text23",    "Text24",    "Text25",    "Text26",    "Text27",    "Text31",    "Text32"};
        return s;
    }();
    return s;
}

const Sheet &form3Sheet()
{
    static const Sheet s = [] {
        Sheet s;
        s.caption = worksheetCaption();
        s.clientWidth = 4680;
        s.clientHeight = 3090;

        s.boxes = {
            // dividend and divisor
            {5, K::Entry, 7320, 1080},
            {4, K::Entry, 7680, 1080},
            {3, K::Entry, 8040, 1080},
            {2, K::Entry, 8400, 1080},
            {33, K::Entry, 8760, 1080},
            {6, K::Entry, 6480, 1080},
            // round 1
            {7, K::Output, 7320, 360, 1, Blue},
            {8, K::Output, 7320, 1680},
            {9, K::Output, 7320, 2400},
            // round 2
            {10, K::Output, 7680, 2400},
            {11, K::Output, 7680, 360, 1, Blue},
            {12, K::Output, 7680, 3000, 2},
            {13, K::Output, 7320, 3000, 2},
            {14, K::Output, 7680, 3720},
            // round 3
            {16, K::Output, 8040, 3720},
            {17, K::Output, 8040, 360, 0, Blue},
            {18, K::Output, 8040, 4320},
            {19, K::Output, 7680, 4320, 2},
            {20, K::Output, 8040, 5040, 1, Black},
            // round 4
            {1, K::Output, 8400, 5040, 1, Black},
            {29, K::Output, 8400, 360, 1, Black},
            {28, K::Output, 8400, 5640, 1, Black},
            {15, K::Output, 8040, 5640, 2, Black},
            {30, K::Output, 8400, 6360, 0},
            // round 5
            {34, K::Output, 8760, 6360},
            {35, K::Output, 8760, 360},
            {36, K::Output, 8760, 6960},
            {37, K::Output, 8400, 6960},
            {38, K::Output, 8760, 7680},
            // check frame
            {21, K::Check, 1800, 1920, 1, Blue},
            {22, K::Check, 1440, 1920, 1, Blue},
            {23, K::Check, 1080, 1920, 1, Blue},
            {31, K::Check, 720, 1920, 1, Blue},
            {39, K::Check, 360, 1920, 1, Blue, 270},
            {24, K::Check, 1800, 2400, 0},
            {25, K::Check, 1800, 3000},
            {26, K::Check, 1440, 3000},
            {27, K::Check, 1080, 3000},
            {32, K::Check, 720, 3000},
            {40, K::Check, 360, 3000},
        };
        s.lines = {
            bracket(0, 7080, 960, 9240, 960),
            bracket(1, 7080, 960, 7080, 1680),
            bracket(2, 5760, 1680, 7080, 1680),
            line(2, 7200, 2280, 9240, 2280, 3),
            line(4, 7200, 3600, 9240, 3600, 3),
            line(6, 7200, 4920, 9240, 4920, 3),
            line(9, 7200, 6240, 9240, 6240, 3),
            line(11, 7200, 7560, 9240, 7560, 3),
            line(3, 9240, 2040, 9360, 2040, 2, true),
            line(5, 9240, 3360, 9360, 3360, 2, true),
            line(7, 9240, 4680, 9360, 4680, 2, true),
            line(10, 9240, 6000, 9360, 6000, 2, true),
            line(12, 9240, 7320, 9360, 7320, 2, true),
        };
        s.divisorBoxes = {6};
        s.dividendBoxes = {5, 4, 3, 2, 33};
        s.entryTest = {5, 6, 4, 3, 2, 33};

        s.stepFrame = stepsFrame(9720, 240, 8175);
        addStepButtons(s, 1, 11, 4);
        addStepButtons(s, 12, 19, 17);
        s.steps = roundsOneToThree({14});
        append(s.steps, RoundFour);
        append(s.steps, {
                            {.button = 21, .kind = S::BringDown, .out = {34}, .reads = {33}},
                            {.button = 22, .kind = S::Quotient, .out = {35}, .reads = {30, 34}, .plain = true},
                            {.button = 23, .kind = S::Product, .out = {36, 37}, .quotientBox = 35},
                            {.button = 24, .kind = S::Difference, .out = {38}, .reads = {30, 34}, .quotientBox = 35},
                        });
        s.chain = ThreeRoundChain;
        append(s.chain, RoundFourChain);
        append(s.chain, {{30, 21}, {34, 22}, {35, 23}, {36, 24}});
        s.guards = oneDigitGuards();

        CheckDef &c = s.check;
        c.frame = checkFrame(840, 2640, 3735, 5055);
        c.completeBox = 38;
        c.quotientBoxes = {7, 11, 17, 29, 35};
        c.remainderBoxes = {38};
        c.divisorAsTyped = true;
        c.remainderAsTyped = true;
        c.quotientDigits = {21, 22, 23, 31, 39};
        c.divisorDigits = {24};
        c.productDigits = {25, 26, 27, 32, 40};
        c.hideable = {39};
        c.sumRemainderLabel = 11;
        setCheckLabels(c, {.caption1X = 480, .quotientCaptionX = 2520, .captionX = 2160, .valueX = 1320, .timesX = 2280, .sumY = 4080, .productX = 2520, .productW = 855, .plusX = 2160, .remainderX = 1680, .equalsX = 1200, .dividendW = 855});
        c.lines = {line(8, 240, 2880, 2160, 2880, 3)};

        s.newProblemPos = {2640, 1800};
        s.checkPos = {2640, 2160};
        s.menuButton = 25;
        s.menuPos = {840, 1800};
        s.sizeFrame = sizesFrame(120, 240);
        s.sizePos[0] = {4320, 600, 1695, 375};
        s.sizePos[1] = {2400, 600, 1695, 375};
        s.sizePos[2] = {360, 600, 1815, 375};

        s.initialFocus = QStringLiteral("Text5");
        s.tabOrder = {"Text5",     "Text4",     "Text3",     "Text2",     "Text33",    "Text6",     "Command4",
                      "Command5",  "Command6",  "Command7",  "Command8",  "Command9",  "Command10", "Command11",
                      "Command12", "Command13", "Command14", "Command17", "Command18", "Command19", "Command20",
                      "Command21", "Command22", "Command23", "Command24", "Command15", "Command16", "Text21",
                      "Text22",    "Text23",    "Text24",    "Text25",    "Text26",    "Text27",    "Text31",
                      "Text32",    "Text39",    "Text40",    "Command25", "Command1",  "Command2",  "Command3"};
        return s;
    }();
    return s;
}

} // namespace corvane
