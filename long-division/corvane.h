#pragma once

namespace corvane {
// Loads and shows the program's start window.
void start();
} // namespace corvane
