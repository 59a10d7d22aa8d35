#pragma once
#include "tolbrinsheet.h"

#include "forms/controls.h"
#include "forms/window.h"

#include <QHash>

#include <optional>

namespace tolbrin {

// The vertical-division worksheet: the pupil types a problem digit by digit,
// numbered step buttons reveal the written division one operation at a time,
// a quick solution plays every step with pauses and a check shows
// quotient x divisor = product, product + remainder = dividend value by value.
// Everything specific to one worksheet comes from its Sheet.
// Actions the worksheet design names keep its spelling; the rest is lower camel case.
class VerticalDivisionForm : public forms::Form {
    Q_OBJECT
public:
    explicit VerticalDivisionForm(const Sheet &sheet);

    const Sheet &sheetDef() const { return sheet_; }
    forms::TextBox *box(const QString &name) const { return qobject_cast<forms::TextBox *>(controls_.value(name)); }
    forms::CommandButton *button(const QString &name) const
    {
        return qobject_cast<forms::CommandButton *>(controls_.value(name));
    }
    forms::Label *label(const QString &name) const { return qobject_cast<forms::Label *>(controls_.value(name)); }
    QWidget *control(const QString &name) const { return controls_.value(name); }

    // Waits whole seconds while the window stays live; false when the wait
    // ended early because the window was unloaded or the program ended.
    bool Delay(int seconds);

    void runStep(int index);
    void QuickSolution();
    void SolutionCheck();
    void NewProblem();
    void ReturnToMainMenu();

private:
    void build();
    void DivisorWatch();
    bool needsRedirect() const;
    void TwoDigitRedirect();
    // Works out a list of writes, each later one seeing the earlier ones, into
    // `scratch`; false when a box read strictly holds no whole number or a
    // divisor reads 0.
    bool compute(const std::vector<Write> &writes, QHash<QString, QString> &scratch,
                 std::vector<std::pair<QString, QString>> *out) const;
    std::optional<long long> strict(const QString &name, const QHash<QString, QString> &scratch) const;
    QString text(const QString &name, const QHash<QString, QString> &scratch) const;
    void setText(const QString &name, const QString &value);
    void setShown(const QStringList &names, bool on);
    // Shows the boxes and writes them; nothing when the writes cannot be worked.
    bool reveal(const QStringList &shows, const std::vector<Write> &writes);
    // Plays rows with their pauses; stops when the window goes, a new problem
    // is set, or a row cannot be worked.
    void play(const std::vector<RunRow> &rows, const QStringList &first, const QStringList &atEnd);

    const Sheet &sheet_;
    QHash<QString, QWidget *> controls_;
    int problem_ = 0; // counts NewProblem: a run started before one stops
};

// The three-digit worksheet.
class Form3 : public VerticalDivisionForm {
    Q_OBJECT
public:
    Form3() : VerticalDivisionForm(threeDigitSheet()) {}
};

// The two-digit worksheet.
class Form2 : public VerticalDivisionForm {
    Q_OBJECT
public:
    Form2() : VerticalDivisionForm(twoDigitSheet()) {}
};

} // namespace tolbrin
