#pragma once
#include "sheet.h"

namespace corvane {

const Sheet &form1Sheet();
const Sheet &form2Sheet();
const Sheet &form3Sheet();
const Sheet &form5Sheet();
const Sheet &form6Sheet();
const Sheet &form7Sheet();
const Sheet &form8Sheet();
const Sheet &form9Sheet();
const Sheet &form10Sheet();

// Texts every worksheet shares.
QString worksheetCaption();
extern const QString DivisorOneDigitRefused; // "0" or "1" as a one-digit divisor
extern const QString LeadZeroRefused;        // "0" as the divisor's leading digit
extern const QString LeadingDividendZero;    // "0" as the dividend's leading digit

// The check frame's caption and the frames every worksheet has.
inline FrameDef stepsFrame(int x, int y, int h) { return {2, QStringLiteral("خطوات الحل :"), x, y, 1815, h}; }
inline FrameDef sizesFrame(int x, int y) { return {1, QStringLiteral("إختر القسمة المطلوبة"), x, y, 6135, 975}; }
inline FrameDef checkFrame(int x, int y, int w, int h) { return {3, QStringLiteral("التحقق من الحل"), x, y, w, h}; }

// The help frame of the two- and three-digit worksheets: hidden, and nothing
// ever fills its two caption-less labels.
inline FrameDef helpFrame(int x, int y) { return {4, QStringLiteral("مساعدة :"), x, y, 2535, 2895}; }
std::vector<LabelDef> helpLabels();

// Step buttons for steps first..last on consecutive buttons from `button`.
void addStepButtons(Sheet &s, int firstStep, int lastStep, int firstButton, bool continued = false);

} // namespace corvane
