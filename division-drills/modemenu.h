#pragma once
#include "drills/look.h"

namespace halvery {

// The menu of the three answer modes of division by 10, 100 and 1000; an
// oval lights while the pointer moves over its label.
class Form5 : public drills::DrillWindow {
    Q_OBJECT
public:
    Form5();
};

} // namespace halvery
