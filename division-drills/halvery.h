#pragma once

// The program's windows, by design name (objectName):
//   Form1   cards.h           start card, then the suite menu after 3000 ms
//   Form12  cards.h           about box
//   Form7   suitemenu.h       suite menu
//   Form5   modemenu.h        menu of the answer modes of division by 10, 100 and 1000
//   Form2   modedrills.h      division by 10, 100, 1000: type the quotient
//   Form4   modedrills.h      division by 10, 100, 1000: choose among three buttons
//   Form3   modedrills.h      division by 10, 100, 1000: judge a statement
//   Form6   remainderdrill.h  quotient-and-remainder drill
//   Form8   stepdrill.h       division in three entered steps, with a help panel
//   Form9   factcards.h       division fact cards
//   Form10  factcards.h       multiplication fact cards

namespace halvery {
// Loads and shows the program's start window.
void start();
} // namespace halvery
