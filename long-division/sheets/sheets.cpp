#include "sheets.h"

#include "credits.h"

namespace corvane {

const QString DivisorOneDigitRefused = QStringLiteral("الصفر أو الواحد غير مسموح به في خانة المقسوم عليه !!");
const QString LeadZeroRefused = QStringLiteral("الصفر غير مسموح به في هذه الخانة !!");
const QString LeadingDividendZero = QStringLiteral("الصفر غير مسموح به في آخر خانة من المقسوم !!");

QString worksheetCaption() { return QStringLiteral("القسمة المطولة - ") + creditLine(); }

const std::vector<ChainLink> ThreeRoundChain = {{7, 5},   {8, 6},   {9, 7},   {10, 8},  {11, 9},
                                                {12, 10}, {14, 11}, {16, 12}, {17, 13}, {18, 14}};

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
