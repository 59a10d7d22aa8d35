#pragma once

namespace tolbrin {
// Loads and shows the program's start window, the circular menu.
void start();
} // namespace tolbrin
