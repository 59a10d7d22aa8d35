#include "quillet.h"

#include "quillet_form.h"

namespace quillet {
void start() { forms::show<Form1>(); }
} // namespace quillet
