#pragma once
// Drives a long-division worksheet as a pupil would and reads what it shows.
#include "forms/tests/driver.h"
#include "corvanesheet.h"
#include "worksheet_table.h"
#include "steptutor.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace corvanetest {

using corvane::StepTutorForm;

// What the worksheets say, word for word.
inline const QString Missing = QStringLiteral("بعض الأرقام لم يتم إدخالها !!");
inline const QString LeadZero = QStringLiteral("الصفر غير مسموح به في آخر خانة من المقسوم !!");
inline const QString DivisorRefused = QStringLiteral("الصفر أو الواحد غير مسموح به في خانة المقسوم عليه !!");
// A 0 in the leading box of a two- or three-digit divisor.
inline const QString ZeroRefused = QStringLiteral("الصفر غير مسموح به في هذه الخانة !!");
inline const QString NotDone = QStringLiteral("أكمل حل المسألة أولاً");
inline const QString ErrorTitle = QStringLiteral("خطأ");
inline const QString NoticeTitle = QStringLiteral("تنبيه");

struct WorksheetDriver {
    StepTutorForm *form;

    forms::TextBox *box(int n) const { return form->box(n); }
    forms::CommandButton *button(int n) const { return form->button(n); }
    forms::Label *label(int n) const { return form->label(n); }

    // Types the dividend digits (leading first) and then the divisor digits.
    void typeProblem(const QString &dividend, const QString &divisor) const;
    // Clicks step k's button (1-based); fails if it is not shown.
    bool step(int k) const;
    // Works steps first to last in order; false when a button was not there to press.
    bool workSteps(int first, int last) const;
    // Works every step in order.
    bool workAll() const { return workSteps(1, stepCount()); }
    // The texts of boxes, as shown: hidden boxes read as "-", blanks trimmed.
    QString row(std::initializer_list<int> boxes) const { return row(QList<int>(boxes)); }
    QString row(const QList<int> &boxes) const;
    // The texts of labels as they stand, one blank between each.
    QString labels(std::initializer_list<int> list) const;
    int stepCount() const { return int(form->sheetDef().steps.size()); }
    int visibleStepButtons() const;
    // Every box's visibility and text and every button's visibility, sorted by name.
    QStringList snapshot() const;
};

// Loads the worksheet of a name as the program does, without showing it.
StepTutorForm *loadSheet(const QString &name);
// Shows the worksheet of a name as the program does and makes it the active window.
StepTutorForm *openSheet(const QString &name);
// The worksheet of a name that is loaded now, or nullptr.
inline StepTutorForm *loadedSheet(const QString &name) { return formstest::loadedForm<StepTutorForm>(name); }

// Types into an entry box and checks what its guard does: with no message the
// text stays; with one, a single error box says it and the box is emptied.
// Either way the first step's button is shown or not as expected.
void typeIntoGuardedBox(const WorksheetDriver &w, const formstest::MessageCatcher &catcher, int box, const QString &typed,
                        const QString &message, bool firstStepShown);

// Clears a box with the keyboard and types text into it.
void retype(QWidget *box, const QString &text);
// Box numbers written as "7 11 17".
QList<int> numbers(const QString &list);
// The "form" column of a data-driven test: a worksheet's name.
void addFormColumn();

} // namespace corvanetest
