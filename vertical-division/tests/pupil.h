#pragma once
// Drives a vertical-division worksheet as a pupil would and reads what it shows.
#include "forms/tests/driver.h"
#include "verticaldivision.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tolbrintest {

using tolbrin::VerticalDivisionForm;

inline const QString RedirectText = QStringLiteral("استخدم البرنامج الخاص بقسمة رقمين أفضل");

struct WorksheetDriver {
    VerticalDivisionForm *form = nullptr;

    forms::TextBox *box(const QString &name) const { return form->box(name); }
    forms::CommandButton *button(const QString &name) const { return form->button(name); }
    forms::Label *label(const QString &name) const { return form->label(name); }

    // Types the divisor, then the dividend's digits leading first, each into
    // its own box; a blank leaves that box empty.
    void typeProblem(const QString &divisor, const QString &dividend) const;
    // Clicks a button; false when it is not shown.
    bool press(const QString &name) const;
    // Clicks every step button in turn; false when one was not there.
    bool workAll() const;
    // The texts of boxes or labels as shown, one blank between each; a hidden one reads "-".
    QString row(const QString &names) const;
    // The names of the buttons shown, in table order.
    QStringList shownButtons() const;
};

// Every test case starts under manual time with the program's title, and
// ends with the shared test state put back: no window, no hook, real time.
void startProgramTests();
void startCase();
void endCase();

// Entry boxes of each worksheet, divisor first, then the dividend's digits leading first.
QStringList entryBoxes(VerticalDivisionForm *form);

// Opens a worksheet from the start menu, as the program does.
VerticalDivisionForm *openFromMenu(const QString &name);
// The worksheet of a name that is loaded now, or nullptr.
inline VerticalDivisionForm *loadedSheet(const QString &name)
{
    return formstest::loadedForm<VerticalDivisionForm>(name);
}

} // namespace tolbrintest
