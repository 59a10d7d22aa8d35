#include "splash.h"

#include "forms/timing.h"

namespace drills {

SplashForm::SplashForm(std::function<void()> showMenu)
    : showMenu_(std::move(showMenu)), timer_(new forms::Timer(this, QStringLiteral("Timer1"), 3000, true))
{
    connect(timer_, &forms::Timer::tick, this, &SplashForm::Timer1_Timer);
}

void SplashForm::Timer1_Timer()
{
    showMenu_();
    hide();
    timer_->setEnabled(false);
}

} // namespace drills
