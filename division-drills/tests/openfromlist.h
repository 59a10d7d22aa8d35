#pragma once
// Opens the windows of the suite menu's list as a pupil would.
#include "halverytest.h"

namespace halverytest {

// Clicks a list button of the suite menu (reaching the menu first if need
// be); the window's first draws come from `draws`.
template <class Window> Window *openFromList(Pupil &pupil, const char *button, std::vector<int> draws = {})
{
    halvery::Form7 *menu = forms::instance<halvery::Form7>();
    if (!menu)
        menu = pupil.atSuiteMenu();
    forms::testing::scriptDraws(std::move(draws));
    formstest::click(control<QPushButton>(menu, QLatin1String(button)));
    return forms::instance<Window>();
}

inline QString boxText(QWidget *w, const char *name) { return control<forms::TextBox>(w, QLatin1String(name))->text(); }

} // namespace halverytest
