#include "tolbrin.h"

#include "tolbrinmenu.h"

namespace tolbrin {
void start() { forms::show<Form1>(); }
} // namespace tolbrin
