// Renders every window of Halvery, in the states a pupil meets, into PNG files.
#include "openfromlist.h"

#include "modedrills.h"
#include "factcards.h"
#include "remainderdrill.h"
#include "stepdrill.h"

#include "forms/multiline.h"
#include "forms/numbers.h"
#include "drills/tests/drillgallery.h"
#include "forms/tests/gallery.h"

#include <QApplication>
#include <QIcon>

using formsgallery::shot;
using formsgallery::shotMessage;
using namespace halverytest;
using drillgallery::typeAndEnter;

namespace {

forms::TextBox *box(QWidget *w, const char *name) { return control<forms::TextBox>(w, QLatin1String(name)); }
forms::CommandButton *button(QWidget *w, const char *name)
{
    return control<forms::CommandButton>(w, QLatin1String(name));
}

template <class Drill> void drill(const char *modeLabel, drills::AnswerMode mode, std::vector<int> draws, const char *back)
{
    forms::testing::scriptDraws(std::move(draws));
    clickLabel(forms::instance<halvery::Form5>(), modeLabel);
    auto *w = forms::instance<Drill>();
    drillgallery::drillStates(w, mode);
    clickLabel(w, back);
}

void stepDrill(Pupil &pupil)
{
    auto *w = openFromList<halvery::Form8>(pupil, "Command3");
    shot(w, QStringLiteral("Form8-first-shown"));
    shotMessage(QStringLiteral("Form8-message-no-number"), [&] {
        forms::testing::scriptDraws(remainderProblem(89, 9));
        formstest::click(button(w, "Comq"));
        forms::testing::advance(100);
        formstest::click(button(w, "enter1"));
    });
    shot(w, QStringLiteral("Form8-problem"));
    formstest::click(button(w, "Comhelp"));
    shot(w, QStringLiteral("Form8-help-open"));
    typeAndEnter(w, "Txtnatj1", QStringLiteral("1"));
    formstest::click(button(w, "enter1"));
    shot(w, QStringLiteral("Form8-wrong-answer"));
    forms::testing::advance(3000);
    formstest::type(box(w, "Txtnatj1"), QStringLiteral("9"));
    formstest::click(button(w, "enter1"));
    forms::testing::advance(3000);
    shot(w, QStringLiteral("Form8-step-2"));
    formstest::type(box(w, "Txtnatj2"), QStringLiteral("81"));
    formstest::click(button(w, "enter2"));
    forms::testing::advance(3000);
    shot(w, QStringLiteral("Form8-step-3"));
    formstest::type(box(w, "Txtnatj3"), QStringLiteral("8"));
    formstest::click(button(w, "enter3"));
    shot(w, QStringLiteral("Form8-solved"));
    forms::testing::advance(3000);
    formstest::click(button(w, "Comhelp"));

    // A hundred problems, each with one wrong entry.
    for (int i = 0; i < 100; ++i) {
        formstest::click(button(w, "Comq"));
        forms::testing::advance(100);
        const halvery::RemainderProblem p = w->problem();
        formstest::type(box(w, "Txtnatj1"), QString::number(p.quotient + 1));
        formstest::click(button(w, "enter1"));
        const long long values[] = {p.quotient, p.quotient * p.divisor, p.remainder};
        for (int step = 1; step <= 3; ++step) {
            const QByteArray b = "Txtnatj" + QByteArray::number(step);
            const QByteArray e = "enter" + QByteArray::number(step);
            formstest::type(box(w, b.constData()), QString::number(values[step - 1]));
            formstest::click(button(w, e.constData()));
        }
        forms::testing::advance(3000);
    }
    shot(w, QStringLiteral("Form8-counts-three-digits"));
    clickLabel(w, "Label7");
}

void cards(Pupil &pupil, const char *listButton, const QString &name)
{
    QWidget *w = nullptr;
    if (name == QStringLiteral("Form9"))
        w = openFromList<halvery::Form9>(pupil, listButton);
    else
        w = openFromList<halvery::Form10>(pupil, listButton);
    shot(w, name + QStringLiteral("-first-shown"));
    formstest::press(w, Qt::Key_Space, QStringLiteral(" "));
    shot(w, name + QStringLiteral("-answer-shown"));
    clickLabel(w, "Label7");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    formsgallery::begin(app, QStringLiteral("Halvery"), QStringLiteral("halvery"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/halvery.png")));
    Pupil pupil;

    halvery::start();
    shot(forms::instance<halvery::Form1>(), QStringLiteral("Form1-first-shown"));
    forms::testing::advance(3000);
    auto *menu = forms::instance<halvery::Form7>();
    shot(menu, QStringLiteral("Form7-first-shown"));
    formstest::click(button(menu, "Command8"));
    shot(forms::instance<halvery::Form12>(), QStringLiteral("Form12-about"));
    formstest::click(button(forms::instance<halvery::Form12>(), "Command1"));
    pupil.startWorks = false;
    shotMessage(QStringLiteral("Form7-message-cannot-start"), [&] { formstest::click(button(menu, "Command6")); });

    formstest::click(button(menu, "Command1"));
    shot(forms::instance<halvery::Form5>(), QStringLiteral("Form5-first-shown"));
    drill<halvery::Form2>("Label2", drills::AnswerMode::Write, question(5, 99), "Label7");
    drill<halvery::Form4>("Label3", drills::AnswerMode::Choose, question(5, 99), "Label7");
    drill<halvery::Form3>("Label4", drills::AnswerMode::Judge, statement(7, 99, Shown::TenTimesLarger), "Label11");
    clickLabel(forms::instance<halvery::Form5>(), "Label5");

    auto *remainder = openFromList<halvery::Form6>(pupil, "Command2", remainderProblem(98, 10));
    shot(remainder, QStringLiteral("Form6-first-shown"));
    formstest::type(box(remainder, "Text1"), QStringLiteral("1"));
    typeAndEnter(remainder, "Text2", QStringLiteral("1"));
    shot(remainder, QStringLiteral("Form6-wrong-answer"));
    forms::testing::advance(2500);
    for (int i = 0; i < 120; ++i) {
        const halvery::RemainderProblem p = remainder->problem();
        const bool wrong = i % 3 == 0;
        formstest::type(box(remainder, "Text1"), QString::number(p.quotient + (wrong ? 1 : 0)));
        typeAndEnter(remainder, "Text2", QString::number(p.remainder));
        forms::testing::advance(2500);
    }
    shot(remainder, QStringLiteral("Form6-counts-three-digits"));
    clickLabel(remainder, "Label7");

    stepDrill(pupil);
    cards(pupil, "Command4", QStringLiteral("Form9"));
    cards(pupil, "Command5", QStringLiteral("Form10"));
    return formsgallery::finish();
}
