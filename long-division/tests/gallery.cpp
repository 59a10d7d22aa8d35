// Renders every window of Corvane, in the states a pupil meets, into PNG files.
#include "worksheet_driver.h"

#include "corvane.h"
#include "corvanemenu.h"
#include "navigation.h"
#include "corvanesplash.h"

#include "forms/app.h"
#include "forms/tests/gallery.h"
#include "forms/tests/reset.h"
#include "forms/timing.h"

#include <QApplication>

using formsgallery::shot;
using formsgallery::shotMessage;
using namespace corvanetest;

namespace {

// A worksheet as first shown, with a problem worked to the end, and after the check.
void worksheet(const QString &sheet)
{
    StepTutorForm *f = openSheet(sheet);
    const QString name = f->objectName();
    const WorksheetDriver w{f};
    shot(f, name + QStringLiteral("-first-shown"));
    const corvane::Sheet &s = f->sheetDef();
    w.typeProblem(QStringLiteral("987654").left(int(s.dividendBoxes.size())),
                  QStringLiteral("734").left(int(s.divisorBoxes.size())));
    w.step(1);
    shotMessage(name + QStringLiteral("-message-not-complete"), [&] { formstest::click(w.button(s.checkButton)); });
    w.workAll();
    shot(f, name + QStringLiteral("-worked"));
    formstest::click(w.button(s.checkButton));
    shot(f, name + QStringLiteral("-check-finished"));
    forms::unload(f);
}

// The entry guards' messages of a worksheet.
void guards(const QString &sheet, bool zeroInLeadingDivisor)
{
    StepTutorForm *f = openSheet(sheet);
    const QString name = f->objectName();
    const WorksheetDriver w{f};
    const corvane::Sheet &s = f->sheetDef();
    shotMessage(name + QStringLiteral("-message-leading-zero"),
                [&] { formstest::type(w.box(s.dividendBoxes.front()), QStringLiteral("0")); });
    if (zeroInLeadingDivisor)
        shotMessage(name + QStringLiteral("-message-zero-refused"),
                    [&] { formstest::type(w.box(s.divisorBoxes.front()), QStringLiteral("0")); });
    else
        shotMessage(name + QStringLiteral("-message-divisor-refused"),
                    [&] { formstest::type(w.box(s.divisorBoxes.front()), QStringLiteral("1")); });
    forms::unload(f);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Each worksheet's identity caption has a box two lines of its font high.
    formsgallery::Wrapping wrapping;
    for (const Layout &l : layouts())
        wrapping.insert(l.name, {QStringLiteral("Label1")});
    formsgallery::begin(app, QStringLiteral("Corvane"), QStringLiteral("corvane"), wrapping);

    corvane::start();
    auto *splash = forms::instance<corvane::frmSplash>();
    shot(splash, QStringLiteral("frmSplash-first-shown"));
    shotMessage(QStringLiteral("frmSplash-message-exit"), [&] {
        // Answered with its default: the first button, which ends the program; No keeps it.
        formstest::click(formstest::control<forms::CommandButton>(splash, QStringLiteral("Command2")));
    });
    formstest::unloadAll();

    forms::show<corvane::Form4>();
    shot(forms::instance<corvane::Form4>(), QStringLiteral("Form4-first-shown"));
    forms::unload(forms::instance<corvane::Form4>());

    for (const Layout &l : layouts())
        worksheet(l.name);
    guards(QStringLiteral("Form1"), false);
    guards(QStringLiteral("Form5"), true);
    return formsgallery::finish();
}
