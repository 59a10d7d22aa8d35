#pragma once
#include "forms/window.h"

namespace forms {
class TextBox;
class MultiLineTextBox;
} // namespace forms

namespace daskin {

// The program's one window: type a number, click "ابحث", and its divisors
// are appended to the box below.
class Form1 : public forms::Form {
    Q_OBJECT
public:
    Form1();

private:
    void divisorSearch();
    forms::TextBox *number_;
    forms::MultiLineTextBox *found_;
};

} // namespace daskin
