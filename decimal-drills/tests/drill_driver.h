#pragma once
// Opening Mirrane's drill windows with scripted draws, and reading them.
#include "drills/tests/draws.h"
#include "drillwindows.h"

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/random.h"
#include "forms/tests/driver.h"
#include "forms/tests/reset.h"
#include "forms/timing.h"

#include <QTest>

namespace mirranetest {

// Each case runs on test time and leaves the shared state as it found it.
inline void startCase() { forms::testing::useManualTime(true); }
inline void endCase() { formstest::resetAll(); }

// Shows a drill window as the menu does, with the draws it will make.
template <class W> W *openDrill(std::vector<int> draws)
{
    forms::testing::scriptDraws(std::move(draws));
    return forms::show<W>();
}

// The same for the drill window of an answer mode.
inline mirrane::MultiplicationDrill *openDrill(drills::AnswerMode mode, std::vector<int> draws = {})
{
    switch (mode) {
    case drills::AnswerMode::Write: return openDrill<mirrane::Form2>(std::move(draws));
    case drills::AnswerMode::Choose: return openDrill<mirrane::Form4>(std::move(draws));
    case drills::AnswerMode::Judge: break;
    }
    return openDrill<mirrane::Form3>(std::move(draws));
}

inline forms::Label *label(QWidget *w, const char *name) { return formstest::control<forms::Label>(w, name); }
inline QString caption(QWidget *w, const char *name) { return label(w, name)->caption(); }
inline void clickLabel(QWidget *w, const char *name) { QTest::mouseClick(label(w, name), Qt::LeftButton); }

// Types into Text1 and presses Enter.
inline void answerTyped(QWidget *w, const QString &text)
{
    auto *box = formstest::control<forms::TextBox>(w, "Text1");
    formstest::type(box, text);
    formstest::press(box, Qt::Key_Return);
}

} // namespace mirranetest

Q_DECLARE_METATYPE(drills::AnswerMode)
