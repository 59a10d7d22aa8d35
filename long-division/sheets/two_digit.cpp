#include "sheets.h"

namespace corvane {
// Placeholders until their own tables are written.
#define PLACEHOLDER(fn, ident)                                                                                         \
    const Sheet &fn()                                                                                                  \
    {                                                                                                                  \
        static const Sheet s = [] {                                                                                    \
            Sheet s = form1Sheet();                                                                                    \
            s.id = SheetId::ident;                                                                                     \
            s.m = 2;                                                                                                   \
            return s;                                                                                                  \
        }();                                                                                                           \
        return s;                                                                                                      \
    }
PLACEHOLDER(form5Sheet, Form5)
PLACEHOLDER(form6Sheet, Form6)
PLACEHOLDER(form7Sheet, Form7)
} // namespace corvane
