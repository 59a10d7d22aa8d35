#pragma once
// The data that makes one long-division worksheet: every box, line, button,
// step, chain link and guard, and what the check reads and writes. The engine
// (StepTutorForm) works any of them; each worksheet is one such table.
#include <QColor>
#include <QString>

#include <span>
#include <vector>

namespace corvane {

inline const QColor Blue{0x00, 0x00, 0xFF};
inline const QColor Red{0xFF, 0x00, 0x00};
inline const QColor Black{0x00, 0x00, 0x00};

enum class BoxKind {
    Entry,  // typed by the pupil
    Output, // shown and written by a step, display-only
    Check,  // inside the check frame, read-only
};

struct BoxDef {
    int number; // TextN
    BoxKind kind;
    int x, y;
    int maxLength = 1; // 0: none
    QColor color = QColor();
    int width = 0; // 0: the sheet's box size (check boxes: 255 x 375)
};

struct LineDef {
    QString name;
    int index; // element of a control array, -1 for none
    int x1, y1, x2, y2;
    int width = 1;
    QColor color = QColor(); // invalid: window text; use activeTitle for the title-bar colour
    bool activeTitle = false;
};

struct LabelDef {
    int number; // LabelN
    QString caption;
    int x, y, w, h;
    QString font = QStringLiteral("MS Sans Serif");
    double pt = 9.75;
    QColor color = QColor();
    Qt::Alignment align = Qt::AlignCenter;
    bool windowBack = false; // drawn on the window-background colour
};

enum class StepKind {
    FirstQuotient, // entry tests, then q1 = d1 \ D
    Quotient,      // q = (partial dividend read from boxes) \ D
    RebuiltQuotient, // round 3 with a difference that may have two digits
    Product,       // p = (quotient box) x D, spread over its boxes
    Difference,    // r = (partial dividend) - product
    BringDown,     // copy a dividend digit into its brought-down box
};

struct StepDef {
    int button;                  // CommandN
    StepKind kind;
    std::vector<int> out;        // boxes written, units first
    std::vector<int> reads = {}; // partial dividend boxes, highest first; for BringDown the source box
    int quotientBox = 0;         // Product, Difference, RebuiltQuotient: the round's (previous round's) quotient box
    int productBox = 0;          // Difference: read the product from this box instead of working it out again
    bool plain = false;          // the first box gets the number's plain text (else its units digit)
    bool hideShortTens = false;  // Product: hide the tens box when the product has one digit
    bool blankTens = false;      // the two-character tens box takes a blank and the tens digit
    bool asTyped = false;        // BringDown: copy the text unchanged
    // RebuiltQuotient: reads = previous round's partial dividend boxes,
    // previousUnits = the previous difference's units box, down = this round's brought-down box.
    int previousUnits = 0;
    int down = 0;
};

struct ChainLink {
    int box;       // its change, while visible, shows
    int button;    // this step button
    int frame = 0; // and this frame (continued steps), when not 0
};

struct GuardDef {
    int box;
    bool startsChain; // any non-empty text shows the first step button
    QStringList refused;
    QString message;
};

// The refusal of "0" as the dividend's leading digit, by a guard of every
// worksheet and by step 1.
extern const QString LeadingDividendZero;

// Where a step button sits: in the steps frame (at its standard row), or in
// the continued-steps frame.
struct StepButtonDef {
    int button;
    int step; // 1-based
    bool continued = false;
};

struct FrameDef {
    int number;
    QString caption;
    int x, y, w, h;
};

struct CheckDef {
    FrameDef frame;
    int completeBox;                   // visible when the last step has run
    std::vector<int> quotientBoxes;    // the grid's quotient row, highest first
    std::vector<int> remainderBoxes;   // the last difference, highest first
    bool divisorAsTyped = false;       // divisor label shows the divisor box's text unchanged
    bool remainderAsTyped = false;     // remainder label shows the remainder box's text unchanged
    std::vector<int> quotientDigits;   // check boxes, units first
    std::vector<int> divisorDigits;    // units first
    std::vector<int> productDigits;    // units first
    std::vector<int> hideable;         // quotient check boxes hidden beyond the quotient's length
    // The labels the check fills.
    int quotientLabel = 4;
    int divisorLabel = 5;
    int remainderLabel = 7;
    int productLabel = 9;
    int sumRemainderLabel = 15; // the sum row's remainder
    int dividendLabel = 13;     // the sum row's total
    std::vector<LabelDef> labels;
    std::vector<LineDef> lines;
};

// A command button's place; its size defaults to a step button's.
struct ButtonPos {
    int x, y, w = 1335, h = 255;
};

struct Sheet {
    QString caption;
    int clientWidth, clientHeight; // stored client size
    int boxWidth = 375, boxHeight = 495;
    double boxPoints = 18;

    std::vector<BoxDef> boxes;
    std::vector<LineDef> lines;
    std::vector<int> divisorBoxes;  // highest first; as many as the divisor's digits
    std::vector<int> dividendBoxes; // leading digit first
    std::vector<int> entryTest;     // boxes step 1 tests for text, in order

    FrameDef stepFrame;
    std::vector<StepButtonDef> stepButtons;
    std::vector<StepDef> steps; // in order; steps[0] is started by the guard
    std::vector<ChainLink> chain;
    std::vector<GuardDef> guards;
    FrameDef continuedFrame{0, QString(), 0, 0, 0, 0};

    CheckDef check;

    int newProblemButton = 15;
    ButtonPos newProblemPos;
    int checkButton = 16;
    ButtonPos checkPos;
    int menuButton = 17;
    ButtonPos menuPos;
    FrameDef sizeFrame;
    ButtonPos sizePos[3]; // Command1, Command2, Command3
    bool sizeThreeUnloadsMenu = false;

    FrameDef helpFrame{0, QString(), 0, 0, 0, 0};
    std::vector<LabelDef> helpLabels;

    QString initialFocus;
    QStringList tabOrder; // control names; hidden ones are skipped
    std::vector<int> clickFocusOnly; // boxes the Tab key passes over (they still take a click)
};

// A worksheet: the name of its window and its table.
struct Worksheet {
    QString name;
    const Sheet &(*table)();
};

// The nine worksheets, by divisor length and then by dividend length, as the
// size buttons list them.
std::span<const Worksheet> worksheets();

} // namespace corvane
