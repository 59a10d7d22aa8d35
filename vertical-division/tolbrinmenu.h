#pragma once
#include "forms/window.h"

namespace tolbrin {

// The start window: a round menu of the two worksheets.
class Form1 : public forms::Form {
    Q_OBJECT
public:
    Form1();
    void onLoad() override;
};

// The about window, round as well.
class Form4 : public forms::Form {
    Q_OBJECT
public:
    Form4();
    void onLoad() override;
};

} // namespace tolbrin
