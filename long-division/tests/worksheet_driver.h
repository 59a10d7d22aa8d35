#pragma once
// Drives a long-division worksheet as a pupil would and reads what it shows.
#include "forms/tests/driver.h"
#include "steptutor.h"

#include <QString>
#include <QStringList>

namespace corvanetest {

using corvane::StepTutorForm;

struct Sheetside {
    StepTutorForm *form;

    forms::TextBox *box(int n) const { return form->box(n); }
    forms::CommandButton *button(int n) const { return form->button(n); }
    forms::Label *label(int n) const { return form->label(n); }

    // Types the dividend digits (leading first) and then the divisor digits.
    void typeProblem(const QString &dividend, const QString &divisor) const;
    // Clicks step k's button (1-based); fails if it is not shown.
    bool step(int k) const;
    // Works every step in order; false when a button was not there to press.
    bool workAll() const;
    // The texts of boxes, as shown: hidden boxes read as "-", blanks trimmed.
    QString row(std::initializer_list<int> boxes) const;
    int stepCount() const { return int(form->sheetDef().steps.size()); }
    int visibleStepButtons() const;
};

// The worksheet of a name that is loaded now, or nullptr.
StepTutorForm *loadedSheet(const QString &name);

} // namespace corvanetest
