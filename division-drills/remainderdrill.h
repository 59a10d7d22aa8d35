#pragma once
#include "drills/questionwindow.h"
#include "remainder.h"

namespace forms {
class TextBox;
}

namespace halvery {

// Quotient and remainder: the whole quotient into Text1, the remainder into
// Text2, then Enter from either box.
class Form6 : public drills::QuestionWindow {
    Q_OBJECT
public:
    Form6();

    const RemainderProblem &problem() const { return problem_; }

protected:
    drills::Question drawQuestion(bool first) override;
    bool typedAnswerRight() const override;
    void giveInputBack() override;

private:
    RemainderProblem problem_;
    forms::TextBox *quotientBox_;
    forms::TextBox *remainderBox_;
};

} // namespace halvery
