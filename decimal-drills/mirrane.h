#pragma once

namespace mirrane {
// Loads and shows the program's start window.
void start();
} // namespace mirrane
