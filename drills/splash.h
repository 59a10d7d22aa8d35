#pragma once
#include "forms/window.h"

#include <functional>

namespace forms {
class Timer;
}

namespace drills {

// A program's start card: its Timer1 fires once, 3000 ms after the card is
// first shown, shows the program's menu, hides the card and disables itself.
class SplashForm : public forms::Form {
    Q_OBJECT
public:
    explicit SplashForm(std::function<void()> showMenu);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Timer1_Timer();
    std::function<void()> showMenu_;
    forms::Timer *timer_;
    bool shown_ = false;
};

} // namespace drills
