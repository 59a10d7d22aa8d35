#pragma once
#include "forms/window.h"

namespace mirrane {

// The start card: after 3000 ms it opens the mode menu and hides itself.
class Form1 : public forms::Form {
    Q_OBJECT
public:
    Form1();

private:
    void timerTick();
};

} // namespace mirrane
