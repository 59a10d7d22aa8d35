#include "corvane.h"

#include "corvanesplash.h"

namespace corvane {
void start() { forms::show<frmSplash>(); }
} // namespace corvane
