#pragma once
#include "forms/timing.h"
#include "forms/window.h"

namespace halvery {

// The start card: after 3000 ms it shows the suite menu and hides itself.
class Form1 : public forms::Form {
    Q_OBJECT
public:
    Form1();

private:
    void Timer1_Timer();
    forms::Timer *timer_;
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
