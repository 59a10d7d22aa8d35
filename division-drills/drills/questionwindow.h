#pragma once
#include "look.h"
#include "scoreboard.h"

#include "forms/timing.h"

#include <array>
#include <functional>
#include <memory>

namespace drills {

// How the pupil answers.
enum class AnswerMode {
    Write,  // types into Text1 and presses Enter
    Choose, // clicks one of Command1, Command2, Command3
    Judge,  // clicks Label7 "صح" or Label8 "خطأ" for the statement shown
};

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

// A drill window that runs the question cycle: it draws a question and shows
// it, takes one answer, shows the feedback, counts, plays the sound, grades,
// and after Timer1's 2500 ms gives the input back and draws the next question.
// Esc ends the program whenever the window previews keys.
//
// The derived window creates its controls with their design names in its
// constructor; the cycle finds them by name when the window loads:
// Label2 question, Label3 feedback, Label4, Label5, Label6, Label9 score board,
// Timer1 (made here), and by mode Text1 / Command1-3 / Label7, Label8 and the
// hidden TruthFlag Label10 with the instruction Label1. The return label is
// Label7 (Label11 in Judge mode).
class QuestionWindow : public DrillWindow {
    Q_OBJECT
public:
    QuestionWindow(const QString &formName, const DrillSettings &settings);

    void onLoad() override;

    // Where the return label goes (the window is hidden after it).
    void setReturnAction(std::function<void()> action) { returnAction_ = std::move(action); }

    const ScoreBoard &scoreBoard() const { return *score_; }
    const Question &question() const { return question_; }
    bool inFeedback() const { return timer_->enabled(); }

protected:
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

    forms::Timer *timer() const { return timer_; }
    const DrillSettings &settings() const { return settings_; }

private:
    void newQuestion(bool first);
    void nextQuestion();
    void enterPressed();
    void chosen(int button);
    void judged(bool saidRight);
    void setAnswerInputEnabled(bool on);
    bool previewKey(int key);

    DrillSettings settings_;
    forms::Timer *timer_;
    std::unique_ptr<ScoreBoard> score_;
    Question question_;
    std::function<void()> returnAction_;
};

} // namespace drills
