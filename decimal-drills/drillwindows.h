#pragma once
#include "questions.h"

#include "drills/questionwindow.h"

namespace mirrane {

// A multiplication drill on the drill library's question cycle: no sound,
// nothing blocked during the feedback, answers read as exact decimals.
class MultiplicationDrill : public drills::QuestionWindow {
    Q_OBJECT
public:
    MultiplicationDrill(const QString &formName, drills::AnswerMode mode);

protected:
    drills::Question drawQuestion(bool first) override;
    bool isRight(const QString &answer) const override;

    // The question label Label2 and the feedback label Label3.
    void addQuestionLabels(drills::DrillControls &controls, int questionLeft, int questionTop, int feedbackLeft,
                           int feedbackTop);

private:
    Decimal product_;
};

// Type the product and press Enter.
class Form2 : public MultiplicationDrill {
    Q_OBJECT
public:
    Form2();
};

// Choose the product among three buttons.
class Form4 : public MultiplicationDrill {
    Q_OBJECT
public:
    Form4();
};

// Judge a product statement right or wrong.
class Form3 : public MultiplicationDrill {
    Q_OBJECT
public:
    Form3();
};

} // namespace mirrane
