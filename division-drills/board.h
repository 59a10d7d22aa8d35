#pragma once
#include "drills/scoreboard.h"

#include <QRect>
#include <QWidget>

namespace forms {
class Form;
class Label;
class Picture;
} // namespace forms

namespace halvery {

// Image1: the chalkboard picture stretched over the window from `top` down.
forms::Picture *addBackdrop(QWidget *window, int top, int height);

// The green of the chalkboard picture, inside its frame and above its ledge,
// in the window's pixels.
QRect writingArea(const forms::Picture *board);

// Every label whose design place lies on the chalkboard's writing area keeps
// its caption between the board's frame sides, a little short of them: it
// moves in there, not at the window's edge.
void keepCaptionsOnBoard(QWidget *window);

// Image2, the strip of plaques, with the score board's count labels on it,
// Label6 at `questionsLeft`.
drills::ScoreLabels addPlaqueStrip(QWidget *window, int questionsLeft);

// Label7 (or `name`) "الواجهة", the way back to the menu, at its design place.
forms::Label *addReturnLabel(QWidget *window, const char *name = "Label7", int left = 1920, int top = 8040);

// The return label of a window outside the question cycle: a click shows the
// suite menu and hides the window, which keeps its state.
void returnToSuiteMenu(forms::Form *window, forms::Label *back);

} // namespace halvery
