#pragma once
#include "drills/questionwindow.h"
#include "divisions.h"

namespace halvery {

// Write the result: type the quotient and press Enter.
class Form2 : public drills::QuestionWindow {
    Q_OBJECT
public:
    Form2();

protected:
    drills::Question drawQuestion(bool first) override;
};

// Choose the result among three buttons.
class Form4 : public drills::QuestionWindow {
    Q_OBJECT
public:
    Form4();

protected:
    drills::Question drawQuestion(bool first) override;
};

// Right or wrong: judge a statement; its circles light under the pointer.
class Form3 : public drills::QuestionWindow {
    Q_OBJECT
public:
    Form3();

protected:
    drills::Question drawQuestion(bool first) override;
};

} // namespace halvery
