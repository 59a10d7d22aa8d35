#include "modedrills.h"

#include "board.h"
#include "modemenu.h"

#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/random.h"

namespace halvery {

namespace {

using drills::bgr;
using drills::LabelDesign;

const QRgb White = bgr(0xFFFFFF);
const QRgb LightYellow = bgr(0x00C0FFFF);

drills::DrillSettings settingsFor(drills::AnswerMode mode)
{
    return {.mode = mode, .sound = true, .blockDuringFeedback = true};
}

void backToModeMenu(drills::QuestionWindow *w)
{
    w->setReturnAction([] { forms::show<Form5>(); });
}

} // namespace

Form2::Form2() : QuestionWindow(QStringLiteral("Form2"), settingsFor(drills::AnswerMode::Write))
{
    addBackdrop(this, 720, 8220);
    drills::DrillControls c;
    c.score = addPlaqueStrip(this, 3360);
    drills::addLabel(this, {"Label1", "اكتب ناتج ما يلي :", 36, LightYellow, 6600, 1560, 0, 0});
    c.question = drills::addLabel(this, {"Label2", "", 72, White, 3900, 2400, 0, 0});
    c.feedback = drills::addLabel(this, {"Label3", "", 27.75, 0, 5160, 6360, 0, 0, Qt::AlignHCenter, false});
    drills::addLabel(this, {"Label8", "اكتب الناتج تم اضغط على ادخال أو Enter", 20.25, 0, 3840, 7320, 0, 0});
    c.answerBox = drills::addAnswerBox(this, "Text1", 4253, 4470, 3495, forms::NumberEntry::Decimal);
    c.back = addReturnLabel(this);
    setControls(c);
    backToModeMenu(this);
    keepCaptionsOnBoard(this);
    c.answerBox->setFocus();
}

drills::Question Form2::drawQuestion(bool)
{
    const Division d = drawDivision(writeKinds()).division;
    return {questionText(d), numberText(d.quotient()), {}, false};
}

Form4::Form4() : QuestionWindow(QStringLiteral("Form4"), settingsFor(drills::AnswerMode::Choose))
{
    addBackdrop(this, 720, 8220);
    drills::DrillControls c;
    c.score = addPlaqueStrip(this, 3360);
    drills::addLabel(this, {"Label8", "اختر الاجابة الصحيحة مما يلي:", 27.75, White, 3105, 1440, 0, 0});
    c.question = drills::addLabel(this, {"Label2", "", 48, LightYellow, 4545, 2400, 0, 0});
    c.feedback = drills::addLabel(this, {"Label3", "", 27.75, White, 5190, 6600, 0, 0, Qt::AlignHCenter, false});
    c.choices = drills::addChoiceButtons(this, {7673, 4913, 2033});
    c.back = addReturnLabel(this);
    setControls(c);
    backToModeMenu(this);
    keepCaptionsOnBoard(this);
}

drills::Question Form4::drawQuestion(bool first)
{
    const auto [kind, d] = drawDivision(chooseKinds());
    const std::array<long long, 3> captions = decoyAnswers(kind, d.quotient(), first);
    return {questionText(d),
            numberText(d.quotient()),
            {numberText(captions[0]), numberText(captions[1]), numberText(captions[2])},
            false};
}

Form3::Form3() : QuestionWindow(QStringLiteral("Form3"), settingsFor(drills::AnswerMode::Judge))
{
    auto *picture = addBackdrop(this, 720, 8220);
    drills::DrillControls c;
    c.score = addPlaqueStrip(this, 3240);
    c.instruction = drills::addLabel(this, {"Label1", "", 26.25, LightYellow, 5280, 1440, 0, 0});
    c.question = drills::addLabel(this, {"Label2", "", 48, White, 4605, 2280, 0, 0});
    const QColor plain = forms::windowBackgroundColor();
    auto *shape2 = new forms::Shape(this, QStringLiteral("Shape2"), forms::Shape::Circle, Qt::black, plain);
    forms::placeTwips(shape2, 6000, 4200, 3495, 2655);
    auto *shape1 = new forms::Shape(this, QStringLiteral("Shape1"), forms::Shape::Circle, Qt::black, Qt::white);
    forms::placeTwips(shape1, 2400, 4200, 3495, 2655);
    c.saidRight = drills::addLabel(this, {"Label7", "صح", 72, 0, 6810, 4680, 0, 0});
    c.saidWrong = drills::addLabel(this, {"Label8", "خطأ", 72, 0, 3240, 4800, 0, 0});
    c.feedback = drills::addLabel(this, {"Label3", "", 27.75, White, 5190, 6960, 0, 0, Qt::AlignHCenter, false});
    c.truthFlag = drills::addLabel(this, {"Label10", "", 8.25, 0, 720, 6360, 0, 0, Qt::AlignHCenter, false});
    c.back = addReturnLabel(this, "Label11");
    setControls(c);
    backToModeMenu(this);
    keepCaptionsOnBoard(this);

    const QColor lit(bgr(0x00FFC0C0));
    connect(c.saidRight, &forms::Label::mouseMoved, this, [shape2, lit] { shape2->setFillColor(lit); });
    connect(c.saidWrong, &forms::Label::mouseMoved, this, [shape1, lit] { shape1->setFillColor(lit); });
    const auto reset = [shape1, shape2, plain] {
        shape1->setFillColor(plain);
        shape2->setFillColor(plain);
    };
    connect(picture, &forms::Picture::mouseMoved, this, reset);
    connect(this, &forms::Form::mouseMoved, this, reset);
}

drills::Question Form3::drawQuestion(bool)
{
    const Division d = drawDivision(judgeKinds()).division;
    const int variant = forms::randomBelow(3);
    return {questionText(d) + tenthsText(shownTenths(d.quotient(), variant)), numberText(d.quotient()), {},
            variant == 0};
}

} // namespace halvery
