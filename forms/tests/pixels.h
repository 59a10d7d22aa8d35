#pragma once
#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <utility>

#include "forms/controls.h"

// Checks on what a window draws, made on its pixels as the pupil sees them.
namespace formstest {

// Whether a text drawn in a box of that size with those flags lies whole inside it.
bool drawnWhole(const QFont &font, const QSize &room, int flags, const QString &text);
// The same, drawn in a part of the box.
bool drawnWhole(const QFont &font, const QSize &room, int flags, const QString &text, const QRect &drawIn);
// Whether a label's caption, drawn in its font and layout, lies whole inside the label.
bool captionWhole(const forms::Label *label);

// Whether a window's icon is set and draws nothing: every pixel transparent.
// (With no icon at all the window system shows a default one.)
bool blankIcon(const QIcon &icon);

// A caption as drawn, measured on the pixels of the label against the same
// caption drawn on one line in the label's design font: the scale from the
// ink it covers, and how many lines tall its ink is.
struct DrawnCaption {
    double scale = 0;
    double lines = 0;
};
DrawnCaption measureCaption(const forms::Label *label);

// What is wrong with a caption as the pupil sees it: drawn below 80% of its
// design size, on more than one line where oneLine, cut, or outside its
// window. Empty when nothing is.
QString captionFault(const forms::Label *label, bool oneLine);

// What is wrong with a button as the pupil sees it: the ink of its caption,
// as its style draws it, not whole inside the button's face (over its
// border, or cut off), or an icon, which no design here gives a button.
// Empty when nothing is.
QStringList buttonFaults(const QAbstractButton *button);

// captionFault over every shown label of a window with a caption, and
// buttonFaults over every shown button; labels named in wrapping may take
// more than one line. Each shown frame's caption lies whole inside it, under
// none of its controls, and its top line crosses none of its controls, those
// inside it or lying on it. Returns the faults found.
QStringList captionFaults(QWidget *window, const QStringList &wrapping = {});

// The row of a frame's top line, in the frame's pixels, as the frame draws
// itself alone: the first row that differs from its top row across more
// than half its width; -1 for none.
int frameLineRow(const forms::Frame *frame);

// The first and last rows of a widget's drawing, from its top, that hold ink:
// drawn with its background on `paper`, a pixel darker than mid-grey; without
// a paper, any pixel it draws on a transparent image. -1, -1 for none.
std::pair<int, int> inkRows(QWidget *w, const QColor &paper = QColor());

} // namespace formstest
