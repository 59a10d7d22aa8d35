#pragma once

namespace quillet {
// Loads and shows the program's window.
void start();
} // namespace quillet
