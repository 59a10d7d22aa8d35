#include "worksheet_driver.h"

#include "forms/window.h"

namespace corvanetest {

void Sheetside::typeProblem(const QString &dividend, const QString &divisor) const
{
    const auto &s = form->sheetDef();
    for (int i = 0; i < dividend.size() && i < int(s.dividendBoxes.size()); ++i)
        formstest::type(box(s.dividendBoxes[size_t(i)]), dividend.mid(i, 1));
    for (int i = 0; i < divisor.size() && i < int(s.divisorBoxes.size()); ++i)
        formstest::type(box(s.divisorBoxes[size_t(i)]), divisor.mid(i, 1));
}

bool Sheetside::step(int k) const
{
    auto *b = button(form->sheetDef().steps.at(size_t(k - 1)).button);
    if (!formstest::shown(b))
        return false;
    formstest::click(b);
    return true;
}

bool Sheetside::workAll() const
{
    for (int k = 1; k <= stepCount(); ++k)
        if (!step(k))
            return false;
    return true;
}

QString Sheetside::row(std::initializer_list<int> boxes) const
{
    QStringList parts;
    for (int n : boxes) {
        auto *b = box(n);
        parts << (b->visibleFlag() ? b->text().trimmed() : QStringLiteral("-"));
    }
    return parts.join(QLatin1Char(' '));
}

int Sheetside::visibleStepButtons() const
{
    int count = 0;
    for (const auto &def : form->sheetDef().stepButtons)
        if (button(def.button)->visibleFlag())
            ++count;
    return count;
}

StepTutorForm *loadedSheet(const QString &name)
{
    for (forms::Form *f : forms::loadedForms())
        if (f->objectName() == name)
            return qobject_cast<StepTutorForm *>(f);
    return nullptr;
}

} // namespace corvanetest
