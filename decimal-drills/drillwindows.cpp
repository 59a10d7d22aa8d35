#include "drillwindows.h"

#include "mirranemenu.h"

#include "drills/draw.h"
#include "forms/controls.h"
#include "forms/random.h"

namespace mirrane {

using drills::addLabel;
using drills::AnswerMode;
using drills::bgr;

namespace {

constexpr QRgb Cyan = bgr(0x00FFFF00);
constexpr QRgb LightCyan = bgr(0x00FFFFC0);
constexpr QRgb Pink = bgr(0x00C0C0FF);
constexpr QRgb LightOrange = bgr(0x0080C0FF);
// The return label is one line of its 18 pt caption high, its descenders included.
constexpr int ReturnHeight = 630;

// The score board from the Left of each of Label4, Label5, Label6, Label9.
drills::ScoreBoardDesign scoreBoardAt(int right, int wrong, int questions, int grade)
{
    return {{right, wrong, questions, grade}, 480, LightCyan, 450, 11880, Qt::AlignRight};
}

} // namespace

MultiplicationDrill::MultiplicationDrill(const QString &formName, AnswerMode mode)
    : QuestionWindow(formName, drills::DrillSettings{.mode = mode, .sound = false, .blockDuringFeedback = false})
{
    setReturnAction([] { forms::show<Form5>(); });
}

drills::Question MultiplicationDrill::drawQuestion(bool first)
{
    const AnswerMode mode = settings().mode;
    std::vector<drills::KindRanges> ranges;
    for (int k = 0; k < kindCount(mode); ++k) {
        const Kind kd = kind(mode, k, first);
        ranges.push_back({kd.rangeX, kd.rangeY});
    }
    const drills::KindDraw d = drills::drawKind(ranges);
    const Question q = mirrane::question(mode, d.kind, d.a, first);
    product_ = q.product;

    drills::Question shown;
    shown.text = q.text();
    shown.expected = q.product.text();
    if (mode == AnswerMode::Choose) {
        const auto captions = decoyAnswers(d.kind, q.product);
        for (size_t i = 0; i < captions.size(); ++i)
            shown.choices[i] = captions[i].text();
    } else if (mode == AnswerMode::Judge) {
        const Statement s = statement(q.product, forms::randomBelow(3));
        shown.text += s.shown.text();
        shown.statementTrue = s.truth;
    }
    return shown;
}

bool MultiplicationDrill::isRight(const QString &answer) const { return isRightAnswer(answer, product_); }

void MultiplicationDrill::addQuestionLabels(drills::DrillControls &c, int questionLeft, int questionTop,
                                            int feedbackLeft, int feedbackTop)
{
    c.question = addLabel(this, {"Label2", "", 72, Pink, questionLeft, questionTop, 4215, 1695});
    c.feedback = addLabel(this, {"Label3", "", 48, LightOrange, feedbackLeft, feedbackTop, 2805, 1125,
                                 Qt::AlignHCenter, false});
}

Form2::Form2() : MultiplicationDrill(QStringLiteral("Form2"), AnswerMode::Write)
{
    drills::DrillControls c;
    c.score = drills::addScoreBoard(this, scoreBoardAt(8640, 5160, 3120, 1320));
    addLabel(this, {"Label1", "", 36, Cyan, 4950, 1320, 2115, 855, Qt::AlignHCenter, false});
    addQuestionLabels(c, 3893, 2160, 4598, 6600);
    c.answerBox = drills::addAnswerBox(this, "Text1", 4253, 4470, 3495, forms::NumberEntry::Decimal);
    c.answerBox->setFocus(Qt::OtherFocusReason);
    c.back = addLabel(this, {"Label7", "الواجهة", 18, Pink, 720, 8280, 1500, ReturnHeight});
    setControls(c);
}

Form4::Form4() : MultiplicationDrill(QStringLiteral("Form4"), AnswerMode::Choose)
{
    drills::DrillControls c;
    c.score = drills::addScoreBoard(this, scoreBoardAt(8640, 4920, 3000, 1320));
    addLabel(this, {"Label1", "", 36, Cyan, 4920, 1320, 2115, 855, Qt::AlignHCenter, false});
    addQuestionLabels(c, 3900, 2160, 4598, 6600);
    c.choices = drills::addChoiceButtons(this, {8040, 4560, 1200});
    c.choices[0]->setFocus(Qt::OtherFocusReason);
    c.back = addLabel(this, {"Label7", "الواجهة", 18, Pink, 240, 8160, 1500, ReturnHeight});
    setControls(c);
}

Form3::Form3() : MultiplicationDrill(QStringLiteral("Form3"), AnswerMode::Judge)
{
    drills::DrillControls c;
    c.score = drills::addScoreBoard(this, scoreBoardAt(8640, 5160, 3120, 1440));
    c.instruction = addLabel(this, {"Label1", "", 26.25, Cyan, 5280, 1440, 1575, 615});
    addQuestionLabels(c, 3893, 2280, 4605, 6960);
    c.saidRight = addLabel(this, {"Label7", "صح", 72, LightOrange, 6810, 5040, 1935, 1695});
    c.saidWrong = addLabel(this, {"Label8", "خطأ", 72, LightOrange, 3255, 5040, 1875, 1695});
    c.truthFlag = addLabel(this, {"Label10", "", 8.25, Qt::black, 720, 6360, 495, 255, Qt::AlignHCenter, false});
    c.back = addLabel(this, {"Label11", "الواجهة", 18, Pink, 360, 8280, 1500, ReturnHeight});
    setControls(c);
}

} // namespace mirrane
