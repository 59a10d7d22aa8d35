#include "mirrane.h"

#include "splash.h"

namespace mirrane {
void start() { forms::show<Form1>(); }
} // namespace mirrane
