#include "corvane.h"

#include "splash.h"

namespace corvane {
void start() { forms::show<frmSplash>(); }
} // namespace corvane
