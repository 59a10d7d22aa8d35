// Renders every window of Mirrane, in the states a pupil meets, into PNG files.
#include "drill_driver.h"

#include "mirranemenu.h"
#include "mirrane.h"
#include "mirranesplash.h"

#include "drills/tests/drillgallery.h"
#include "forms/tests/gallery.h"

#include <QApplication>

using formsgallery::shot;

namespace {

// Opens a drill from the menu with its largest question first.
template <class Drill> void drill(const char *modeLabel, drills::AnswerMode mode, std::vector<int> draws, const char *back)
{
    forms::testing::scriptDraws(std::move(draws));
    drillgallery::clickLabel(forms::instance<mirrane::Form5>(), modeLabel);
    auto *w = forms::instance<Drill>();
    drillgallery::drillStates(w, mode);
    drillgallery::clickLabel(w, back);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    formsgallery::begin(app, QStringLiteral("Mirrane"), QStringLiteral("mirrane"));

    mirrane::start();
    shot(forms::instance<mirrane::Form1>(), QStringLiteral("Form1-first-shown"));
    forms::testing::advance(3000);
    shot(forms::instance<mirrane::Form5>(), QStringLiteral("Form5-first-shown"));
    drill<mirrane::Form2>("Label2", drills::AnswerMode::Write, drillstest::question(4, 97), "Label7");
    drill<mirrane::Form4>("Label3", drills::AnswerMode::Choose, drillstest::question(3, 97), "Label7");
    drill<mirrane::Form3>("Label4", drills::AnswerMode::Judge, drillstest::statement(7, 97, drillstest::Shown::TenTimesLarger), "Label11");
    return formsgallery::finish();
}
