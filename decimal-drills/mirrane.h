#pragma once

// The program's windows, by design name (objectName):
//   Form1  mirranesplash.h  start card, then the mode menu after 3000 ms
//   Form5  mirranemenu.h    mode menu
//   Form2  drillwindows.h   type the product
//   Form4  drillwindows.h   choose the product among three buttons
//   Form3  drillwindows.h   judge a product statement

namespace mirrane {
// Loads and shows the program's start window.
void start();
} // namespace mirrane
