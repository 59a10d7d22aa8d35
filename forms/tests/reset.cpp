#include "reset.h"

#include "forms/app.h"
#include "forms/random.h"
#include "forms/sound.h"
#include "forms/timing.h"
#include "forms/titlebar.h"

namespace formstest {

void resetAll()
{
    // The hooks go first: they may point into the case that has ended.
    forms::testing::setSoundHook(nullptr);
    forms::testing::setStartProgramHook(nullptr);
    forms::testing::setPauseHook(nullptr);
    forms::testing::setTitleBar(std::nullopt);
    forms::testing::scriptDraws({});
    unloadAll();
    forms::testing::useManualTime(false);
}

void unloadAll() { forms::resetProgramState(); }

} // namespace formstest
