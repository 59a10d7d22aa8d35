#include "scoreboard.h"

#include "grade.h"

#include "forms/geometry.h"

namespace drills {

ScoreBoard::ScoreBoard(QWidget *window) : window_(window) {}

forms::Label *ScoreBoard::find(const char *name) const
{
    return window_ ? window_->findChild<forms::Label *>(QLatin1String(name)) : nullptr;
}

void ScoreBoard::countQuestion()
{
    ++questions_;
    if (forms::Label *l = find("Label6"))
        l->setCaption(texts::QuestionCount + QString::number(questions_));
    keepQuestionsClear();
}

void ScoreBoard::keepQuestionsClear()
{
    forms::Label *questions = find("Label6");
    forms::Label *wrong = find("Label5");
    if (!questions || !wrong || !questions->autoSize() || !wrong->autoSize())
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
    if (forms::Label *l = find("Label3")) {
        l->setCaption(message);
        l->show();
    }
    if (right) {
        ++right_;
        if (forms::Label *l = find("Label4"))
            l->setCaption(texts::RightCount + QString::number(right_));
    } else {
        ++wrong_;
        if (forms::Label *l = find("Label5"))
            l->setCaption(texts::WrongCount + QString::number(wrong_));
        keepQuestionsClear();
    }
}

void ScoreBoard::showGrade(int total)
{
    if (forms::Label *l = find("Label9"))
        l->setCaption(gradeBand(right_, total));
}

void ScoreBoard::hideFeedback()
{
    if (forms::Label *l = find("Label3"))
        l->hide();
}

} // namespace drills
