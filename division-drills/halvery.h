#pragma once

namespace halvery {
// Loads and shows the program's start window.
void start();
} // namespace halvery
