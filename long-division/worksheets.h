#pragma once
#include "steptutor.h"

namespace corvane {

#define CORVANE_WORKSHEET(Name)                                                                                        \
    class Name : public StepTutorForm {                                                                                \
    public:                                                                                                            \
        Name() : StepTutorForm(sheet(SheetId::Name)) {}                                                                \
    };

CORVANE_WORKSHEET(Form1)
CORVANE_WORKSHEET(Form2)
CORVANE_WORKSHEET(Form3)
CORVANE_WORKSHEET(Form5)
CORVANE_WORKSHEET(Form6)
CORVANE_WORKSHEET(Form7)
CORVANE_WORKSHEET(Form8)
CORVANE_WORKSHEET(Form9)
CORVANE_WORKSHEET(Form10)

#undef CORVANE_WORKSHEET

} // namespace corvane
