// Renders every window of Tolbrin, in the states a pupil meets, into PNG files.
#include "pupil.h"

#include "tolbrinmenu.h"

#include "forms/app.h"
#include "forms/tests/gallery.h"
#include "forms/timing.h"

#include <QApplication>

using formsgallery::shot;
using formsgallery::shotMessage;
using namespace tolbrintest;

namespace {

QString buttonOf(VerticalDivisionForm *f, tolbrin::ButtonRole role)
{
    for (const tolbrin::ButtonDef &b : f->sheetDef().buttons)
        if (b.role == role)
            return b.name;
    return QString();
}

// A worksheet as first shown, after a quick solution, and after the check.
void worksheet(const QString &name, const QString &divisor, const QString &dividend)
{
    VerticalDivisionForm *f = openFromMenu(name);
    const WorksheetDriver w{f};
    shot(f, name + QStringLiteral("-first-shown"));
    w.typeProblem(divisor, dividend);
    shot(f, name + QStringLiteral("-problem-typed"));
    w.press(buttonOf(f, tolbrin::ButtonRole::QuickSolution));
    shot(f, name + QStringLiteral("-quick-solution"));
    w.press(buttonOf(f, tolbrin::ButtonRole::SolutionCheck));
    shot(f, name + QStringLiteral("-check-finished"));
    w.press(buttonOf(f, tolbrin::ButtonRole::About));
    if (auto *about = forms::instance<tolbrin::Form4>()) {
        shot(about, QStringLiteral("Form4-about"));
        forms::unload(about);
    }
    forms::unload(f);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The about box's credit is two lines in a box six lines of its font high.
    formsgallery::begin(app, QStringLiteral("Tolbrin"), QStringLiteral("tolbrin"),
                        {{QStringLiteral("Form4"), {QStringLiteral("Label1")}}});
    startCase();

    shot(forms::show<tolbrin::Form1>(), QStringLiteral("Form1-first-shown"));
    forms::unload(forms::instance<tolbrin::Form1>());
    worksheet(QStringLiteral("Form2"), QStringLiteral("7"), QStringLiteral("95"));
    worksheet(QStringLiteral("Form3"), QStringLiteral("7"), QStringLiteral("958"));

    // A problem without a hundreds digit on the three-digit worksheet.
    VerticalDivisionForm *f = openFromMenu(QStringLiteral("Form3"));
    const WorksheetDriver w{f};
    w.typeProblem(QStringLiteral("7"), QStringLiteral(" 95"));
    shotMessage(QStringLiteral("Form3-message-two-digits"), [&] { for (const tolbrin::Step &s : f->sheetDef().steps)
            if (s.redirectTest) {
                w.press(s.button);
                break;
            }; });
    return formsgallery::finish();
}
