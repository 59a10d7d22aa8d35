#pragma once

namespace daskin {
// Loads and shows the program's window.
void start();
} // namespace daskin
