#include "daskin.h"

#include "daskin_form.h"

namespace daskin {
void start() { forms::show<Form1>(); }
} // namespace daskin
