#include "splash.h"

#include "forms/timing.h"

namespace drills {

SplashForm::SplashForm(std::function<void()> showMenu)
    : showMenu_(std::move(showMenu)), timer_(new forms::Timer(this, QStringLiteral("Timer1"), 3000, false))
{
    connect(timer_, &forms::Timer::tick, this, &SplashForm::Timer1_Timer);
}

// The card's time counts from its first showing, not from its making.
void SplashForm::showEvent(QShowEvent *event)
{
    forms::Form::showEvent(event);
    if (!shown_) {
        shown_ = true;
        timer_->setEnabled(true);
    }
}

void SplashForm::Timer1_Timer()
{
    showMenu_();
    hide();
    timer_->setEnabled(false);
}

} // namespace drills
