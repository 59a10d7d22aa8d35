#include "navigation.h"

#include "menu.h"
#include "worksheets.h"

#include "forms/window.h"

namespace corvane {

QString sheetName(SheetId id)
{
    switch (id) {
    case SheetId::Form1: return QStringLiteral("Form1");
    case SheetId::Form2: return QStringLiteral("Form2");
    case SheetId::Form3: return QStringLiteral("Form3");
    case SheetId::Form5: return QStringLiteral("Form5");
    case SheetId::Form6: return QStringLiteral("Form6");
    case SheetId::Form7: return QStringLiteral("Form7");
    case SheetId::Form8: return QStringLiteral("Form8");
    case SheetId::Form9: return QStringLiteral("Form9");
    case SheetId::Form10: return QStringLiteral("Form10");
    }
    return QString();
}

QString sizeCaption(int divisorLength, int which)
{
    static const char *const captions[3][3] = {
        {"ثلاثة أرقام على رقم", "أربعة أرقام على رقم", "خمسة أرقام على رقم"},
        {"ثلاثة أرقام على رقمين", "أربعة أرقام على رقمين", "خمسة أرقام على رقمين"},
        {"أربعة أرقام على3 أرقام", "خمسة أرقام على3 أرقام", "ستة أرقام على3 أرقام"},
    };
    return QString::fromUtf8(captions[divisorLength - 1][which]);
}

SheetId familyMember(int divisorLength, int which)
{
    static const SheetId members[3][3] = {
        {SheetId::Form1, SheetId::Form2, SheetId::Form3},
        {SheetId::Form5, SheetId::Form6, SheetId::Form7},
        {SheetId::Form8, SheetId::Form9, SheetId::Form10},
    };
    return members[divisorLength - 1][which];
}

std::vector<SheetId> unloadedBySizeSwitch(int divisorLength, SheetId target)
{
    std::vector<SheetId> list;
    for (int i = 0; i < 3; ++i)
        if (familyMember(divisorLength, i) != target)
            list.push_back(familyMember(divisorLength, i));
    // Worksheets of shorter divisors go too.
    for (int m = 1; m < divisorLength; ++m)
        for (int i = 0; i < 3; ++i)
            list.push_back(familyMember(m, i));
    return list;
}

template <class F> static void apply(SheetId id, F f)
{
    switch (id) {
    case SheetId::Form1: f(static_cast<Form1 *>(nullptr)); break;
    case SheetId::Form2: f(static_cast<Form2 *>(nullptr)); break;
    case SheetId::Form3: f(static_cast<Form3 *>(nullptr)); break;
    case SheetId::Form5: f(static_cast<Form5 *>(nullptr)); break;
    case SheetId::Form6: f(static_cast<Form6 *>(nullptr)); break;
    case SheetId::Form7: f(static_cast<Form7 *>(nullptr)); break;
    case SheetId::Form8: f(static_cast<Form8 *>(nullptr)); break;
    case SheetId::Form9: f(static_cast<Form9 *>(nullptr)); break;
    case SheetId::Form10: f(static_cast<Form10 *>(nullptr)); break;
    }
}

void showSheet(SheetId id)
{
    apply(id, []<class T>(T *) { forms::show<T>(); });
}

void unloadSheet(SheetId id)
{
    apply(id, []<class T>(T *) { forms::unload<T>(); });
}

void showMenu() { forms::show<Form4>(); }
void unloadMenu() { forms::unload<Form4>(); }

} // namespace corvane
