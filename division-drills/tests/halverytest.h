#pragma once
// Drives Halvery as a pupil would, with scripted draws, test time, recorded
// sounds and recorded program starts.
#include <QTest>

#include "cards.h"
#include "modedrills.h"
#include "forms/app.h"
#include "forms/random.h"
#include "forms/sound.h"
#include "forms/tests/driver.h"
#include "forms/tests/reset.h"
#include "drills/tests/draws.h"
#include "forms/timing.h"
#include "halvery.h"
#include "modemenu.h"
#include "suitemenu.h"

namespace halverytest {

using formstest::control;
using namespace drillstest;

// A quotient-and-remainder problem's dividend and divisor. One that divides
// exactly, has a 0 or too large a quotient is drawn again.
inline Draws remainderProblem(int dividend, int divisor) { return {dividend, divisor}; }

inline forms::Label *label(QWidget *w, const char *name) { return control<forms::Label>(w, QLatin1String(name)); }
inline QString caption(QWidget *w, const char *name) { return label(w, name)->text(); }

// A click on a label, as the mouse gives it.
inline void clickLabel(QWidget *w, const char *name)
{
    QTest::mouseClick(label(w, name), Qt::LeftButton, Qt::NoModifier, label(w, name)->rect().center());
}

// The pointer moving over a control or a window.
inline void moveOver(QWidget *w)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

struct Pupil {
    QStringList sounds;
    QStringList started;
    bool startWorks = true;

    Pupil()
    {
        forms::testing::useManualTime(true);
        forms::testing::setSoundHook([this](const QString &p) { sounds << p; });
        forms::testing::setStartProgramHook([this](const QString &p) {
            started << p;
            return startWorks;
        });
    }
    ~Pupil() { formstest::resetAll(); }

    // The start card, then the suite menu after its 3000 ms.
    halvery::Form7 *atSuiteMenu()
    {
        halvery::start();
        forms::testing::advance(3000);
        return forms::instance<halvery::Form7>();
    }
    halvery::Form5 *atModeMenu()
    {
        formstest::click(control<QPushButton>(atSuiteMenu(), QStringLiteral("Command1")));
        return forms::instance<halvery::Form5>();
    }
    // Opens a drill from the mode menu; its first question comes from `draws`.
    template <class Drill> Drill *open(const char *modeLabel, std::vector<int> draws)
    {
        halvery::Form5 *menu = forms::instance<halvery::Form5>();
        if (!menu)
            menu = atModeMenu();
        forms::testing::scriptDraws(std::move(draws));
        clickLabel(menu, modeLabel);
        return forms::instance<Drill>();
    }
};

} // namespace halverytest
