#include "mirrane.h"

#include "mirranesplash.h"

namespace mirrane {
void start() { forms::show<Form1>(); }
} // namespace mirrane
