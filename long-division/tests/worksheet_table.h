#pragma once
// The nine worksheets as the pupil reads them: which boxes make up each row
// of the grid and of the check, and which buttons the steps and the menu are.
// The tests of every worksheet read its layout from this one table.
#include <QList>
#include <QString>

namespace corvanetest {

struct Layout {
    QString name;
    QList<int> divisor;       // highest first
    QList<int> dividend;      // leading digit first
    QList<int> quotientRow;   // leading digit first
    QList<QList<int>> rounds; // each round's boxes as read left to right; the last box is the round's units
    QList<int> checkQuotient; // highest first
    QList<int> checkDivisor;  // highest first
    QList<int> checkProduct;  // highest first
    QList<int> stepButtons;   // in step order
    int menuButton;
    int sumRemainderLabel;    // the remainder in the check's sum row
    QString focus;            // the control that has the focus when the worksheet opens
    bool helpFrame;           // the hidden help frame of the two- and three-digit worksheets
    int continuedFrame;       // the continued-steps frame, 0 for none

    int divisorLength() const { return int(divisor.size()); }
    int steps() const { return int(stepButtons.size()); }
    // Divisor then dividend, left to right.
    QList<int> entries() const { return divisor + dividend; }
    // The quotient row and every round.
    QList<int> outputs() const;
    QList<int> checkBoxes() const { return checkQuotient + checkDivisor + checkProduct; }
    // The last round's units: the remainder, shown by the last step.
    int remainderUnits() const { return rounds.back().back(); }
};

// By divisor length, then dividend length.
const QList<Layout> &layouts();
const Layout &layout(const QString &name);

} // namespace corvanetest
