// Worksheets over a two-digit divisor: Form5 (three-digit dividend),
// Form6 (four digits), Form7 (five digits). Round 1 always gives 0, so the
// quotient has one digit fewer than the dividend.
#include "sheets.h"

namespace corvane {

namespace {

// The divisor's tens box starts the chain and refuses 0; its units box takes
// any digit. The dividend may not lead with 0.
std::vector<GuardDef> twoDigitGuards()
{
    return {
        {1, true, {QStringLiteral("0")}, LeadZeroRefused},
        {5, false, {QStringLiteral("0")}, LeadingDividendZero},
    };
}

// Round 4 of Form6 and Form7: its partial dividend is R3's two boxes and d4.
const std::vector<StepDef> RoundFour = {
    // d4
    {.button = 18, .kind = S::BringDown, .out = {31}, .reads = {30}},
    // q4
    {.button = 19, .kind = S::Quotient, .out = {32}, .reads = {2, 20, 31}, .plain = true},
    // P4
    {.button = 20, .kind = S::Product, .out = {33, 34, 35}, .quotientBox = 32},
    // R4
    {.button = 21, .kind = S::Difference, .out = {36, 37}, .reads = {2, 20, 31}, .quotientBox = 32},
};
const std::vector<ChainLink> RoundFourChain = {{20, 18}, {31, 19}, {32, 20}, {33, 21}};

} // namespace

const Sheet &form5Sheet()
{
    static const Sheet s = [] {
        Sheet s;
        s.caption = worksheetCaption();
        s.clientWidth = 4680;
        s.clientHeight = 3090;

        s.boxes = {
            // divisor and dividend
            {1, K::Entry, 4800, 2520}, // divisor tens
            {6, K::Entry, 5160, 2520}, // divisor units
            {5, K::Entry, 6000, 2520}, // d1
            {4, K::Entry, 6360, 2520}, // d2
            {3, K::Entry, 6720, 2520}, // d3
            // quotient row
            {7, K::Output, 6000, 1800, 1, Blue},  // q1
            {11, K::Output, 6360, 1800, 1, Blue}, // q2
            {17, K::Output, 6720, 1800, 0, Blue}, // q3
            // round 1
            {8, K::Output, 6000, 3120}, // P1
            {9, K::Output, 6000, 3840}, // R1
            // round 2
            {10, K::Output, 6360, 3840},    // d2 brought down
            {13, K::Output, 6000, 4440, 2}, // P2 tens
            {12, K::Output, 6360, 4440, 2}, // P2 units
            {15, K::Output, 6000, 5160},    // R2 tens
            {14, K::Output, 6360, 5160},    // R2 units
            // round 3
            {16, K::Output, 6720, 5160},         // d3 brought down
            {28, K::Output, 6000, 5760},         // P3 hundreds
            {19, K::Output, 6360, 5760},         // P3 tens
            {18, K::Output, 6720, 5760},         // P3 units
            {2, K::Output, 6360, 6480},          // R3 tens
            {20, K::Output, 6720, 6480, 1, Red}, // R3 units, the remainder
            // check frame
            {21, K::Check, 1440, 1920, 1, Blue}, // quotient units
            {22, K::Check, 1080, 1920, 1, Blue}, // quotient tens
            {23, K::Check, 720, 1920, 1, Blue},  // quotient hundreds
            {24, K::Check, 1440, 2400, 0},       // divisor units
            {29, K::Check, 1080, 2400},          // divisor tens
            {25, K::Check, 1440, 3000},          // product units
            {26, K::Check, 1080, 3000},          // product tens
            {27, K::Check, 720, 3000},           // product hundreds
        };
        s.lines = {
            bracket(0, 5760, 2400, 7920, 2400),
            bracket(1, 5760, 2400, 5760, 3120),
            bracket(2, 4440, 3120, 5760, 3120),
            line(2, 5880, 3720, 7920, 3720, 3),
            line(4, 5880, 5040, 7920, 5040, 3),
            line(6, 5880, 6360, 7920, 6360, 3),
            line(3, 7920, 3480, 8040, 3480, 2, true),
            line(5, 7920, 4800, 8040, 4800, 2, true),
            line(7, 7920, 6120, 8040, 6120, 2, true),
        };
        s.divisorBoxes = {1, 6};
        s.dividendBoxes = {5, 4, 3};
        s.entryTest = {5, 6, 4, 3, 1};

        s.stepFrame = stepsFrame(8640, 2040, 5655);
        addStepButtons(s, 1, 11, 4);
        s.steps = rebuiltRounds({20, 2});
        s.chain = ThreeRoundChain;
        s.guards = twoDigitGuards();

        CheckDef &c = s.check;
        c.frame = checkFrame(720, 3240, 3255, 4455);
        c.completeBox = 20;
        c.quotientBoxes = {7, 11, 17};
        c.remainderBoxes = {2, 20};
        c.quotientDigits = {21, 22, 23};
        c.divisorDigits = {24, 29};
        c.productDigits = {25, 26, 27};
        c.hideable = {22, 23};
        setCheckLabels(c, {.caption1X = 120, .quotientCaptionX = 2160, .captionX = 1800, .valueX = 960, .timesX = 1920, .productX = 2280, .plusX = 1920, .remainderX = 1440, .equalsX = 960});
        c.lines = {line(8, 480, 2880, 1800, 2880, 3)};

        s.newProblemPos = {2040, 2400};
        s.checkPos = {2040, 2760};
        s.menuButton = 17;
        s.menuPos = {2040, 1680};
        s.sizeFrame = sizesFrame(3000, 240);
        s.sizePos[0] = {7200, 600, 1815, 375};
        s.sizePos[1] = {5160, 600, 1815, 375};
        s.sizePos[2] = {3120, 600, 1815, 375};
        s.sizeThreeUnloadsMenu = true;

        s.helpFrame = helpFrame(3240, 5040);
        s.helpLabels = helpLabels();

        s.initialFocus = QStringLiteral("Text4");
        s.tabOrder = {"Text4",     "Text5",     "Text1",     "Text6",     "Command1",  "Command2",  "Command3",
                      "Command4",  "Command5",  "Text3",     "Command6",  "Command7",  "Command8",  "Command9",
                      "Command10", "Command11", "Command12", "Command13", "Command14", "Command15", "Command16",
                      "Text21",    "Text22",    "Text23",    "Text29",    "Text24",    "Text25",    "Text26",
                      "Text27",    "Command17"};
        return s;
    }();
    return s;
}

const Sheet &form6Sheet()
{
    static const Sheet s = [] {
        Sheet s;
        s.caption = worksheetCaption();
        s.clientWidth = 4680;
        s.clientHeight = 3090;

        s.boxes = {
            // divisor and dividend
            {1, K::Entry, 5040, 2280},  // divisor tens
            {6, K::Entry, 5400, 2280},  // divisor units
            {5, K::Entry, 6240, 2280},  // d1
            {4, K::Entry, 6600, 2280},  // d2
            {3, K::Entry, 6960, 2280},  // d3
            {30, K::Entry, 7320, 2280}, // d4
            // quotient row
            {7, K::Output, 6240, 1560, 1, Blue},  // q1
            {11, K::Output, 6600, 1560, 1, Blue}, // q2
            {17, K::Output, 6960, 1560, 0, Blue}, // q3
            {32, K::Output, 7320, 1560},          // q4
            // round 1
            {8, K::Output, 6240, 2880}, // P1
            {9, K::Output, 6240, 3600}, // R1
            // round 2
            {10, K::Output, 6600, 3600},    // d2 brought down
            {12, K::Output, 6600, 4200, 2}, // P2 units
            {13, K::Output, 6240, 4200, 2}, // P2 tens
            {14, K::Output, 6600, 4920},    // R2 units
            {15, K::Output, 6240, 4920},    // R2 tens
            // round 3
            {16, K::Output, 6960, 4920},         // d3 brought down
            {18, K::Output, 6960, 5520},         // P3 units
            {19, K::Output, 6600, 5520},         // P3 tens
            {28, K::Output, 6240, 5520},         // P3 hundreds
            {20, K::Output, 6960, 6240, 1, Red}, // R3 units
            {2, K::Output, 6600, 6240},          // R3 tens
            // round 4
            {31, K::Output, 7320, 6240}, // d4 brought down
            {33, K::Output, 7320, 6840}, // P4 units
            {34, K::Output, 6960, 6840}, // P4 tens
            {35, K::Output, 6600, 6840}, // P4 hundreds
            {36, K::Output, 7320, 7560}, // R4 units, the remainder
            {37, K::Output, 6960, 7560}, // R4 tens
            // check frame
            {21, K::Check, 1440, 1920, 1, Blue}, // quotient units
            {22, K::Check, 1080, 1920, 1, Blue}, // quotient tens
            {23, K::Check, 720, 1920, 1, Blue},  // quotient hundreds
            {24, K::Check, 1440, 2400, 0},       // divisor units
            {29, K::Check, 1080, 2400},          // divisor tens
            {25, K::Check, 1440, 3000},          // product units
            {26, K::Check, 1080, 3000},          // product tens
            {27, K::Check, 720, 3000},           // product hundreds
            {39, K::Check, 360, 3000},           // product thousands
        };
        s.lines = {
            bracket(0, 6000, 2160, 8160, 2160),
            bracket(1, 6000, 2880, 6000, 2160),
            bracket(2, 4680, 2880, 6000, 2880),
            line(2, 6120, 3480, 8160, 3480, 3),
            line(4, 6120, 4800, 8160, 4800, 3),
            line(6, 6120, 6120, 8160, 6120, 3),
            line(9, 6120, 7440, 8160, 7440, 3),
            line(3, 8160, 3240, 8280, 3240, 2, true),
            line(5, 8160, 4560, 8280, 4560, 2, true),
            line(7, 8160, 5880, 8280, 5880, 2, true),
            line(10, 8160, 7200, 8280, 7200, 2, true),
        };
        s.divisorBoxes = {1, 6};
        s.dividendBoxes = {5, 4, 3, 30};
        s.entryTest = {5, 6, 4, 3, 1, 30};

        s.stepFrame = stepsFrame(8880, 1560, 6735);
        addStepButtons(s, 1, 11, 4);
        addStepButtons(s, 12, 15, 18);
        s.steps = rebuiltRounds({20, 2});
        append(s.steps, RoundFour);
        s.chain = ThreeRoundChain;
        append(s.chain, RoundFourChain);
        s.guards = twoDigitGuards();

        CheckDef &c = s.check;
        c.frame = checkFrame(960, 3000, 3255, 4455);
        c.completeBox = 36;
        c.quotientBoxes = {7, 11, 17, 32};
        c.remainderBoxes = {37, 36};
        c.quotientDigits = {21, 22, 23};
        c.divisorDigits = {24, 29};
        c.productDigits = {25, 26, 27, 39};
        c.hideable = {23};
        setCheckLabels(c, {.caption1X = 120, .quotientCaptionX = 2160, .captionX = 1800, .valueX = 960, .timesX = 1920, .productX = 2280, .plusX = 1920, .remainderX = 1440, .equalsX = 960});
        c.lines = {line(8, 240, 2880, 1800, 2880, 3)};

        s.newProblemPos = {2280, 2160};
        s.checkPos = {2280, 2520};
        s.menuButton = 17;
        s.menuPos = {2280, 1440};
        s.sizeFrame = sizesFrame(3240, 240);
        s.sizePos[0] = {7440, 600, 1815, 375};
        s.sizePos[1] = {5400, 600, 1815, 375};
        s.sizePos[2] = {3360, 600, 1815, 375};

        s.helpFrame = helpFrame(3480, 3840);
        s.helpLabels = helpLabels();

        s.initialFocus = QStringLiteral("Text1");
        s.tabOrder = {"Text1",     "Command5",  "Command1",  "Command2",  "Command3",  "Text4",     "Text5",
                      "Text6",     "Command4",  "Command6",  "Command7",  "Command8",  "Command9",  "Command10",
                      "Command11", "Command12", "Command13", "Command14", "Text3",     "Command15", "Command16",
                      "Text29",    "Text24",    "Text25",    "Text26",    "Text27",    "Command17", "Text30",
                      "Command18", "Command19", "Command20", "Command21", "Text39"};
        s.clickFocusOnly = {21, 22, 23};
        return s;
    }();
    return s;
}

const Sheet &form7Sheet()
{
    static const Sheet s = [] {
        Sheet s;
        s.caption = worksheetCaption();
        s.clientWidth = 4680;
        s.clientHeight = 3090;

        s.boxes = {
            // divisor and dividend
            {1, K::Entry, 6120, 1200},  // divisor tens
            {6, K::Entry, 6480, 1200},  // divisor units
            {5, K::Entry, 7320, 1200},  // d1
            {4, K::Entry, 7680, 1200},  // d2
            {3, K::Entry, 8040, 1200},  // d3
            {30, K::Entry, 8400, 1200}, // d4
            {40, K::Entry, 8760, 1200}, // d5
            // quotient row
            {7, K::Output, 7320, 480, 1, Blue},  // q1
            {11, K::Output, 7680, 480, 1, Blue}, // q2
            {17, K::Output, 8040, 480, 0, Blue}, // q3
            {32, K::Output, 8400, 480},          // q4
            {42, K::Output, 8760, 480},          // q5
            // round 1
            {8, K::Output, 7320, 1800}, // P1
            {9, K::Output, 7320, 2520}, // R1
            // round 2
            {10, K::Output, 7680, 2520},    // d2 brought down
            {12, K::Output, 7680, 3120, 2}, // P2 units
            {13, K::Output, 7320, 3120, 2}, // P2 tens
            {14, K::Output, 7680, 3840},    // R2 units
            {15, K::Output, 7320, 3840},    // R2 tens
            // round 3
            {16, K::Output, 8040, 3840},         // d3 brought down
            {18, K::Output, 8040, 4440},         // P3 units
            {19, K::Output, 7680, 4440},         // P3 tens
            {28, K::Output, 7320, 4440},         // P3 hundreds
            {20, K::Output, 8040, 5160, 1, Red}, // R3 units
            {2, K::Output, 7680, 5160},          // R3 tens
            // round 4
            {31, K::Output, 8400, 5160}, // d4 brought down
            {33, K::Output, 8400, 5760}, // P4 units
            {34, K::Output, 8040, 5760}, // P4 tens
            {35, K::Output, 7680, 5760}, // P4 hundreds
            {36, K::Output, 8400, 6480}, // R4 units
            {37, K::Output, 8040, 6480}, // R4 tens
            // round 5
            {41, K::Output, 8760, 6480}, // d5 brought down
            {43, K::Output, 8760, 7080}, // P5 units
            {44, K::Output, 8400, 7080}, // P5 tens
            {45, K::Output, 8040, 7080}, // P5 hundreds
            {46, K::Output, 8760, 7800}, // R5 units, the remainder
            {47, K::Output, 8400, 7800}, // R5 tens
            // check frame
            {21, K::Check, 1800, 1920, 1, Blue},      // quotient units
            {22, K::Check, 1440, 1920, 1, Blue},      // quotient tens
            {23, K::Check, 1080, 1920, 1, Blue},      // quotient hundreds
            {38, K::Check, 720, 1920, 1, Blue, 270},  // quotient thousands
            {24, K::Check, 1800, 2400, 0},            // divisor units
            {29, K::Check, 1440, 2400},               // divisor tens
            {25, K::Check, 1800, 3000},               // product units
            {26, K::Check, 1440, 3000},               // product tens
            {27, K::Check, 1080, 3000},               // product hundreds
            {39, K::Check, 720, 3000},                // product thousands
            {48, K::Check, 360, 3000},                // product ten-thousands
        };
        s.lines = {
            bracket(0, 7080, 1080, 9240, 1080),
            bracket(1, 7080, 1800, 7080, 1080),
            bracket(2, 5760, 1800, 7080, 1800),
            line(2, 7200, 2400, 9240, 2400, 3),
            line(4, 7200, 3720, 9240, 3720, 3),
            line(6, 7200, 5040, 9240, 5040, 3),
            line(9, 7200, 6360, 9240, 6360, 3),
            line(11, 7200, 7680, 9240, 7680, 3),
            line(3, 9240, 2160, 9360, 2160, 2, true),
            line(5, 9240, 3480, 9360, 3480, 2, true),
            line(7, 9240, 4800, 9360, 4800, 2, true),
            line(10, 9240, 6120, 9360, 6120, 2, true),
            line(12, 9240, 7440, 9360, 7440, 2, true),
        };
        s.divisorBoxes = {1, 6};
        s.dividendBoxes = {5, 4, 3, 30, 40};
        s.entryTest = {5, 6, 4, 3, 1, 30, 40};

        s.stepFrame = stepsFrame(9600, 120, 8295);
        addStepButtons(s, 1, 11, 4);
        addStepButtons(s, 12, 19, 18);
        s.steps = rebuiltRounds({20, 2});
        append(s.steps, RoundFour);
        append(s.steps, {
                            // d5
                            {.button = 22, .kind = S::BringDown, .out = {41}, .reads = {40}},
                            // q5
                            {.button = 23, .kind = S::Quotient, .out = {42}, .reads = {37, 36, 41}, .plain = true},
                            // P5
                            {.button = 24, .kind = S::Product, .out = {43, 44, 45}, .quotientBox = 42},
                            // R5
                            {.button = 25, .kind = S::Difference, .out = {46, 47}, .reads = {37, 36, 41},
                             .quotientBox = 42},
                        });
        s.chain = ThreeRoundChain;
        append(s.chain, RoundFourChain);
        append(s.chain, {{36, 22}, {41, 23}, {42, 24}, {43, 25}});
        s.guards = twoDigitGuards();

        CheckDef &c = s.check;
        c.frame = checkFrame(480, 2880, 3495, 4455);
        c.completeBox = 46;
        c.quotientBoxes = {7, 11, 17, 32, 42};
        c.remainderBoxes = {47, 46};
        c.quotientDigits = {21, 22, 23, 38};
        c.divisorDigits = {24, 29};
        c.productDigits = {25, 26, 27, 39, 48};
        c.hideable = {38};
        setCheckLabels(c, {.caption1X = 240, .quotientCaptionX = 2520, .captionX = 2160, .valueX = 1320, .timesX = 2280, .productX = 2400, .productW = 855, .plusX = 2040, .remainderX = 1440, .remainderW = 495, .equalsX = 1080, .dividendW = 855});
        c.lines = {line(8, 240, 2880, 2160, 2880, 3)};

        s.newProblemPos = {2040, 2040};
        s.checkPos = {2040, 2400};
        s.menuButton = 17;
        s.menuPos = {2040, 1320};
        s.sizeFrame = sizesFrame(240, 120);
        s.sizePos[0] = {4440, 480, 1815, 375};
        s.sizePos[1] = {2400, 480, 1815, 375};
        s.sizePos[2] = {360, 480, 1815, 375};

        s.helpFrame = helpFrame(4560, 2760);
        s.helpLabels = helpLabels();

        s.initialFocus = QStringLiteral("Text30");
        s.tabOrder = {"Text30",    "Command5",  "Command3",  "Command2",  "Command1",  "Command17", "Text39",
                      "Text38",    "Text27",    "Text26",    "Text25",    "Text24",    "Text29",    "Command16",
                      "Command15", "Text3",     "Command21", "Command20", "Command19", "Command18", "Command14",
                      "Command13", "Command12", "Command11", "Command10", "Command9",  "Command8",  "Command7",
                      "Command6",  "Command4",  "Text6",     "Text5",     "Text4",     "Text1",     "Command22",
                      "Command23", "Command24", "Command25", "Text40",    "Text48"};
        s.clickFocusOnly = {21, 22, 23};
        return s;
    }();
    return s;
}

} // namespace corvane
