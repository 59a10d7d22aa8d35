#pragma once
#include "drills/splash.h"

namespace mirrane {

// The start card: after 3000 ms it opens the mode menu and hides itself.
class Form1 : public drills::SplashForm {
    Q_OBJECT
public:
    Form1();
};

} // namespace mirrane
