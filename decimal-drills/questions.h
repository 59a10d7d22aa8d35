#pragma once
#include "drills/answers.h"
#include "forms/decimal.h"

#include <QString>

#include <array>

// The decimal multiplication questions, apart from the windows that ask them.
namespace mirrane {

using drills::AnswerMode;
using forms::Decimal;

// A question kind: x is drawn below rangeX and y below rangeY (y only decides
// a redraw), then x ÷ divisor is multiplied by multiplier.
struct Kind {
    int rangeX;
    int rangeY;
    int divisor;
    int multiplier;
};

int kindCount(AnswerMode mode);
// The write drill asks its kind 4 differently for the first question of a run.
Kind kind(AnswerMode mode, int k, bool firstQuestion);

struct Question {
    Decimal multiplicand;
    int multiplier = 0;
    Decimal product;
    QString text() const; // "0.035×100="
};
Question question(AnswerMode mode, int k, int x, bool firstQuestion);

// The choose drill's three captions, Command1 to Command3.
std::array<Decimal, 3> decoyAnswers(int k, Decimal product);

// The right-or-wrong drill's statement for variant c (0, 1 or 2).
struct Statement {
    Decimal shown;
    bool truth = false;
};
Statement statement(Decimal product, int c);

// Whether a typed text or a caption reads exactly as the product.
bool isRightAnswer(const QString &text, Decimal product);

} // namespace mirrane
