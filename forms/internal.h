#pragma once
// What one file of the forms layer calls in another: not meant for programs.

class QDeadlineTimer;
class QTimer;

namespace forms::detail {

// The last window was unloaded: the program ends once control is back in the
// event loop, unless a window has been loaded meanwhile (app.cpp).
void programEndedByUnload();

// Whether a timer's deadline has passed on the monotonic clock; if not, the
// timer is started again for the rest (timing.cpp).
bool passed(QTimer *timer, const QDeadlineTimer &deadline);

// Hands a pause's length to the test's pause hook, if one is set (timing.cpp).
void callPauseHook(int ms);

} // namespace forms::detail
