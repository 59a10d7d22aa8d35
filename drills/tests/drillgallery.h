#pragma once
// Renders the states a pupil meets in a drill window, for a gallery.
#include "drills/tests/answering.h"

#include "forms/tests/gallery.h"
#include "forms/timing.h"

#include <QTest>

namespace drillgallery {

using drillanswers::answer;
using drillanswers::clickLabel;
using drillanswers::typeAndEnter;

// The window as first shown, after a wrong answer, and with every count at
// three digits; `delay` is the time before the next question.
inline void drillStates(drills::QuestionWindow *w, drills::AnswerMode mode, int delay = 2500)
{
    const QString name = w->objectName();
    formsgallery::shot(w, name + QStringLiteral("-first-shown"));
    answer(w, mode, false);
    formsgallery::shot(w, name + QStringLiteral("-wrong-answer"));
    forms::testing::advance(delay);
    for (int i = 0; i < 150; ++i) {
        answer(w, mode, i % 3 != 0);
        forms::testing::advance(delay);
    }
    answer(w, mode, false);
    formsgallery::shot(w, name + QStringLiteral("-counts-three-digits"));
    forms::testing::advance(delay);
}

} // namespace drillgallery
