#pragma once
#include "drills/look.h"

namespace mirrane {

// The mode menu: three labels open the three drills; "خروج" and Esc end the
// program. Other keys do nothing.
class Form5 : public drills::DrillWindow {
    Q_OBJECT
public:
    Form5();
};

} // namespace mirrane
