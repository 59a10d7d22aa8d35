#include "navigation.h"

#include "corvanemenu.h"
#include "steptutor.h"

#include "forms/window.h"

namespace corvane {

QString sizeCaption(int divisorLength, int which)
{
    static const char *const captions[3][3] = {
        {"ثلاثة أرقام على رقم", "أربعة أرقام على رقم", "خمسة أرقام على رقم"},
        {"ثلاثة أرقام على رقمين", "أربعة أرقام على رقمين", "خمسة أرقام على رقمين"},
        {"أربعة أرقام على3 أرقام", "خمسة أرقام على3 أرقام", "ستة أرقام على3 أرقام"},
    };
    return QString::fromUtf8(captions[divisorLength - 1][which]);
}

const Worksheet &familyMember(int divisorLength, int which)
{
    return worksheets()[size_t((divisorLength - 1) * 3 + which)];
}

std::vector<const Worksheet *> unloadedBySizeSwitch(int divisorLength, const Worksheet &target)
{
    std::vector<const Worksheet *> list;
    for (int i = 0; i < 3; ++i)
        if (&familyMember(divisorLength, i) != &target)
            list.push_back(&familyMember(divisorLength, i));
    // Worksheets of shorter divisors go too.
    for (int m = 1; m < divisorLength; ++m)
        for (int i = 0; i < 3; ++i)
            list.push_back(&familyMember(m, i));
    return list;
}

StepTutorForm *loadSheet(const Worksheet &sheet)
{
    return static_cast<StepTutorForm *>(forms::load(sheet.name, [&sheet] { return new StepTutorForm(sheet); }));
}

void showSheet(const Worksheet &sheet) { loadSheet(sheet)->showForm(); }

void unloadSheet(const Worksheet &sheet) { forms::unload(sheet.name); }

void showMenu() { forms::show<Form4>(); }
void unloadMenu() { forms::unload<Form4>(); }

} // namespace corvane
