#include "pause.h"

#include "app.h"
#include "timing.h"
#include "window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace forms {

namespace detail {
void callPauseHook(int ms);
}

bool pauseWholeSeconds(QWidget *owner, int seconds)
{
    Form *form = owner ? qobject_cast<Form *>(owner->window()) : nullptr;
    auto stopped = [form] { return programEnded() || (form && form->isUnloaded()); };
    if (stopped())
        return false;
    FormHold hold(form);
    const int length = std::max(0, seconds * 1000 - now().time().msec());

    if (testing::manualTime()) {
        QCoreApplication::processEvents();
        detail::callPauseHook(length);
        if (stopped())
            return false;
        testing::advance(length);
        QCoreApplication::processEvents();
        return !stopped();
    }

    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        const qint64 left = length - clock.elapsed();
        if (left > 0)
            timer.start(int(left));
        else
            loop.quit();
    });
    if (form)
        QObject::connect(form, &Form::unloaded, &loop, &QEventLoop::quit);
    QObject::connect(ProgramEvents::instance(), &ProgramEvents::ended, &loop, &QEventLoop::quit);
    timer.start(length);
    loop.exec();
    return !stopped();
}

} // namespace forms
