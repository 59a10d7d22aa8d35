#include "sheets.h"

#include "corvanecredits.h"

namespace corvane {

const QString DivisorOneDigitRefused = QStringLiteral("الصفر أو الواحد غير مسموح به في خانة المقسوم عليه !!");
const QString LeadZeroRefused = QStringLiteral("الصفر غير مسموح به في هذه الخانة !!");
const QString LeadingDividendZero = QStringLiteral("الصفر غير مسموح به في آخر خانة من المقسوم !!");

QString worksheetCaption() { return QStringLiteral("القسمة المطولة - ") + creditLine(); }

const std::vector<ChainLink> ThreeRoundChain = {{7, 5},   {8, 6},   {9, 7},   {10, 8},  {11, 9},
                                                {12, 10}, {14, 11}, {16, 12}, {17, 13}, {18, 14}};

std::vector<StepDef> firstSteps()
{
    return {
        // q1 = d1 \ D
        {.button = 4, .kind = S::FirstQuotient, .out = {7}, .reads = {5}, .plain = true},
        // P1
        {.button = 5, .kind = S::Product, .out = {8}, .quotientBox = 7, .plain = true},
        // R1 = d1 - P1
        {.button = 6, .kind = S::Difference, .out = {9}, .reads = {5}, .productBox = 8, .plain = true},
        // d2
        {.button = 7, .kind = S::BringDown, .out = {10}, .reads = {4}},
        // q2
        {.button = 8, .kind = S::Quotient, .out = {11}, .reads = {9, 10}, .plain = true},
        // P2, tens hidden when short
        {.button = 9, .kind = S::Product, .out = {12, 13}, .quotientBox = 11, .hideShortTens = true,
         .blankTens = true},
    };
}

std::vector<StepDef> rebuiltRounds(std::vector<int> roundThreeDifference)
{
    std::vector<StepDef> steps = firstSteps();
    append(steps, {
        // R2
        {.button = 10, .kind = S::Difference, .out = {14, 15}, .reads = {9, 10}, .quotientBox = 11},
        // d3
        {.button = 11, .kind = S::BringDown, .out = {16}, .reads = {3}},
        // q3 from R2 worked afresh (two digits) or from R2's units box and d3
        {.button = 12, .kind = S::RebuiltQuotient, .out = {17}, .reads = {9, 10}, .quotientBox = 11,
         .previousUnits = 14, .down = 16},
        // P3
        {.button = 13, .kind = S::Product, .out = {18, 19, 28}, .quotientBox = 17},
        // R3
        {.button = 14, .kind = S::Difference, .out = std::move(roundThreeDifference), .reads = {15, 14, 16},
         .quotientBox = 17},
    });
    return steps;
}

void addStepButtons(Sheet &s, int firstStep, int lastStep, int firstButton, bool continued)
{
    for (int step = firstStep; step <= lastStep; ++step)
        s.stepButtons.push_back({firstButton + (step - firstStep), step, continued});
}

void setCheckLabels(CheckDef &check, const CheckLabelPlaces &p)
{
    const int y = p.sumY;
    check.labels = {
        {1, QStringLiteral("المقسوم = الناتج × المقسوم عليه+الباقي"), p.caption1X, 360, 3015, 495},
        {2, QStringLiteral("الناتج"), p.quotientCaptionX, 720, 615, 255, SansSerif, 9.75, {}, Right},
        {check.quotientLabel, {}, p.valueX, 720, 735, 255, Arial, p.valuePt, Blue, Centre, true},
        {3, QStringLiteral("المقسوم عليه"), p.captionX, 1080, 975, 255, SansSerif, 9.75, {}, Right},
        {check.divisorLabel, {}, p.valueX, 1080, 735, 255, Arial, p.valuePt, Black, Centre, true},
        {6, QStringLiteral("الباقي"), p.captionX, 1440, 975, 255, SansSerif, 8.25, {}, Right},
        {check.remainderLabel, {}, p.valueX, 1440, 735, 255, Arial, p.valuePt, Red, Centre, true},
        {8, QStringLiteral("×"), p.timesX, 2520, 375, 375, SansSerif, 13.5},
        {check.productLabel, {}, p.productX, y, p.productW, 375, Arial, 15.75, Black, Centre, true},
        {14, QStringLiteral("+"), p.plusX, y, 255, 255, SansSerif, 13.5},
        {check.sumRemainderLabel, {}, p.remainderX, y, p.remainderW, 375, Arial, 15.75, Red, Centre, p.sumOnWindowBack},
        {12, QStringLiteral("="), p.equalsX, y, 375, 255, SansSerif, 13.5},
        {check.dividendLabel, {}, p.dividendX, y, p.dividendW, 375, Arial, 15.75, Black, Centre, p.sumOnWindowBack},
    };
}

std::vector<LabelDef> helpLabels()
{
    const QString font = QStringLiteral("SC_OUHOD");
    return {
        {10, {}, 240, 360, 2055, 375, font, 20.25, {}, Right, true},
        {11, {}, 240, 960, 2055, 375, font, 20.25, {}, Right, true},
    };
}

std::span<const Worksheet> worksheets()
{
    static const Worksheet list[] = {
        {QStringLiteral("Form1"), form1Sheet}, {QStringLiteral("Form2"), form2Sheet},
        {QStringLiteral("Form3"), form3Sheet}, {QStringLiteral("Form5"), form5Sheet},
        {QStringLiteral("Form6"), form6Sheet}, {QStringLiteral("Form7"), form7Sheet},
        {QStringLiteral("Form8"), form8Sheet}, {QStringLiteral("Form9"), form9Sheet},
        {QStringLiteral("Form10"), form10Sheet},
    };
    return list;
}

} // namespace corvane
