#include "remainderdrill.h"

#include "board.h"
#include "divisions.h"
#include "suitemenu.h"

#include "forms/controls.h"
#include "forms/numbers.h"

namespace halvery {

namespace {

using drills::bgr;

bool sameNumber(int expected, const QString &typed)
{
    return forms::numberFromText(typed) == expected;
}

} // namespace

Form6::Form6()
    : QuestionWindow(QStringLiteral("Form6"),
                     {.mode = drills::AnswerMode::Write, .sound = true, .blockDuringFeedback = true})
{
    addBackdrop(this, 720, 8220);
    drills::DrillControls c;
    c.score = addPlaqueStrip(this, 3360);
    drills::addLabel(this, {"Label1", "اكتب ناتج ما يلي :", 36, bgr(0x00C0FFFF), 6600, 1560, 0, 0});
    c.question = drills::addLabel(this, {"Label2", "", 72, bgr(0xFFFFFF), 3900, 2400, 0, 0});
    drills::addLabel(this, {"Label10", "و الباقي", 36, bgr(0xFFFFFF), 5093, 4800, 0, 0});
    c.feedback = drills::addLabel(this, {"Label3", "", 27.75, 0, 5160, 6360, 0, 0, Qt::AlignHCenter, false});
    drills::addLabel(this, {"Label8", "اكتب الناتج تم اضغط على ادخال أو Enter", 20.25, 0, 3840, 7320, 0, 0});
    // The quotient box comes first in the tab order and has the focus.
    quotientBox_ = drills::addAnswerBox(this, "Text1", 7253, 4680, 2775, forms::NumberEntry::Decimal);
    remainderBox_ = drills::addAnswerBox(this, "Text2", 1973, 4560, 2775, forms::NumberEntry::Decimal);
    setTabOrder(quotientBox_, remainderBox_);
    c.answerBox = quotientBox_;
    c.back = addReturnLabel(this);
    setControls(c);
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
