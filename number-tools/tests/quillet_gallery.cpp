// Renders Quillet's window, in the states a pupil meets, into PNG files.
#include "quillet.h"
#include "quillet_form.h"

#include "drills/tests/draws.h"
#include "forms/random.h"
#include "forms/tests/driver.h"
#include "forms/tests/gallery.h"

#include <QApplication>

using formsgallery::shot;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    formsgallery::begin(app, QStringLiteral("Quillet"), QStringLiteral("quillet"));

    forms::testing::scriptDraws(drillstest::card(10, 10));
    quillet::start();
    auto *w = forms::instance<quillet::Form1>();
    shot(w, QStringLiteral("Form1-first-shown"));
    formstest::press(w, Qt::Key_Space, QStringLiteral(" "));
    shot(w, QStringLiteral("Form1-answer-shown"));
    // The widest card: 12 × 12, answered by 144.
    forms::testing::scriptDraws(drillstest::card(12, 12));
    formstest::press(w, Qt::Key_Return, QStringLiteral("\r"));
    shot(w, QStringLiteral("Form1-largest-card"));
    formstest::press(w, Qt::Key_Space, QStringLiteral(" "));
    shot(w, QStringLiteral("Form1-largest-answer"));
    return formsgallery::finish();
}
