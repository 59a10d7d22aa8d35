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

drills::DrillSettings settingsFor(drills::AnswerMode mode) { return {mode, true, true}; }

void backToModeMenu(drills::QuestionWindow *w)
{
    w->setReturnAction([] { forms::show<Form5>(); });
}

} // namespace

Form2::Form2() : QuestionWindow(QStringLiteral("Form2"), settingsFor(drills::AnswerMode::Write))
{
    addBackdrop(this, 720, 8220);
    addScoreBoard(this, 3360);
    for (const LabelDesign &d : {
             LabelDesign{"Label1", "اكتب ناتج ما يلي :", 36, LightYellow, 6600, 1560, 0, 0},
             LabelDesign{"Label2", "", 72, White, 3900, 2400, 0, 0},
             LabelDesign{"Label3", "", 27.75, 0, 5160, 6360, 0, 0, Qt::AlignHCenter, false},
             LabelDesign{"Label8", "اكتب الناتج تم اضغط على ادخال أو Enter", 20.25, 0, 3840, 7320, 0, 0},
         })
        drills::addLabel(this, d);
    auto *box = new forms::TextBox(this, QStringLiteral("Text1"));
    box->setFont(forms::designFont(QStringLiteral("Arabic Transparent"), 48, true));
    box->setTextColor(QColor(bgr(0x000000FF)));
    forms::placeTwips(box, 4253, 4470, 3495, 1245);
    addReturnLabel(this);
    backToModeMenu(this);
    keepCaptionsOnBoard(this);
    box->setFocus();
}

drills::Question Form2::drawQuestion(bool)
{
    const drills::KindDraw k = drills::drawKind(sixKinds());
    const Division d = writeDivision(k.kind, k.a);
    return {questionText(d), numberText(d.quotient()), {}, false};
}

Form4::Form4() : QuestionWindow(QStringLiteral("Form4"), settingsFor(drills::AnswerMode::Choose))
{
    addBackdrop(this, 720, 8220);
    addScoreBoard(this, 3360);
    for (const LabelDesign &d : {
             LabelDesign{"Label8", "اختر الاجابة الصحيحة مما يلي:", 27.75, White, 3105, 1440, 0, 0},
             LabelDesign{"Label2", "", 48, LightYellow, 4545, 2400, 0, 0},
             LabelDesign{"Label3", "", 27.75, White, 5190, 6600, 0, 0, Qt::AlignHCenter, false},
         })
        drills::addLabel(this, d);
    const int lefts[] = {7673, 4913, 2033};
    QWidget *previous = nullptr;
    for (int i = 0; i < 3; ++i) {
        auto *b = new forms::CommandButton(this, QStringLiteral("Command%1").arg(i + 1), QStringLiteral("Command1"));
        b->setBackColor(QColor(bgr(0x00C0E0FF)));
        b->setFont(forms::designFont(QStringLiteral("Arabic Transparent"), 26.25, true));
        forms::placeTwips(b, lefts[i], 4680, 2295, 1335);
        if (previous)
            setTabOrder(previous, b);
        previous = b;
    }
    addReturnLabel(this);
    backToModeMenu(this);
    keepCaptionsOnBoard(this);
}

drills::Question Form4::drawQuestion(bool first)
{
    const drills::KindDraw k = drills::drawKind(sixKinds());
    const Division d = chooseDivision(k.kind, k.a);
    const std::array<long long, 3> captions = decoyAnswers(k.kind, d.quotient(), first);
    return {questionText(d),
            numberText(d.quotient()),
            {numberText(captions[0]), numberText(captions[1]), numberText(captions[2])},
            false};
}

Form3::Form3() : QuestionWindow(QStringLiteral("Form3"), settingsFor(drills::AnswerMode::Judge))
{
    auto *picture = addBackdrop(this, 720, 8220);
    addScoreBoard(this, 3240);
    drills::addLabel(this, {"Label1", "", 26.25, LightYellow, 5280, 1440, 0, 0});
    drills::addLabel(this, {"Label2", "", 48, White, 4605, 2280, 0, 0});
    const QColor plain = forms::windowBackgroundColor();
    auto *shape2 = new forms::Shape(this, QStringLiteral("Shape2"), forms::Shape::Circle, Qt::black, plain);
    forms::placeTwips(shape2, 6000, 4200, 3495, 2655);
    auto *shape1 = new forms::Shape(this, QStringLiteral("Shape1"), forms::Shape::Circle, Qt::black, Qt::white);
    forms::placeTwips(shape1, 2400, 4200, 3495, 2655);
    auto *yes = drills::addLabel(this, {"Label7", "صح", 72, 0, 6810, 4680, 0, 0});
    auto *no = drills::addLabel(this, {"Label8", "خطأ", 72, 0, 3240, 4800, 0, 0});
    drills::addLabel(this, {"Label3", "", 27.75, White, 5190, 6960, 0, 0, Qt::AlignHCenter, false});
    drills::addLabel(this, {"Label10", "", 8.25, 0, 720, 6360, 0, 0, Qt::AlignHCenter, false});
    addReturnLabel(this, "Label11");
    backToModeMenu(this);
    keepCaptionsOnBoard(this);

    const QColor lit(bgr(0x00FFC0C0));
    connect(yes, &forms::Label::mouseMoved, this, [shape2, lit] { shape2->setFillColor(lit); });
    connect(no, &forms::Label::mouseMoved, this, [shape1, lit] { shape1->setFillColor(lit); });
    const auto reset = [shape1, shape2, plain] {
        shape1->setFillColor(plain);
        shape2->setFillColor(plain);
    };
    connect(picture, &forms::Picture::mouseMoved, this, reset);
    connect(this, &forms::Form::mouseMoved, this, reset);
}

drills::Question Form3::drawQuestion(bool)
{
    const drills::KindDraw k = drills::drawKind(eightKinds());
    const Division d = judgeDivision(k.kind, k.a);
    const int variant = forms::randomBelow(3);
    return {questionText(d) + tenthsText(shownTenths(d.quotient(), variant)), numberText(d.quotient()), {},
            variant == 0};
}

} // namespace halvery
