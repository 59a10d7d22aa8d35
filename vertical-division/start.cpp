#include "tolbrin.h"

#include "menu.h"

namespace tolbrin {
void start() { forms::show<Form1>(); }
} // namespace tolbrin
