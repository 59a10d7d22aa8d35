// Worksheets over a three-digit divisor: Form8 (four-digit dividend),
// Form9 (five digits), Form10 (six digits, with a continued-steps frame).
#include "sheets.h"

#include "corvanecredits.h"

#include <algorithm>

namespace corvane {

namespace {

// The steps of rounds 1 to 4, on the same boxes in all three worksheets.
// Two zero rounds come first; round 3 rebuilds its partial dividend.
std::vector<StepDef> roundsOneToFour()
{
    std::vector<StepDef> steps = rebuiltRounds({20, 2, 41});
    append(steps, {
        {.button = 18, .kind = S::BringDown, .out = {31}, .reads = {30}},
        {.button = 19, .kind = S::Quotient, .out = {32}, .reads = {41, 2, 20, 31}, .plain = true},
        {.button = 20, .kind = S::Product, .out = {33, 34, 35, 42}, .quotientBox = 32},
        {.button = 21, .kind = S::Difference, .out = {36, 37, 40}, .reads = {41, 2, 20, 31}, .quotientBox = 32},
    });
    return steps;
}

std::vector<StepDef> roundFive()
{
    return {
        {.button = 22, .kind = S::BringDown, .out = {44}, .reads = {43}},
        {.button = 23, .kind = S::Quotient, .out = {45}, .reads = {40, 37, 36, 44}, .plain = true},
        {.button = 24, .kind = S::Product, .out = {46, 47, 48, 49}, .quotientBox = 45},
        {.button = 25, .kind = S::Difference, .out = {50, 51, 52}, .reads = {40, 37, 36, 44}, .quotientBox = 45},
    };
}

std::vector<StepDef> roundSix()
{
    return {
        {.button = 26, .kind = S::BringDown, .out = {56}, .reads = {55}},
        {.button = 27, .kind = S::Quotient, .out = {57}, .reads = {52, 51, 50, 56}, .plain = true},
        {.button = 28, .kind = S::Product, .out = {58, 59, 60, 61}, .quotientBox = 57},
        {.button = 29, .kind = S::Difference, .out = {62, 63, 64}, .reads = {52, 51, 50, 56}, .quotientBox = 57},
    };
}

// The chain of rounds 1 to 3 runs on into round 4.
std::vector<ChainLink> chainOneToFour()
{
    std::vector<ChainLink> chain = ThreeRoundChain;
    append(chain, {{20, 18}, {31, 19}, {32, 20}, {33, 21}});
    return chain;
}

const std::vector<ChainLink> RoundFiveChain = {{36, 22}, {44, 23}, {45, 24}, {46, 25}};

// The hundreds box of the divisor starts the chain and refuses 0.
std::vector<GuardDef> threeDigitGuards()
{
    return {
        {38, true, {QStringLiteral("0")}, LeadZeroRefused},
        {5, false, {QStringLiteral("0")}, LeadingDividendZero},
    };
}

// Dividend boxes, then the divisor boxes, size buttons, steps, check, menu.
QStringList tabOrder(const Sheet &s)
{
    QStringList order;
    for (int n : s.dividendBoxes)
        order << QStringLiteral("Text%1").arg(n);
    for (int n : s.divisorBoxes)
        order << QStringLiteral("Text%1").arg(n);
    order << QStringLiteral("Command1") << QStringLiteral("Command2") << QStringLiteral("Command3");
    for (const StepButtonDef &b : s.stepButtons)
        order << QStringLiteral("Command%1").arg(b.button);
    order << QStringLiteral("Command15") << QStringLiteral("Command16");
    std::vector<int> check;
    for (const BoxDef &b : s.boxes)
        if (b.kind == K::Check)
            check.push_back(b.number);
    std::sort(check.begin(), check.end());
    for (int n : check)
        order << QStringLiteral("Text%1").arg(n);
    order << QStringLiteral("Command17");
    return order;
}
} // namespace

const Sheet &form8Sheet()
{
    static const Sheet s = [] {
        Sheet s;
        s.caption = QStringLiteral("الفسمة المطولة - ") + creditLine();
        s.clientWidth = 4680;
        s.clientHeight = 3090;

        s.boxes = {
            // dividend, leading digit first
            {5, K::Entry, 6240, 2160},
            {4, K::Entry, 6600, 2160},
            {3, K::Entry, 6960, 2160},
            {30, K::Entry, 7320, 2160},
            // divisor: hundreds, tens, units
            {38, K::Entry, 4680, 2160},
            {1, K::Entry, 5040, 2160},
            {6, K::Entry, 5400, 2160},
            // quotient row
            {7, K::Output, 6240, 1440, 1, Blue},
            {11, K::Output, 6600, 1440, 1, Blue},
            {17, K::Output, 6960, 1440, 0, Blue},
            {32, K::Output, 7320, 1440},
            // round 1: product, difference
            {8, K::Output, 6240, 2760},
            {9, K::Output, 6240, 3480},
            // round 2: brought-down d2, product tens and units, difference tens and units
            {10, K::Output, 6600, 3480},
            {13, K::Output, 6240, 4080, 2},
            {12, K::Output, 6600, 4080, 2},
            {15, K::Output, 6240, 4800},
            {14, K::Output, 6600, 4800},
            // round 3: brought-down d3, product hundreds to units, difference hundreds to units
            {16, K::Output, 6960, 4800},
            {28, K::Output, 6240, 5400},
            {19, K::Output, 6600, 5400},
            {18, K::Output, 6960, 5400},
            {41, K::Output, 6240, 6120},
            {2, K::Output, 6600, 6120},
            {20, K::Output, 6960, 6120, 1, Red},
            // round 4: brought-down d4, product thousands to units, remainder hundreds to units
            {31, K::Output, 7320, 6120},
            {42, K::Output, 6240, 6720},
            {35, K::Output, 6600, 6720},
            {34, K::Output, 6960, 6720},
            {33, K::Output, 7320, 6720},
            {40, K::Output, 6600, 7440},
            {37, K::Output, 6960, 7440},
            {36, K::Output, 7320, 7440},
            // check frame: quotient units, tens
            {21, K::Check, 1440, 1920, 1, Blue},
            {22, K::Check, 1080, 1920, 1, Blue},
            // divisor units, tens, hundreds
            {24, K::Check, 1440, 2400, 0},
            {29, K::Check, 1080, 2400},
            {23, K::Check, 720, 2400, 1, Blue},
            // product units to thousands
            {25, K::Check, 1440, 3000},
            {26, K::Check, 1080, 3000},
            {27, K::Check, 720, 3000},
            {39, K::Check, 360, 3000},
        };
        s.lines = {
            bracket(0, 6000, 2040, 8160, 2040),
            bracket(1, 6000, 2760, 6000, 2040),
            bracket(2, 4680, 2760, 6000, 2760),
            line(2, 6120, 3360, 8160, 3360, 3),
            line(4, 6120, 4680, 8160, 4680, 3),
            line(6, 6120, 6000, 8160, 6000, 3),
            line(9, 6120, 7320, 8160, 7320, 3),
            line(3, 8160, 3120, 8280, 3120, 2, true),
            line(5, 8160, 4440, 8280, 4440, 2, true),
            line(7, 8160, 5760, 8280, 5760, 2, true),
            line(10, 8160, 7080, 8280, 7080, 2, true),
        };
        s.divisorBoxes = {38, 1, 6};
        s.dividendBoxes = {5, 4, 3, 30};
        s.entryTest = {5, 6, 4, 3, 1, 30, 38};

        s.stepFrame = stepsFrame(8880, 1440, 6735);
        addStepButtons(s, 1, 11, 4);
        addStepButtons(s, 12, 15, 18);
        s.steps = roundsOneToFour();
        s.chain = chainOneToFour();
        s.guards = threeDigitGuards();

        CheckDef &c = s.check;
        c.frame = checkFrame(960, 2880, 3255, 4455);
        c.completeBox = 36;
        c.quotientBoxes = {7, 11, 17, 32};
        c.remainderBoxes = {40, 37, 36};
        c.quotientDigits = {21, 22};
        c.divisorDigits = {24, 29, 23};
        c.productDigits = {25, 26, 27, 39};
        c.hideable = {22};
        c.sumRemainderLabel = 15;
        setCheckLabels(c, {.caption1X = 120, .quotientCaptionX = 2160, .captionX = 1800, .valueX = 960, .timesX = 1920, .productX = 2280, .plusX = 1920, .remainderX = 1320, .remainderW = 495, .equalsX = 960, .sumOnWindowBack = true});
        c.lines = {line(8, 240, 2880, 1800, 2880, 3)};

        s.newProblemPos = {2280, 2040};
        s.checkPos = {2280, 2400};
        s.menuButton = 17;
        s.menuPos = {2280, 1320};
        s.sizeFrame = sizesFrame(3240, 120);
        s.sizePos[0] = {7440, 480, 1815, 375};
        s.sizePos[1] = {5400, 480, 1815, 375};
        s.sizePos[2] = {3360, 480, 1815, 375};

        s.helpFrame = helpFrame(3480, 3720);
        s.helpLabels = helpLabels();

        s.initialFocus = QStringLiteral("Text5");
        s.tabOrder = tabOrder(s);
        return s;
    }();
    return s;
}

const Sheet &form9Sheet()
{
    static const Sheet s = [] {
        Sheet s;
        s.caption = QStringLiteral("Tolbrin - ") + creditLine();
        s.clientWidth = 4680;
        s.clientHeight = 3090;

        s.boxes = {
            // dividend, leading digit first
            {5, K::Entry, 7080, 1200},
            {4, K::Entry, 7440, 1200},
            {3, K::Entry, 7800, 1200},
            {30, K::Entry, 8160, 1200},
            {43, K::Entry, 8520, 1200},
            // divisor: hundreds, tens, units
            {38, K::Entry, 5520, 1200},
            {1, K::Entry, 5880, 1200},
            {6, K::Entry, 6240, 1200},
            // quotient row
            {7, K::Output, 7080, 480, 1, Blue},
            {11, K::Output, 7440, 480, 1, Blue},
            {17, K::Output, 7800, 480, 0, Blue},
            {32, K::Output, 8160, 480},
            {45, K::Output, 8520, 480},
            // round 1: product, difference
            {8, K::Output, 7080, 1800},
            {9, K::Output, 7080, 2520},
            // round 2: brought-down d2, product tens and units, difference tens and units
            {10, K::Output, 7440, 2520},
            {13, K::Output, 7080, 3120, 2},
            {12, K::Output, 7440, 3120, 2},
            {15, K::Output, 7080, 3840},
            {14, K::Output, 7440, 3840},
            // round 3: brought-down d3, product hundreds to units, difference hundreds to units
            {16, K::Output, 7800, 3840},
            {28, K::Output, 7080, 4440},
            {19, K::Output, 7440, 4440},
            {18, K::Output, 7800, 4440},
            {41, K::Output, 7080, 5160},
            {2, K::Output, 7440, 5160},
            {20, K::Output, 7800, 5160, 1, Red},
            // round 4: brought-down d4, product thousands to units, difference hundreds to units
            {31, K::Output, 8160, 5160},
            {42, K::Output, 7080, 5760},
            {35, K::Output, 7440, 5760},
            {34, K::Output, 7800, 5760},
            {33, K::Output, 8160, 5760},
            {40, K::Output, 7440, 6480},
            {37, K::Output, 7800, 6480},
            {36, K::Output, 8160, 6480},
            // round 5: brought-down d5, product thousands to units, remainder hundreds to units
            {44, K::Output, 8520, 6480},
            {49, K::Output, 7440, 7080},
            {48, K::Output, 7800, 7080},
            {47, K::Output, 8160, 7080},
            {46, K::Output, 8520, 7080},
            {52, K::Output, 7800, 7800},
            {51, K::Output, 8160, 7800},
            {50, K::Output, 8520, 7800},
            // check frame: quotient units to hundreds
            {21, K::Check, 1680, 1920, 1, Blue},
            {22, K::Check, 1320, 1920, 1, Blue},
            {53, K::Check, 960, 1920, 1, Blue},
            // divisor units, tens, hundreds
            {24, K::Check, 1680, 2400, 0},
            {29, K::Check, 1320, 2400},
            {23, K::Check, 960, 2400, 1, Blue},
            // product units to ten-thousands
            {25, K::Check, 1680, 3000},
            {26, K::Check, 1320, 3000},
            {27, K::Check, 960, 3000},
            {39, K::Check, 600, 3000},
            {54, K::Check, 240, 3000},
        };
        s.lines = {
            bracket(0, 6840, 1080, 9000, 1080),
            bracket(1, 6840, 1800, 6840, 1080),
            bracket(2, 5520, 1800, 6840, 1800),
            line(2, 6960, 2400, 9000, 2400, 3),
            line(4, 6960, 3720, 9000, 3720, 3),
            line(6, 6960, 5040, 9000, 5040, 3),
            line(9, 6960, 6360, 9000, 6360, 3),
            line(11, 6960, 7680, 9000, 7680, 3),
            line(3, 9000, 2160, 9120, 2160, 2, true),
            line(5, 9000, 3480, 9120, 3480, 2, true),
            line(7, 9000, 4800, 9120, 4800, 2, true),
            line(10, 9000, 6120, 9120, 6120, 2, true),
            line(12, 9000, 7440, 9120, 7440, 2, true),
        };
        s.divisorBoxes = {38, 1, 6};
        s.dividendBoxes = {5, 4, 3, 30, 43};
        s.entryTest = {5, 6, 4, 3, 1, 30, 38, 43};

        s.stepFrame = stepsFrame(9600, 120, 8295);
        addStepButtons(s, 1, 11, 4);
        addStepButtons(s, 12, 19, 18);
        s.steps = roundsOneToFour();
        append(s.steps, roundFive());
        s.chain = chainOneToFour();
        append(s.chain, RoundFiveChain);
        s.guards = threeDigitGuards();

        CheckDef &c = s.check;
        c.frame = checkFrame(360, 2880, 3495, 4455);
        c.completeBox = 50;
        c.quotientBoxes = {7, 11, 17, 32, 45};
        c.remainderBoxes = {52, 51, 50};
        c.quotientDigits = {21, 22, 53};
        c.divisorDigits = {24, 29, 23};
        c.productDigits = {25, 26, 27, 39, 54};
        c.hideable = {22, 53};
        c.sumRemainderLabel = 15;
        setCheckLabels(c, {.caption1X = 240, .quotientCaptionX = 2400, .captionX = 2040, .valueX = 1200, .timesX = 2160, .productX = 2400, .productW = 855, .plusX = 2040, .remainderX = 1440, .remainderW = 495, .equalsX = 1080, .dividendW = 855, .sumOnWindowBack = true});
        c.lines = {line(8, 240, 2880, 1920, 2880, 3)};

        s.newProblemPos = {1920, 2040};
        s.checkPos = {1920, 2400};
        s.menuButton = 17;
        s.menuPos = {1920, 1320};
        s.sizeFrame = sizesFrame(240, 120);
        s.sizePos[0] = {4440, 480, 1815, 375};
        s.sizePos[1] = {2400, 480, 1815, 375};
        s.sizePos[2] = {360, 480, 1815, 375};

        s.helpFrame = helpFrame(4320, 2760);
        s.helpLabels = helpLabels();

        s.initialFocus = QStringLiteral("Text5");
        s.tabOrder = tabOrder(s);
        return s;
    }();
    return s;
}

const Sheet &form10Sheet()
{
    static const Sheet s = [] {
        Sheet s;
        s.caption = worksheetCaption();
        s.clientWidth = 4680;
        s.clientHeight = 3090;
        s.boxHeight = 400;
        s.boxPoints = 15.75;

        s.boxes = {
            // dividend, leading digit first
            {5, K::Entry, 7080, 1200},
            {4, K::Entry, 7440, 1200},
            {3, K::Entry, 7800, 1200},
            {30, K::Entry, 8160, 1200},
            {43, K::Entry, 8520, 1200},
            {55, K::Entry, 8880, 1200},
            // divisor: hundreds, tens, units
            {38, K::Entry, 5520, 1200},
            {1, K::Entry, 5880, 1200},
            {6, K::Entry, 6240, 1200},
            // round 1: quotient, product, difference
            {7, K::Output, 7080, 480, 1, Blue},
            {8, K::Output, 7080, 1680},
            {9, K::Output, 7080, 2280},
            // round 2: brought-down d2, quotient, product units and tens, difference units and tens
            {10, K::Output, 7440, 2280},
            {11, K::Output, 7440, 480, 1, Blue},
            {12, K::Output, 7440, 2760, 2},
            {13, K::Output, 7080, 2760, 2},
            {14, K::Output, 7440, 3360},
            {15, K::Output, 7080, 3360},
            // round 3: brought-down d3, quotient, product units to hundreds, difference units to hundreds
            {16, K::Output, 7800, 3360},
            {17, K::Output, 7800, 480, 0, Blue},
            {18, K::Output, 7800, 3840},
            {19, K::Output, 7440, 3840},
            {28, K::Output, 7080, 3840},
            {20, K::Output, 7800, 4440, 1, Red},
            {2, K::Output, 7440, 4440},
            {41, K::Output, 7080, 4440},
            // round 4: brought-down d4, quotient, product units to thousands, difference units to hundreds
            {31, K::Output, 8160, 4440},
            {32, K::Output, 8160, 480},
            {33, K::Output, 8160, 4920},
            {34, K::Output, 7800, 4920},
            {35, K::Output, 7440, 4920},
            {42, K::Output, 7080, 4920},
            {36, K::Output, 8160, 5520},
            {37, K::Output, 7800, 5520},
            {40, K::Output, 7440, 5520},
            // round 5: brought-down d5, quotient, product units to thousands, difference units to hundreds
            {44, K::Output, 8520, 5520},
            {45, K::Output, 8520, 480},
            {46, K::Output, 8520, 6000},
            {47, K::Output, 8160, 6000},
            {48, K::Output, 7800, 6000},
            {49, K::Output, 7440, 6000},
            {50, K::Output, 8520, 6600},
            {51, K::Output, 8160, 6600},
            {52, K::Output, 7800, 6600},
            // round 6: brought-down d6, quotient, product units to thousands, remainder units to hundreds
            {56, K::Output, 8880, 6600},
            {57, K::Output, 8880, 480},
            {58, K::Output, 8880, 7080},
            {59, K::Output, 8520, 7080},
            {60, K::Output, 8160, 7080},
            {61, K::Output, 7800, 7080},
            {62, K::Output, 8880, 7680},
            {63, K::Output, 8520, 7680},
            {64, K::Output, 8160, 7680},
            // check frame: quotient units to thousands
            {21, K::Check, 1920, 1920, 1, Blue},
            {22, K::Check, 1560, 1920, 1, Blue},
            {53, K::Check, 1200, 1920, 1, Blue},
            {65, K::Check, 840, 1920, 1, Blue},
            // divisor units, tens, hundreds
            {24, K::Check, 1920, 2400, 0},
            {29, K::Check, 1560, 2400},
            {23, K::Check, 1200, 2400, 1, Blue},
            // product units to hundred-thousands
            {25, K::Check, 1920, 3000},
            {26, K::Check, 1560, 3000},
            {27, K::Check, 1200, 3000},
            {39, K::Check, 840, 3000},
            {54, K::Check, 480, 3000},
            {66, K::Check, 120, 3000},
        };
        s.lines = {
            bracket(0, 6840, 1080, 9240, 1080),
            bracket(1, 6840, 1800, 6840, 1080),
            bracket(2, 5520, 1800, 6840, 1800),
            line(2, 6960, 2160, 9240, 2160, 3),
            line(4, 6960, 3240, 9240, 3240, 3),
            line(6, 6960, 4320, 9240, 4320, 3),
            line(9, 6960, 5400, 9240, 5400, 3),
            line(11, 6960, 6480, 9240, 6480, 3),
            line(13, 6960, 7560, 9240, 7560, 3),
            line(3, 9360, 1920, 9480, 1920, 2, true),
            line(5, 9360, 3000, 9480, 3000, 2, true),
            line(7, 9360, 4080, 9480, 4080, 2, true),
            line(10, 9360, 5160, 9480, 5160, 2, true),
            line(12, 9360, 6240, 9480, 6240, 2, true),
            line(14, 9360, 7320, 9480, 7320, 2, true),
        };
        s.divisorBoxes = {38, 1, 6};
        s.dividendBoxes = {5, 4, 3, 30, 43, 55};
        s.entryTest = {5, 6, 4, 3, 1, 30, 38, 43, 55};

        s.stepFrame = stepsFrame(9720, 120, 8295);
        s.continuedFrame = {5, QStringLiteral("تابع خطوات الحل :"), 4680, 6360, 1815, 2055};
        addStepButtons(s, 1, 11, 4);
        addStepButtons(s, 12, 19, 18);
        addStepButtons(s, 20, 23, 26, true);
        s.steps = roundsOneToFour();
        append(s.steps, roundFive());
        append(s.steps, roundSix());
        s.chain = chainOneToFour();
        append(s.chain, RoundFiveChain);
        append(s.chain, {{50, 26, 5}, // also shows the continued-steps frame
                         {56, 27}, {57, 28}, {58, 29}});
        s.guards = threeDigitGuards();

        CheckDef &c = s.check;
        c.frame = checkFrame(360, 2880, 3615, 4455);
        c.completeBox = 62;
        c.quotientBoxes = {7, 11, 17, 32, 45, 57};
        c.remainderBoxes = {64, 63, 62};
        c.quotientDigits = {21, 22, 53, 65};
        c.divisorDigits = {24, 29, 23};
        c.productDigits = {25, 26, 27, 39, 54, 66};
        c.hideable = {22, 53, 65};
        c.sumRemainderLabel = 15;
        setCheckLabels(c, {.caption1X = 240, .quotientCaptionX = 2640, .captionX = 2280, .valueX = 1440, .timesX = 2400, .productX = 2400, .productW = 975, .plusX = 2040, .remainderX = 1440, .remainderW = 495, .equalsX = 1080, .dividendX = 120, .dividendW = 975});
        c.lines = {line(8, 120, 2880, 2160, 2880, 3)};

        s.newProblemPos = {1920, 2040};
        s.checkPos = {1920, 2400};
        s.menuButton = 17;
        s.menuPos = {1920, 1320};
        s.sizeFrame = sizesFrame(240, 120);
        s.sizePos[0] = {4440, 480, 1815, 375};
        s.sizePos[1] = {2400, 480, 1815, 375};
        s.sizePos[2] = {360, 480, 1815, 375};

        s.helpFrame = helpFrame(4200, 2400);
        s.helpLabels = helpLabels();

        s.initialFocus = QStringLiteral("Text5");
        s.tabOrder = tabOrder(s);
        return s;
    }();
    return s;
}

} // namespace corvane
