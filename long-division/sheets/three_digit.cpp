#include "sheets.h"

namespace corvane {
#define PLACEHOLDER(fn, ident)                                                                                         \
    const Sheet &fn()                                                                                                  \
    {                                                                                                                  \
        static const Sheet s = [] {                                                                                    \
            Sheet s = form1Sheet();                                                                                    \
            s.id = SheetId::ident;                                                                                     \
            s.m = 3;                                                                                                   \
            return s;                                                                                                  \
        }();                                                                                                           \
        return s;                                                                                                      \
    }
PLACEHOLDER(form8Sheet, Form8)
PLACEHOLDER(form9Sheet, Form9)
PLACEHOLDER(form10Sheet, Form10)
} // namespace corvane
