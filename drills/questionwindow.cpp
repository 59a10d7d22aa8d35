#include "questionwindow.h"

#include "feedbacksound.h"

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/numbers.h"

namespace drills {

namespace {
const QString JudgeInstruction = QStringLiteral("اختر صح او خطأ لتحصل على عبارة صحيحة مما يلي :");
}

// One answer mode's controls: wired at load, shown each question, blocked
// and given back around the feedback.
class QuestionWindow::Input {
public:
    explicit Input(QuestionWindow *w) : w_(w) {}
    virtual ~Input() = default;
    // The design name of the return label in this mode.
    virtual const char *backName() const { return "Label7"; }
    virtual void show(const Question &) {}
    virtual void setEnabled(bool) {}
    virtual void giveBack() { setEnabled(true); }
    // Enter answers in this mode.
    virtual bool takesEnter() const { return false; }

protected:
    QuestionWindow *w_;
    const DrillControls &controls() const { return w_->controls_; }
};

// Types into Text1 and presses Enter.
class QuestionWindow::Typed : public QuestionWindow::Input {
public:
    explicit Typed(QuestionWindow *w) : Input(w) { requireControl(controls().answerBox, QStringLiteral("Text1"), w); }
    // Blocked, the window previews no keys: Enter does not answer again.
    void setEnabled(bool on) override { w_->setKeyPreview(on); }
    void giveBack() override { controls().answerBox->clear(); }
    bool takesEnter() const override { return true; }
};

// Clicks one of Command1, Command2, Command3.
class QuestionWindow::Chosen : public QuestionWindow::Input {
public:
    explicit Chosen(QuestionWindow *w) : Input(w)
    {
        for (int i = 0; i < 3; ++i) {
            forms::CommandButton *b = controls().choices[size_t(i)];
            requireControl(b, QStringLiteral("Command%1").arg(i + 1), w);
            QObject::connect(b, &QPushButton::clicked, w, [w, i] {
                w->blockInput();
                w->answer(w->isRight(w->question_.choices[size_t(i)]));
            });
        }
    }
    void show(const Question &q) override
    {
        for (size_t i = 0; i < 3; ++i)
            controls().choices[i]->setText(q.choices[i]);
    }
    void setEnabled(bool on) override
    {
        for (forms::CommandButton *b : controls().choices)
            b->setEnabled(on);
    }
};

// Clicks Label7 "صح" or Label8 "خطأ" for the statement shown; the hidden
// Label10 holds "t" or "f" for it.
class QuestionWindow::Judged : public QuestionWindow::Input {
public:
    explicit Judged(QuestionWindow *w) : Input(w)
    {
        const DrillControls &c = controls();
        requireControl(c.instruction, QStringLiteral("Label1"), w);
        requireControl(c.saidRight, QStringLiteral("Label7"), w);
        requireControl(c.saidWrong, QStringLiteral("Label8"), w);
        requireControl(c.truthFlag, QStringLiteral("Label10"), w);
        QObject::connect(c.saidRight, &forms::Label::clicked, w, [this] { judge(true); });
        QObject::connect(c.saidWrong, &forms::Label::clicked, w, [this] { judge(false); });
    }
    const char *backName() const override { return "Label11"; }
    void show(const Question &q) override
    {
        controls().truthFlag->setCaption(q.statementTrue ? QStringLiteral("t") : QStringLiteral("f"));
        controls().instruction->setCaption(JudgeInstruction);
    }
    void setEnabled(bool on) override
    {
        controls().saidRight->setEnabled(on);
        controls().saidWrong->setEnabled(on);
    }

private:
    void judge(bool saidRight)
    {
        w_->blockInput();
        const QString truth = controls().truthFlag->caption();
        w_->answer(truth == (saidRight ? QLatin1String("t") : QLatin1String("f")));
    }
};

QuestionWindow::QuestionWindow(const QString &formName, const DrillSettings &settings)
    : DrillWindow(formName), settings_(settings), timer_(new forms::Timer(this, QStringLiteral("Timer1"), 2500, false))
{
    connect(timer_, &forms::Timer::tick, this, &QuestionWindow::nextQuestion);
    setKeyPreviewHandler([this](int key) { return previewKey(key); });
}

QuestionWindow::~QuestionWindow() = default;

void QuestionWindow::onLoad()
{
    requireControl(controls_.question, QStringLiteral("Label2"), this);
    score_ = std::make_unique<ScoreBoard>(this, controls_.feedback, controls_.score);
    switch (settings_.mode) {
    case AnswerMode::Write: input_ = std::make_unique<Typed>(this); break;
    case AnswerMode::Choose: input_ = std::make_unique<Chosen>(this); break;
    case AnswerMode::Judge: input_ = std::make_unique<Judged>(this); break;
    }
    requireControl(controls_.back, QLatin1String(input_->backName()), this);
    connect(controls_.back, &forms::Label::clicked, this, [this] {
        if (returnAction_)
            returnAction_();
        hide();
    });

    score_->hideFeedback();
    setKeyPreview(true);
    newQuestion(true);
}

bool QuestionWindow::previewKey(int key)
{
    if (key == KeyEscape) {
        forms::endProgram();
        return true;
    }
    if (key == KeyEnter && input_->takesEnter()) {
        blockInput();
        answer(typedAnswerRight());
        return true;
    }
    return false;
}

void QuestionWindow::newQuestion(bool first)
{
    question_ = drawQuestion(first);
    controls_.question->setCaption(question_.text);
    input_->show(question_);
    score_->countQuestion();
}

bool QuestionWindow::isRight(const QString &answer) const
{
    return forms::numberFromText(question_.expected) == forms::numberFromText(answer);
}

bool QuestionWindow::typedAnswerRight() const { return isRight(controls_.answerBox->text()); }

void QuestionWindow::giveInputBack() { input_->giveBack(); }

void QuestionWindow::blockInput()
{
    if (settings_.blockDuringFeedback)
        input_->setEnabled(false);
}

void QuestionWindow::answer(bool right)
{
    score_->countAnswer(right, question_.expected);
    if (settings_.sound) {
        playFeedbackSound(this, right);
        if (forms::programEnded())
            return;
    }
    score_->showGrade(score_->questions());
    timer_->setEnabled(true);
}

void QuestionWindow::nextQuestion()
{
    score_->hideFeedback();
    giveInputBack();
    setKeyPreview(true);
    newQuestion(false);
    timer_->setEnabled(false);
}

} // namespace drills
