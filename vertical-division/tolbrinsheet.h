#pragma once
// The data of one vertical-division worksheet: every box, line, label and
// button, the steps, the quick solution and the check row by row, and the order
// in which a new problem empties and hides. The engine (VerticalDivisionForm)
// works either of the two; each worksheet is one such table.
#include <QColor>
#include <QString>
#include <QStringList>

#include <vector>

namespace tolbrin {

enum class BoxKind {
    Entry,  // typed by the pupil: one digit, DigitKeyFilter
    Output, // a digit of the written division: hidden and locked until shown
    Work,   // a whole intermediate number: never shown
    Value,  // a value of the check display: hidden, read-only
};

struct BoxDef {
    QString name;
    BoxKind kind;
    int left = 0, top = 0, width = 0, height = 0;
    bool startsEmpty = true; // else its design text is its own name
};

struct LineDef {
    QString name;
    int x1, y1, x2, y2;
    QColor color;
    int width;
    bool hidden = false;
};

struct LabelDef {
    QString name;
    QString caption;
    int left, top, width, height;
    QString font;
    double points;
    QColor color;
    Qt::Alignment align;
    bool hidden = true;
    // Where the caption's own room begins (twips from the window's left), for a
    // caption whose box reaches under the values of its row; 0: the whole box.
    int clearOf = 0;
};

enum class ButtonRole { Step, NewProblem, QuickSolution, SolutionCheck, About, Exit, Return };

struct ButtonDef {
    QString name;
    QString caption;
    ButtonRole role;
    QColor color;
    int left, top, width, height;
    bool visible;
};

// One write of a step or run, read as: target = formula(a, b, c).
enum class Op {
    Copy,          // the text of a, unchanged
    Quot,          // a \ b
    JoinQuot,      // (10 x a + b) \ c
    Prod,          // a x b
    Diff,          // a - b
    Join,          // 10 x a + b
    Tens,          // a \ 10
    Units,         // a - 10 x b
    PlaceValue,    // 10 x a + b, or 100 x a + 10 x b + c; the last one read leniently
    LenientProd,   // a x b, both read leniently
    LenientSum,    // a + b, both read leniently
};

struct Write {
    QString target;
    Op op;
    QString a, b = QString(), c = QString();
};

struct Step {
    QString button;
    QStringList shows;
    std::vector<Write> writes;
    QStringList thenShows;
    bool redirectTest = false;
};

struct RunRow {
    int pause; // seconds before the row; 0: none
    QStringList shows;
    std::vector<Write> writes;
};

struct Run {
    std::vector<RunRow> rows;
    QStringList showsAtEnd;
};

struct Clearing {
    enum Kind { Hide, Empty } kind;
    QStringList names;
};

struct Sheet {
    QString name;
    QColor background;
    int clientWidth, clientHeight; // the window's size when it is not spread over the screen

    std::vector<BoxDef> boxes; // entry boxes in tab order
    std::vector<LineDef> lines;
    std::vector<LabelDef> labels;
    std::vector<ButtonDef> buttons;

    // DivisorWatch: the divisor box and the buttons it offers.
    QString divisorBox;
    QStringList divisorButtons;
    // TwoDigitRedirect: the boxes step 1 tests, when it tests.
    QString unitsBox, leadingBox;

    std::vector<Step> steps;
    Run quickSolution;
    std::vector<RunRow> checkRows; // the first row has no pause
    QStringList checkShows;        // shown at once when the check starts
    std::vector<Clearing> newProblem;
};

const Sheet &threeDigitSheet();
const Sheet &twoDigitSheet();

// Names TextN ... for the numbers given, or for a range first..last.
QStringList names(const char *prefix, std::initializer_list<int> numbers);
QStringList range(const char *prefix, int first, int last);

} // namespace tolbrin
