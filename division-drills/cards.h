#pragma once
#include "drills/splash.h"
#include "forms/window.h"

namespace halvery {

// The start card: after 3000 ms it shows the suite menu and hides itself.
class Form1 : public drills::SplashForm {
    Q_OBJECT
public:
    Form1();
};

// The about box: the start card's credits with "موافق", which hides it. It
// stays above the program's other windows while shown.
class Form12 : public forms::Form {
    Q_OBJECT
public:
    Form12();
    // Shows the box, or brings it to the front when it is already shown.
    void bringUp();
};

} // namespace halvery
