#include "sheets.h"

#include "credits.h"

namespace corvane {

const QString DivisorOneDigitRefused = QStringLiteral("الصفر أو الواحد غير مسموح به في خانة المقسوم عليه !!");
const QString LeadZeroRefused = QStringLiteral("الصفر غير مسموح به في هذه الخانة !!");
const QString LeadingDividendZero = QStringLiteral("الصفر غير مسموح به في آخر خانة من المقسوم !!");

QString worksheetCaption() { return QStringLiteral("القسمة المطولة - ") + creditLine(); }

void addStepButtons(Sheet &s, int firstStep, int lastStep, int firstButton, bool continued)
{
    for (int step = firstStep; step <= lastStep; ++step)
        s.stepButtons.push_back({firstButton + (step - firstStep), step, continued});
}

std::vector<LabelDef> helpLabels()
{
    const QString font = QStringLiteral("SC_OUHOD");
    return {
        {10, {}, 240, 360, 2055, 375, font, 20.25, {}, Qt::AlignRight, true},
        {11, {}, 240, 960, 2055, 375, font, 20.25, {}, Qt::AlignRight, true},
    };
}

const Sheet &sheet(SheetId id)
{
    switch (id) {
    case SheetId::Form1: return form1Sheet();
    case SheetId::Form2: return form2Sheet();
    case SheetId::Form3: return form3Sheet();
    case SheetId::Form5: return form5Sheet();
    case SheetId::Form6: return form6Sheet();
    case SheetId::Form7: return form7Sheet();
    case SheetId::Form8: return form8Sheet();
    case SheetId::Form9: return form9Sheet();
    case SheetId::Form10: return form10Sheet();
    }
    return form1Sheet();
}

} // namespace corvane
