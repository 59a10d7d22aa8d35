#pragma once
#include "forms/window.h"

namespace corvane {

// The divisor-size menu: opens the first worksheet of each divisor length.
class Form4 : public forms::Form {
    Q_OBJECT
public:
    Form4();
};

} // namespace corvane
