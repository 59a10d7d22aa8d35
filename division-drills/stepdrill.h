#pragma once
#include "drills/look.h"
#include "drills/scoreboard.h"
#include "remainder.h"

#include <array>
#include <optional>

namespace forms {
class CommandButton;
class Frame;
class LineControl;
class MultiLineTextBox;
class TextBox;
class Timer;
} // namespace forms

namespace halvery {

// The division worked in three entered steps: the quotient, the product of
// quotient and divisor, the remainder. Each entry is judged at once; a wrong
// one repeats the step. "مسألة جديدة" asks for the next problem once the
// last step is right.
class Form8 : public drills::DrillWindow {
    Q_OBJECT
public:
    Form8();

    const RemainderProblem &problem() const { return problem_; }
    const drills::ScoreBoard &scoreBoard() const { return *score_; }

private:
    void Comq_Click();
    void Timer1_Timer();
    void enter_Click(int step);
    void Comhelp_Click();
    void Timerhidenatija_Timer();
    bool Form_KeyPress(int key);

    // The value step 1, 2 or 3 expects.
    double expected(int step) const;
    // The moves after a right entry of a step.
    void stepDone(int step);

    RemainderProblem problem_;
    std::optional<drills::ScoreBoard> score_;
    forms::Label *dividend_;
    forms::Label *divisor_;
    std::array<forms::TextBox *, 3> boxes_;
    std::array<forms::CommandButton *, 3> enters_;
    forms::Label *minus_;
    forms::LineControl *bar_;
    forms::CommandButton *newProblem_;
    forms::CommandButton *helpButton_;
    forms::Frame *help_;
    forms::MultiLineTextBox *helpText_;
    forms::Timer *drawTimer_;
    forms::Timer *hideTimer_;
};

} // namespace halvery
