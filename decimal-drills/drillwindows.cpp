#include "drillwindows.h"

#include "menu.h"

#include "drills/draw.h"
#include "forms/fonts.h"
#include "forms/random.h"

namespace mirrane {

using drills::addLabel;
using drills::bgr;

namespace {

constexpr QRgb Cyan = bgr(0x00FFFF00);
constexpr QRgb LightCyan = bgr(0x00FFFFC0);
constexpr QRgb Pink = bgr(0x00C0C0FF);
constexpr QRgb LightOrange = bgr(0x0080C0FF);
// The return label is one line of its 18 pt caption high, its descenders included.
constexpr int ReturnHeight = 630;

drills::AnswerMode modeOf(Drill drill)
{
    switch (drill) {
    case Drill::Write: return drills::AnswerMode::Write;
    case Drill::Choose: return drills::AnswerMode::Choose;
    case Drill::RightWrong: break;
    }
    return drills::AnswerMode::Judge;
}

} // namespace

MultiplicationDrill::MultiplicationDrill(const QString &formName, Drill drill)
    : QuestionWindow(formName, drills::DrillSettings{modeOf(drill), false, false}), drill_(drill)
{
    setReturnAction([] { forms::show<Form5>(); });
}

drills::Question MultiplicationDrill::drawQuestion(bool first)
{
    std::vector<drills::KindRanges> ranges;
    for (int k = 0; k < kindCount(drill_); ++k) {
        const Kind kd = kind(drill_, k, first);
        ranges.push_back({kd.rangeX, kd.rangeY});
    }
    const drills::KindDraw d = drills::drawKind(ranges);
    const Question q = mirrane::question(drill_, d.kind, d.a, first);
    product_ = q.product;

    drills::Question shown;
    shown.text = q.text();
    shown.expected = q.product.text();
    if (drill_ == Drill::Choose) {
        const auto captions = decoyAnswers(d.kind, q.product);
        for (size_t i = 0; i < captions.size(); ++i)
            shown.choices[i] = captions[i].text();
    } else if (drill_ == Drill::RightWrong) {
        const Statement s = statement(q.product, forms::randomBelow(3));
        shown.text += s.shown.text();
        shown.statementTrue = s.truth;
    }
    return shown;
}

bool MultiplicationDrill::isRight(const QString &answer) const { return isRightAnswer(answer, product_); }

void MultiplicationDrill::addScoreBoard(int right, int wrong, int questions, int grade)
{
    const int top = 480, height = 450;
    // Each count stays on one line, as the design's one-line height draws it,
    // and a few pixels short of the caption on its right.
    for (forms::Label *l :
         {addLabel(this, {"Label4", " عدد الاجابات الصحيحة : 0", 15.75, LightCyan, right, top, 11880 - right, height,
                          Qt::AlignRight}),
          addLabel(this, {"Label5", "عدد الاجابات الخاطئة :  0", 15.75, LightCyan, wrong, top, right - 120 - wrong,
                          height, Qt::AlignRight}),
          addLabel(this, {"Label6", "عدد الاسئلة", 15.75, LightCyan, questions, top, wrong - 120 - questions, height,
                          Qt::AlignRight}),
          addLabel(this, {"Label9", "التقدير", 15.75, LightCyan, grade, top, questions - 120 - grade, height,
                          Qt::AlignRight})})
    {
        l->setWordWrap(false);
        if (l->objectName() != QLatin1String("Label4"))
            l->setContentsMargins(0, 0, 6, 0);
    }
}

void MultiplicationDrill::addQuestionLabels(int questionLeft, int questionTop, int feedbackLeft, int feedbackTop)
{
    addLabel(this, {"Label2", "", 72, Pink, questionLeft, questionTop, 4215, 1695});
    addLabel(this, {"Label3", "", 48, LightOrange, feedbackLeft, feedbackTop, 2805, 1125, Qt::AlignHCenter, false});
}

Form2::Form2() : MultiplicationDrill(QStringLiteral("Form2"), Drill::Write)
{
    addScoreBoard(8640, 5160, 3120, 1320);
    addLabel(this, {"Label1", "", 36, Cyan, 4950, 1320, 2115, 855, Qt::AlignHCenter, false});
    addQuestionLabels(3893, 2160, 4598, 6600);

    auto *box = new forms::TextBox(this, QStringLiteral("Text1"));
    box->setFont(forms::designFont(QStringLiteral("Arabic Transparent"), 48, true));
    box->setTextColor(QColor(bgr(0x000000FF)));
    forms::placeTwips(box, 4253, 4470, 3495, 1245);
    box->setFocus(Qt::OtherFocusReason);

    addLabel(this, {"Label7", "الواجهة", 18, Pink, 720, 8280, 1500, ReturnHeight});
}

Form4::Form4() : MultiplicationDrill(QStringLiteral("Form4"), Drill::Choose)
{
    addScoreBoard(8640, 4920, 3000, 1320);
    addLabel(this, {"Label1", "", 36, Cyan, 4920, 1320, 2115, 855, Qt::AlignHCenter, false});
    addQuestionLabels(3900, 2160, 4598, 6600);

    QWidget *previous = nullptr;
    const int lefts[] = {8040, 4560, 1200};
    for (int i = 0; i < 3; ++i) {
        auto *b = new forms::CommandButton(this, QStringLiteral("Command%1").arg(i + 1), QStringLiteral("Command1"));
        b->setFont(forms::designFont(QStringLiteral("Arabic Transparent"), 26.25, true));
        b->setBackColor(QColor(bgr(0x00C0E0FF)));
        forms::placeTwips(b, lefts[i], 4680, 2295, 1335);
        if (previous)
            setTabOrder(previous, b);
        else
            b->setFocus(Qt::OtherFocusReason);
        previous = b;
    }

    addLabel(this, {"Label7", "الواجهة", 18, Pink, 240, 8160, 1500, ReturnHeight});
}

Form3::Form3() : MultiplicationDrill(QStringLiteral("Form3"), Drill::RightWrong)
{
    addScoreBoard(8640, 5160, 3120, 1440);
    addLabel(this, {"Label1", "", 26.25, Cyan, 5280, 1440, 1575, 615});
    addQuestionLabels(3893, 2280, 4605, 6960);
    addLabel(this, {"Label7", "صح", 72, LightOrange, 6810, 5040, 1935, 1695});
    addLabel(this, {"Label8", "خطأ", 72, LightOrange, 3255, 5040, 1875, 1695});
    addLabel(this, {"Label10", "", 8.25, Qt::black, 720, 6360, 495, 255, Qt::AlignHCenter, false});
    addLabel(this, {"Label11", "الواجهة", 18, Pink, 360, 8280, 1500, ReturnHeight});
}

} // namespace mirrane
