#include "scoreboard.h"

#include "grade.h"

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
