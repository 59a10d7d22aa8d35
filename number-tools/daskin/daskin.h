#pragma once

// The program's window, by design name (objectName):
//   Form1  daskin_form.h  divisor lister

namespace daskin {
// Loads and shows the program's window.
void start();
} // namespace daskin
