#pragma once
#include "answers.h"
#include "look.h"
#include "scoreboard.h"

#include "forms/timing.h"

#include <array>
#include <functional>
#include <memory>

namespace drills {

struct DrillSettings {
    AnswerMode mode = AnswerMode::Write;
    // The right or wrong sound after every answer.
    bool sound = true;
    // During the feedback the answer input is blocked, so each question is
    // answered once; otherwise every answer is judged and counted again and
    // the next question comes 2500 ms after the first.
    bool blockDuringFeedback = true;
};

// One question as the window shows it. Its numbers stay with the window that
// drew them: here they are texts.
struct Question {
    QString text;                  // Label2: the question, or in Judge mode the whole statement
    QString expected;              // the right answer, shown after a wrong one
    std::array<QString, 3> choices; // Choose: captions of Command1, Command2, Command3
    bool statementTrue = false;    // Judge: whether the statement shown is right
};

// The controls a drill window hands the question cycle, each by its design
// name. Every window hands the common ones and those of its answer mode.
struct DrillControls {
    forms::Label *question = nullptr; // Label2
    forms::Label *feedback = nullptr; // Label3
    ScoreLabels score;                // Label4, Label5, Label6, Label9
    forms::Label *back = nullptr;     // Label7, or Label11 in Judge mode: the way back
    // Write
    forms::TextBox *answerBox = nullptr; // Text1
    // Choose
    ChoiceButtons choices{}; // Command1, Command2, Command3
    // Judge
    forms::Label *instruction = nullptr; // Label1, which the cycle writes
    forms::Label *saidRight = nullptr;   // Label7 "صح"
    forms::Label *saidWrong = nullptr;   // Label8 "خطأ"
    forms::Label *truthFlag = nullptr;   // the hidden Label10: "t" or "f" for the statement shown
};

// A drill window that runs the question cycle: it draws a question and shows
// it, takes one answer, shows the feedback, counts, plays the sound, grades,
// and after Timer1's 2500 ms gives the input back and draws the next question.
// Esc ends the program whenever the window previews keys.
//
// The derived window creates its controls in its constructor and hands them
// over with setControls(); a control its mode needs and it did not hand ends
// the program at load, naming the control.
class QuestionWindow : public DrillWindow {
    Q_OBJECT
public:
    QuestionWindow(const QString &formName, const DrillSettings &settings);
    ~QuestionWindow() override;

    void onLoad() override;

    // Where the return label goes (the window is hidden after it).
    void setReturnAction(std::function<void()> action) { returnAction_ = std::move(action); }

    const ScoreBoard &scoreBoard() const { return *score_; }
    const Question &question() const { return question_; }
    bool inFeedback() const { return timer_->enabled(); }

protected:
    // The window's controls, once, from its constructor.
    void setControls(const DrillControls &controls) { controls_ = controls; }

    // Draws the next question; `first` for the run's first one (at load).
    virtual Question drawQuestion(bool first) = 0;

    // Whether a typed answer or a chosen caption is right: by default the
    // number read from it equals the number read from the expected text.
    virtual bool isRight(const QString &answer) const;

    // Write mode: judges what was typed (by default Text1 with isRight()).
    virtual bool typedAnswerRight() const;

    // Gives the input back after the feedback (Write mode: empties Text1).
    virtual void giveInputBack();

    // Shows feedback, counts, sound, grade, then the delay.
    void answer(bool right);

    const DrillSettings &settings() const { return settings_; }

private:
    class Input;
    class Typed;
    class Chosen;
    class Judged;

    void newQuestion(bool first);
    void nextQuestion();
    bool previewKey(int key);
    // Blocks the answer input during the feedback, where the settings say so.
    void blockInput();

    DrillSettings settings_;
    DrillControls controls_;
    forms::Timer *timer_;
    std::unique_ptr<ScoreBoard> score_;
    std::unique_ptr<Input> input_;
    Question question_;
    std::function<void()> returnAction_;
};

} // namespace drills
