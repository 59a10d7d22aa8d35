#pragma once
#include "corvanesheet.h"

namespace corvane {

// The words the worksheet tables are written in.
using K = BoxKind;
using S = StepKind;
inline constexpr Qt::Alignment Right = Qt::AlignRight;
inline constexpr Qt::Alignment Centre = Qt::AlignCenter;
inline const QString Arial = QStringLiteral("Arial");
inline const QString SansSerif = QStringLiteral("MS Sans Serif");

const Sheet &form1Sheet();
const Sheet &form2Sheet();
const Sheet &form3Sheet();
const Sheet &form5Sheet();
const Sheet &form6Sheet();
const Sheet &form7Sheet();
const Sheet &form8Sheet();
const Sheet &form9Sheet();
const Sheet &form10Sheet();

// The window caption of every worksheet but Form8 and Form9.
QString worksheetCaption();
// The refusals of the divisor guards.
extern const QString DivisorOneDigitRefused; // "0" or "1" as a one-digit divisor
extern const QString LeadZeroRefused;        // "0" as the divisor's leading digit

// The steps, sizes and check frames every worksheet has, with their captions.
inline FrameDef stepsFrame(int x, int y, int h) { return {2, QStringLiteral("خطوات الحل :"), x, y, 1815, h}; }
inline FrameDef sizesFrame(int x, int y) { return {1, QStringLiteral("إختر القسمة المطلوبة"), x, y, 6135, 975}; }
inline FrameDef checkFrame(int x, int y, int w, int h) { return {3, QStringLiteral("التحقق من الحل"), x, y, w, h}; }

// The worksheets' lines, LineN, in the window's or the check frame's twips.
inline LineDef line(int number, int x1, int y1, int x2, int y2, int width, bool activeTitle = false)
{
    return {QStringLiteral("Line%1").arg(number), -1, x1, y1, x2, y2, width, {}, activeTitle};
}
inline LineDef line(int number, int x1, int y1, int x2, int y2, int width, const QColor &color)
{
    return {QStringLiteral("Line%1").arg(number), -1, x1, y1, x2, y2, width, color};
}
// Line `index` of the division bracket, the control array Line1.
inline LineDef bracket(int index, int x1, int y1, int x2, int y2, int width = 3)
{
    return {QStringLiteral("Line1"), index, x1, y1, x2, y2, width};
}

// Where the check frame's labels stand; their captions, fonts and colours are
// the same in every worksheet.
struct CheckLabelPlaces {
    int caption1X;        // Label1, the identity
    int quotientCaptionX; // Label2
    int captionX;         // Label3 and Label6
    int valueX;           // the quotient, divisor and remainder labels
    double valuePt = 15.75;
    int timesX;           // Label8
    int sumY = 3840;      // the sum row: product + remainder = dividend
    int productX, productW = 735; // the product label
    int plusX;                    // Label14
    int remainderX, remainderW = 375; // the check's sum-row remainder label
    int equalsX;                      // Label12
    int dividendX = 240, dividendW = 735; // the sum row's total
    bool sumOnWindowBack = false; // the remainder and dividend on the window-background colour
};
// Fills the check frame's labels, under the numbers the check's label fields give.
void setCheckLabels(CheckDef &check, const CheckLabelPlaces &p);

// The help frame of the two- and three-digit worksheets: hidden, and nothing
// ever fills its two caption-less labels.
inline FrameDef helpFrame(int x, int y) { return {4, QStringLiteral("مساعدة :"), x, y, 2535, 2895}; }
std::vector<LabelDef> helpLabels();

// The chain of steps 2 to 11, alike in the one- and two-digit worksheets.
extern const std::vector<ChainLink> ThreeRoundChain;

// Steps 1 to 6, alike in every worksheet: round 1, and round 2's quotient
// and product.
std::vector<StepDef> firstSteps();
// Steps 1 to 11 of the two- and three-digit worksheets: the zero round,
// round 2 and round 3, its partial dividend rebuilt since the round-2
// difference may have two digits. The round-3 difference is written over
// roundThreeDifference, units first.
std::vector<StepDef> rebuiltRounds(std::vector<int> roundThreeDifference);

// Adds the rows of a later round to a table.
template <class T> void append(std::vector<T> &table, const std::vector<T> &rows)
{
    table.insert(table.end(), rows.begin(), rows.end());
}

// Step buttons for steps first..last on consecutive buttons from `button`.
void addStepButtons(Sheet &s, int firstStep, int lastStep, int firstButton, bool continued = false);

} // namespace corvane
