#pragma once
// Answers a drill window's questions as a pupil would, right or wrong, in
// each answer mode.
#include "drills/questionwindow.h"

#include "forms/controls.h"
#include "forms/numbers.h"
#include "forms/tests/driver.h"

#include <QTest>

namespace drillanswers {

inline void clickLabel(QWidget *w, const char *name)
{
    auto *l = formstest::control<forms::Label>(w, QLatin1String(name));
    QTest::mouseClick(l, Qt::LeftButton, Qt::NoModifier, l->rect().center());
}

inline void typeAndEnter(QWidget *w, const char *name, const QString &text)
{
    auto *box = formstest::control<forms::TextBox>(w, QLatin1String(name));
    formstest::type(box, text);
    formstest::press(box, Qt::Key_Return);
}

// Gives the right answer, or a wrong one: a number that is not the expected
// one, the caption that is not it, or the judgement that is not the statement's.
inline void answer(drills::QuestionWindow *w, drills::AnswerMode mode, bool right)
{
    const QString expected = w->question().expected;
    switch (mode) {
    case drills::AnswerMode::Write:
        if (right)
            typeAndEnter(w, "Text1", expected);
        else
            typeAndEnter(w, "Text1", expected == QStringLiteral("1") ? QStringLiteral("2") : QStringLiteral("1"));
        break;
    case drills::AnswerMode::Choose:
        for (int i = 1; i <= 3; ++i) {
            auto *b = formstest::control<forms::CommandButton>(w, QStringLiteral("Command%1").arg(i));
            if ((forms::numberFromText(b->text()) == forms::numberFromText(expected)) == right) {
                formstest::click(b);
                break;
            }
        }
        break;
    case drills::AnswerMode::Judge:
        clickLabel(w, w->question().statementTrue == right ? "Label7" : "Label8");
        break;
    }
}

} // namespace drillanswers
