#pragma once
#include "forms/window.h"

namespace corvane {

// The start card: enter opens the divisor-size menu, exit asks first.
class frmSplash : public forms::Form {
    Q_OBJECT
public:
    frmSplash();

private:
    void enter();
    void leave();
};

} // namespace corvane
