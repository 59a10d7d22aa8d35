// Renders Daskin's window, in the states a pupil meets, into PNG files.
#include "daskin.h"
#include "daskin_form.h"

#include "forms/tests/driver.h"
#include "forms/tests/gallery.h"

#include <QApplication>

using formsgallery::shot;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    formsgallery::begin(app, QStringLiteral("Daskin"), QStringLiteral("daskin"));

    daskin::start();
    auto *w = forms::instance<daskin::Form1>();
    shot(w, QStringLiteral("Form1-first-shown"));
    auto *number = formstest::control<forms::TextBox>(w, QStringLiteral("Text1"));
    auto *search = formstest::control<forms::CommandButton>(w, QStringLiteral("Command1"));
    formstest::type(number, QStringLiteral("999999999999999"));
    shot(w, QStringLiteral("Form1-fifteen-digits"));
    formstest::click(search);
    shot(w, QStringLiteral("Form1-fifteen-digits-searched"));
    formstest::erase(number);
    formstest::type(number, QStringLiteral("963761198400"));
    formstest::click(search);
    shot(w, QStringLiteral("Form1-long-list"));
    return formsgallery::finish();
}
