#pragma once

// The program's windows, by design name (objectName):
//   frmSplash  corvanesplash.h  start card: enter opens Form4, exit asks first
//   Form4      corvanemenu.h    divisor-size menu
//   Form1      steptutor.h      worksheet: one-digit divisor, three-digit dividend
//   Form2      steptutor.h      worksheet: one-digit divisor, four-digit dividend
//   Form3      steptutor.h      worksheet: one-digit divisor, five-digit dividend
//   Form5      steptutor.h      worksheet: two-digit divisor, three-digit dividend
//   Form6      steptutor.h      worksheet: two-digit divisor, four-digit dividend
//   Form7      steptutor.h      worksheet: two-digit divisor, five-digit dividend
//   Form8      steptutor.h      worksheet: three-digit divisor, four-digit dividend
//   Form9      steptutor.h      worksheet: three-digit divisor, five-digit dividend
//   Form10     steptutor.h      worksheet: three-digit divisor, six-digit dividend
// Each worksheet is a StepTutorForm built from its table in sheets/.

namespace corvane {
// Loads and shows the program's start window.
void start();
} // namespace corvane
