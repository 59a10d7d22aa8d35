#include "pause.h"

#include "app.h"
#include "internal.h"
#include "timing.h"
#include "window.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace forms {

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
    const QDeadlineTimer deadline(std::chrono::milliseconds(length), Qt::PreciseTimer);
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        if (detail::passed(&timer, deadline))
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
