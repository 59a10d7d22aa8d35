#pragma once
#include <QWidget>

namespace forms {
class Picture;
}

namespace halvery {

// Image1: the chalkboard picture stretched over the window from `top` down.
forms::Picture *addBackdrop(QWidget *window, int top, int height);

// Image2, the strip of plaques, with the score board labels on it:
// Label4 right answers, Label5 wrong answers, Label6 questions (at
// `questionsLeft`), Label9 the grade word.
void addScoreBoard(QWidget *window, int questionsLeft);

// Label7 (or `name`) "الواجهة", the way back to the menu.
void addReturnLabel(QWidget *window, const char *name = "Label7");

} // namespace halvery
