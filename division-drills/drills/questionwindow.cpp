#include "questionwindow.h"

#include "feedbacksound.h"

#include "forms/app.h"
#include "forms/numbers.h"

namespace drills {

namespace {
const QString JudgeInstruction = QStringLiteral("اختر صح او خطأ لتحصل على عبارة صحيحة مما يلي :");
}

QuestionWindow::QuestionWindow(const QString &formName, const DrillSettings &settings)
    : DrillWindow(formName), settings_(settings), timer_(new forms::Timer(this, QStringLiteral("Timer1"), 2500, false))
{
    connect(timer_, &forms::Timer::tick, this, &QuestionWindow::nextQuestion);
    setKeyPreviewHandler([this](int key) { return previewKey(key); });
}

void QuestionWindow::onLoad()
{
    score_ = std::make_unique<ScoreBoard>(this);
    switch (settings_.mode) {
    case AnswerMode::Write:
        break;
    case AnswerMode::Choose:
        for (int i = 0; i < 3; ++i)
            if (auto *b = findChild<forms::CommandButton *>(QStringLiteral("Command%1").arg(i + 1)))
                connect(b, &QPushButton::clicked, this, [this, i] { chosen(i); });
        break;
    case AnswerMode::Judge:
        if (auto *l = findChild<forms::Label *>(QStringLiteral("Label7")))
            connect(l, &forms::Label::clicked, this, [this] { judged(true); });
        if (auto *l = findChild<forms::Label *>(QStringLiteral("Label8")))
            connect(l, &forms::Label::clicked, this, [this] { judged(false); });
        break;
    }
    const QString back = settings_.mode == AnswerMode::Judge ? QStringLiteral("Label11") : QStringLiteral("Label7");
    if (auto *l = findChild<forms::Label *>(back))
        connect(l, &forms::Label::clicked, this, [this] {
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
    if (key == KeyEnter && settings_.mode == AnswerMode::Write) {
        enterPressed();
        return true;
    }
    return false;
}

void QuestionWindow::newQuestion(bool first)
{
    question_ = drawQuestion(first);
    if (auto *l = findChild<forms::Label *>(QStringLiteral("Label2")))
        l->setCaption(question_.text);
    if (settings_.mode == AnswerMode::Choose) {
        for (int i = 0; i < 3; ++i)
            if (auto *b = findChild<forms::CommandButton *>(QStringLiteral("Command%1").arg(i + 1)))
                b->setText(question_.choices[size_t(i)]);
    } else if (settings_.mode == AnswerMode::Judge) {
        if (auto *flag = findChild<forms::Label *>(QStringLiteral("Label10")))
            flag->setCaption(question_.statementTrue ? QStringLiteral("t") : QStringLiteral("f"));
        if (auto *l = findChild<forms::Label *>(QStringLiteral("Label1")))
            l->setCaption(JudgeInstruction);
    }
    score_->countQuestion();
}

bool QuestionWindow::isRight(const QString &answer) const
{
    return forms::numberFromText(question_.expected) == forms::numberFromText(answer);
}

bool QuestionWindow::typedAnswerRight() const
{
    auto *box = findChild<forms::TextBox *>(QStringLiteral("Text1"));
    return isRight(box ? box->text() : QString());
}

void QuestionWindow::giveInputBack()
{
    switch (settings_.mode) {
    case AnswerMode::Write:
        if (auto *box = findChild<forms::TextBox *>(QStringLiteral("Text1")))
            box->clear();
        break;
    case AnswerMode::Choose:
    case AnswerMode::Judge:
        setAnswerInputEnabled(true);
        break;
    }
}

void QuestionWindow::setAnswerInputEnabled(bool on)
{
    if (settings_.mode == AnswerMode::Choose) {
        for (int i = 1; i <= 3; ++i)
            if (auto *b = findChild<forms::CommandButton *>(QStringLiteral("Command%1").arg(i)))
                b->setEnabled(on);
    } else if (settings_.mode == AnswerMode::Judge) {
        for (const char *name : {"Label7", "Label8"})
            if (auto *l = findChild<forms::Label *>(QLatin1String(name)))
                l->setEnabled(on);
    }
}

void QuestionWindow::enterPressed()
{
    if (settings_.blockDuringFeedback)
        setKeyPreview(false);
    answer(typedAnswerRight());
}

void QuestionWindow::chosen(int button)
{
    if (settings_.blockDuringFeedback)
        setAnswerInputEnabled(false);
    answer(isRight(question_.choices[size_t(button)]));
}

void QuestionWindow::judged(bool saidRight)
{
    if (settings_.blockDuringFeedback)
        setAnswerInputEnabled(false);
    auto *flag = findChild<forms::Label *>(QStringLiteral("Label10"));
    const QString truth = flag ? flag->caption() : QString();
    answer((saidRight && truth == QLatin1String("t")) || (!saidRight && truth == QLatin1String("f")));
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
