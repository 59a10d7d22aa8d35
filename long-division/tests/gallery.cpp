// Renders every window of Corvane, in the states a pupil meets, into PNG files.
#include "worksheet_driver.h"

#include "corvane.h"
#include "menu.h"
#include "navigation.h"
#include "splash.h"

#include "forms/app.h"
#include "forms/tests/gallery.h"
#include "forms/timing.h"

#include <QApplication>

using formsgallery::shot;
using formsgallery::shotMessage;
using namespace corvanetest;

namespace {

// A worksheet as first shown, with a problem worked to the end, and after the check.
void worksheet(corvane::SheetId id)
{
    StepTutorForm *f = openSheet(id);
    const QString name = f->objectName();
    const Sheetside w{f};
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
void guards(corvane::SheetId id, bool zeroInLeadingDivisor)
{
    StepTutorForm *f = openSheet(id);
    const QString name = f->objectName();
    const Sheetside w{f};
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
    for (const char *sheet : {"Form1", "Form2", "Form3", "Form5", "Form6", "Form7", "Form8", "Form9", "Form10"})
        wrapping.insert(QLatin1String(sheet), {QStringLiteral("Label1")});
    formsgallery::begin(app, QStringLiteral("Corvane"), QStringLiteral("corvane"), wrapping);

    corvane::start();
    auto *splash = forms::instance<corvane::frmSplash>();
    shot(splash, QStringLiteral("frmSplash-first-shown"));
    shotMessage(QStringLiteral("frmSplash-message-exit"), [&] {
        // Answered with its default: the first button, which ends the program; No keeps it.
        formstest::click(formstest::control<forms::CommandButton>(splash, QStringLiteral("Command2")));
    });
    forms::resetProgramState();

    forms::show<corvane::Form4>();
    shot(forms::instance<corvane::Form4>(), QStringLiteral("Form4-first-shown"));
    forms::unload(forms::instance<corvane::Form4>());

    using corvane::SheetId;
    for (SheetId id : {SheetId::Form1, SheetId::Form2, SheetId::Form3, SheetId::Form5, SheetId::Form6, SheetId::Form7,
                       SheetId::Form8, SheetId::Form9, SheetId::Form10})
        worksheet(id);
    guards(SheetId::Form1, false);
    guards(SheetId::Form5, true);
    return formsgallery::finish();
}
