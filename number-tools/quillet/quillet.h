#pragma once

// The program's window, by design name (objectName):
//   Form1  quillet_form.h  multiplication-fact cards over the whole screen

namespace quillet {
// Loads and shows the program's window.
void start();
} // namespace quillet
