#include "remainderdrill.h"

#include "board.h"
#include "divisions.h"
#include "suitemenu.h"

#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/numbers.h"

namespace halvery {

namespace {

using drills::bgr;
using drills::LabelDesign;

forms::TextBox *addAnswerBox(QWidget *window, const char *name, int left, int top)
{
    auto *box = new forms::TextBox(window, QLatin1String(name));
    box->setFont(forms::designFont(QStringLiteral("Arabic Transparent"), 48, true));
    box->setTextColor(QColor(bgr(0x000000FF)));
    forms::placeTwips(box, left, top, 2775, 1245);
    return box;
}

bool sameNumber(int expected, const QString &typed)
{
    return forms::numberFromText(forms::numberText(expected)) == forms::numberFromText(typed);
}

} // namespace

Form6::Form6() : QuestionWindow(QStringLiteral("Form6"), {drills::AnswerMode::Write, true, true})
{
    addBackdrop(this, 720, 8220);
    addScoreBoard(this, 3360);
    for (const LabelDesign &d : {
             LabelDesign{"Label1", "اكتب ناتج ما يلي :", 36, bgr(0x00C0FFFF), 6600, 1560, 0, 0},
             LabelDesign{"Label2", "", 72, bgr(0xFFFFFF), 3900, 2400, 0, 0},
             LabelDesign{"Label10", "و الباقي", 36, bgr(0xFFFFFF), 5093, 4800, 0, 0},
             LabelDesign{"Label3", "", 27.75, 0, 5160, 6360, 0, 0, Qt::AlignHCenter, false},
             LabelDesign{"Label8", "اكتب الناتج تم اضغط على ادخال أو Enter", 20.25, 0, 3840, 7320, 0, 0},
         })
        drills::addLabel(this, d);
    // The quotient box comes first in the tab order and has the focus.
    quotientBox_ = addAnswerBox(this, "Text1", 7253, 4680);
    remainderBox_ = addAnswerBox(this, "Text2", 1973, 4560);
    setTabOrder(quotientBox_, remainderBox_);
    addReturnLabel(this);
    setReturnAction([] { forms::show<Form7>(); });
    keepCaptionsOnBoard(this);
    quotientBox_->setFocus();
}

drills::Question Form6::drawQuestion(bool)
{
    problem_ = drawRemainderProblem(11, 10);
    drills::Question q;
    q.text = questionText(Division{problem_.dividend, problem_.divisor});
    q.expected = forms::numberText(problem_.quotient) + QStringLiteral(" و الباقي ")
        + forms::numberText(problem_.remainder);
    return q;
}

bool Form6::typedAnswerRight() const
{
    return sameNumber(problem_.quotient, quotientBox_->text()) && sameNumber(problem_.remainder, remainderBox_->text());
}

void Form6::giveInputBack()
{
    quotientBox_->clear();
    remainderBox_->clear();
}

} // namespace halvery
