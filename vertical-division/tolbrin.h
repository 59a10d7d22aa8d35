#pragma once

// The program's windows, by design name (objectName):
//   Form1  tolbrinmenu.h       round start menu of the two worksheets
//   Form4  tolbrinmenu.h       round about window
//   Form2  verticaldivision.h  worksheet: two-digit dividend
//   Form3  verticaldivision.h  worksheet: three-digit dividend
// Both worksheets are VerticalDivisionForms built from their tables in sheets.cpp.

namespace tolbrin {
// Loads and shows the program's start window, the circular menu.
void start();
} // namespace tolbrin
