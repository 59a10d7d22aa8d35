#pragma once
#include "forms/controls.h"
#include "forms/window.h"
#include "corvanesheet.h"

#include <QHash>

namespace corvane {

// The long-division worksheet: the pupil types a problem into the grid and
// numbered step buttons work it one operation at a time. Everything specific
// to one worksheet comes from its Sheet.
// Actions the worksheet design names keep its spelling; the rest is lower camel case.
class StepTutorForm : public forms::Form {
    Q_OBJECT
public:
    explicit StepTutorForm(const Worksheet &worksheet);

    const Sheet &sheetDef() const { return sheet_; }
    forms::TextBox *box(int number) const { return boxes_.value(number); }
    forms::CommandButton *button(int number) const { return buttons_.value(number); }
    forms::Label *label(int number) const { return labels_.value(number); }
    forms::Frame *frame(int number) const { return frames_.value(number); }

    void runStep(int index);
    void SolutionCheck();
    void NewProblem();

private:
    void build(const QString &windowName);
    void boxChanged(int number);
    double divisor() const;
    double joined(const std::vector<int> &boxes) const;
    double read(int box) const;
    bool refuseZeroDivisor();
    bool problemComplete();
    void showError(const QString &text);
    void writeValue(const StepDef &step, double value);
    void SizeSwitch(int which);
    void ReturnToMainMenu();
    int divisorLength() const { return int(sheet_.divisorBoxes.size()); }

    const Sheet &sheet_;
    QHash<int, forms::TextBox *> boxes_;
    QHash<int, forms::CommandButton *> buttons_;
    QHash<int, forms::Label *> labels_;
    QHash<int, forms::Frame *> frames_;
};

// The caption of step k's button ("الأولى" ...).
QString stepCaption(int step);

} // namespace corvane
