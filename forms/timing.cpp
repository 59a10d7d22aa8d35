#include "timing.h"

#include "internal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace forms {

namespace detail {
// The event loop may wake a timer a little early: until the deadline has
// passed on the monotonic clock, the timer is started again for the rest.
bool passed(QTimer *timer, const QDeadlineTimer &deadline)
{
    const qint64 leftNs = deadline.remainingTimeNSecs();
    if (leftNs <= 0)
        return true;
    timer->start(int((leftNs + 999999) / 1000000));
    return false;
}
} // namespace detail

struct TimeControl {
    bool manual = false;
    qint64 virtualMs = 0;
    QDateTime base;
    std::vector<Timer *> timers;
    std::function<void(int)> pauseHook;

    static TimeControl &get()
    {
        static TimeControl t;
        return t;
    }

    void advance(qint64 ms)
    {
        const qint64 target = virtualMs + std::max<qint64>(0, ms);
        for (;;) {
            Timer *next = nullptr;
            for (Timer *t : timers)
                if (t->enabled_ && t->interval_ > 0 && t->due_ <= target && (!next || t->due_ < next->due_))
                    next = t;
            if (!next)
                break;
            virtualMs = std::max(virtualMs, next->due_);
            next->due_ = virtualMs + next->interval_;
            emit next->tick();
            QCoreApplication::sendPostedEvents();
        }
        virtualMs = target;
    }
};

Timer::Timer(QObject *parent, const QString &name, int intervalMs, bool enabled)
    : QObject(parent), interval_(intervalMs), enabled_(enabled)
{
    setObjectName(name);
    TimeControl::get().timers.push_back(this);
    rearm();
}

Timer::~Timer()
{
    auto &v = TimeControl::get().timers;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
}

void Timer::setInterval(int ms)
{
    interval_ = ms;
    rearm();
}

// Enabling a timer that is already enabled leaves its countdown running.
void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    rearm();
}

void Timer::rearm()
{
    TimeControl &tc = TimeControl::get();
    due_ = tc.virtualMs + interval_;
    if (tc.manual) {
        if (timer_)
            timer_->stop();
        return;
    }
    if (!timer_) {
        timer_ = new QTimer(this);
        timer_->setSingleShot(true);
        timer_->setTimerType(Qt::PreciseTimer);
        connect(timer_, &QTimer::timeout, this, &Timer::wake);
    }
    if (enabled_ && interval_ > 0)
        countDown();
    else
        timer_->stop();
}

void Timer::countDown()
{
    deadline_ = QDeadlineTimer(std::chrono::milliseconds(interval_), Qt::PreciseTimer);
    timer_->start(interval_);
}

// The next interval counts from the tick.
void Timer::wake()
{
    if (!enabled_ || interval_ <= 0 || !detail::passed(timer_, deadline_))
        return;
    countDown();
    emit tick();
}

QDateTime now()
{
    TimeControl &tc = TimeControl::get();
    if (tc.manual)
        return tc.base.addMSecs(tc.virtualMs);
    return QDateTime::currentDateTime();
}

namespace testing {
void useManualTime(bool on)
{
    TimeControl &tc = TimeControl::get();
    if (on && !tc.manual)
        tc.base = QDateTime::currentDateTime();
    tc.manual = on;
    for (Timer *t : tc.timers)
        t->rearm();
}
bool manualTime() { return TimeControl::get().manual; }
void advance(int ms) { TimeControl::get().advance(ms); }
void setPauseHook(std::function<void(int)> hook) { TimeControl::get().pauseHook = std::move(hook); }
void setNow(const QDateTime &instant)
{
    TimeControl &tc = TimeControl::get();
    tc.base = instant.addMSecs(-tc.virtualMs);
}
} // namespace testing

namespace detail {
void callPauseHook(int ms)
{
    if (TimeControl::get().pauseHook)
        TimeControl::get().pauseHook(ms);
}
} // namespace detail

} // namespace forms
