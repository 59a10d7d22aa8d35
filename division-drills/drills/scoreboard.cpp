#include "scoreboard.h"

#include "grade.h"
#include "look.h"

#include "forms/controls.h"
#include "forms/geometry.h"

namespace drills {

ScoreLabels addScoreBoard(QWidget *window, const ScoreBoardDesign &d)
{
    constexpr int Gap = 120; // twips between two fixed labels
    const Qt::Alignment right = Qt::AlignRight;
    const char *captions[] = {" عدد الاجابات الصحيحة : 0", "عدد الاجابات الخاطئة :  0", "عدد الاسئلة", "التقدير"};
    const char *names[] = {"Label4", "Label5", "Label6", "Label9"};
    std::array<forms::Label *, 4> labels{};
    int rightEnd = d.rightEnd;
    for (size_t i = 0; i < labels.size(); ++i) {
        const int width = d.height ? rightEnd - d.lefts[i] : 0;
        labels[i] = addLabel(window, {names[i], captions[i], 15.75, d.color, d.lefts[i], d.top, width, d.height,
                                      i == 3 ? d.gradeAlign : right});
        rightEnd = d.lefts[i] - Gap;
        if (d.height) {
            labels[i]->setWordWrap(false);
            if (i > 0)
                labels[i]->setContentsMargins(0, 0, 6, 0);
        }
    }
    return {labels[0], labels[1], labels[2], labels[3]};
}

ScoreBoard::ScoreBoard(const QWidget *window, forms::Label *feedback, const ScoreLabels &counts)
    : feedback_(feedback), counts_(counts)
{
    requireControl(feedback_, QStringLiteral("Label3"), window);
    requireControl(counts_.right, QStringLiteral("Label4"), window);
    requireControl(counts_.wrong, QStringLiteral("Label5"), window);
    requireControl(counts_.questions, QStringLiteral("Label6"), window);
    requireControl(counts_.grade, QStringLiteral("Label9"), window);
}

void ScoreBoard::countQuestion()
{
    ++questions_;
    counts_.questions->setCaption(texts::QuestionCount + QString::number(questions_));
    keepQuestionsClear();
}

void ScoreBoard::keepQuestionsClear()
{
    forms::Label *questions = counts_.questions;
    forms::Label *wrong = counts_.wrong;
    if (!questions->autoSize() || !wrong->autoSize())
        return;
    if (!questionsLeft_)
        questionsLeft_ = questions->designBox().left();
    // Grown from its own Left, the caption reaches the wrong answers' plaque
    // once its count has a digit or two: its right end then stays put, a
    // plaque's gap short of that caption, and the count grows to the left.
    const int rightEnd = wrong->x() - forms::twips(PlaqueGap);
    const int left = std::max(0, std::min(*questionsLeft_, rightEnd - questions->width()));
    if (left != questions->x())
        questions->move(left, questions->y());
}

void ScoreBoard::countAnswer(bool right, const QString &expectedText)
{
    countAnswerWithMessage(right, right ? texts::RightMessage : texts::WrongMessage + expectedText);
}

void ScoreBoard::countAnswerWithMessage(bool right, const QString &message)
{
    feedback_->setCaption(message);
    feedback_->show();
    if (right) {
        ++right_;
        counts_.right->setCaption(texts::RightCount + QString::number(right_));
    } else {
        ++wrong_;
        counts_.wrong->setCaption(texts::WrongCount + QString::number(wrong_));
        keepQuestionsClear();
    }
}

void ScoreBoard::showGrade(int total) { counts_.grade->setCaption(gradeBand(right_, total)); }

void ScoreBoard::hideFeedback() { feedback_->hide(); }

} // namespace drills
