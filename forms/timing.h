#pragma once
#include <QDateTime>
#include <QDeadlineTimer>
#include <QObject>

#include <functional>

class QTimer;

namespace forms {

namespace testing {
void useManualTime(bool on);
}

// A timer: while enabled it raises tick() every interval, on the window's thread.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject *parent, const QString &name, int intervalMs, bool enabled = true);
    ~Timer() override;

    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    // A second enable leaves the countdown alone; only a disable stops it.
    void setEnabled(bool on);

signals:
    void tick();

private:
    friend struct TimeControl;
    friend void testing::useManualTime(bool);
    void rearm();
    void countDown();
    void wake();
    int interval_;
    bool enabled_;
    QTimer *timer_ = nullptr;
    qint64 due_ = 0; // virtual deadline under manual time
    QDeadlineTimer deadline_; // the next tick's instant on the monotonic clock
};

// The present time, to the millisecond: the system clock's, or under manual
// time the test's clock (setNow, advance).
QDateTime now();

// Test control of time: timers and pauses then follow advance() only.
namespace testing {
void useManualTime(bool on);
bool manualTime();
void advance(int ms);
// Called by pauseWholeSeconds() under manual time before time moves on, so a test can act
// in the middle of a pause.
void setPauseHook(std::function<void(int ms)> hook);
// Sets the manual clock to an instant (it starts at the real clock's time).
void setNow(const QDateTime &instant);
} // namespace testing

} // namespace forms
