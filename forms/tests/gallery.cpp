#include "gallery.h"

#include "driver.h"
#include "pixels.h"

#include "forms/app.h"
#include "forms/titlebar.h"
#include "forms/timing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace formsgallery {

namespace {
// A gallery draws headless unless a platform is chosen: this runs before
// main() makes the application, which reads the platform.
[[maybe_unused]] const bool offscreenByDefault = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}();

QString folder;
QString prefix_;
int count = 0;
bool checking = false;
bool resting = false;
Wrapping wrapping_;
int checked = 0;
int faults = 0;

// One line per fault: a caption's or a box's line breaks are written as \n.
void fault(const QString &name, QString what)
{
    ++faults;
    what.remove(QLatin1Char('\r'));
    what.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    std::printf("%s %s: %s\n", qPrintable(prefix_), qPrintable(name), qPrintable(what));
    std::fflush(stdout);
}

// The window's captions and digits as the pupil sees them.
void check(QWidget *w, const QString &name)
{
    ++checked;
    for (const QString &f : formstest::captionFaults(w, wrapping_.value(w->objectName())))
        fault(name, f);
    for (const QString &f : formstest::foreignDigits(w))
        fault(name, w->objectName() + QLatin1Char('.') + f + QStringLiteral(": digits not drawn as Western ones"));
}

// The window as drawn; outside a window's mask (a round window) nothing.
QImage drawn(QWidget *w)
{
    QImage image = w->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (!w->mask().isEmpty()) {
        QPainter p(&image);
        p.setClipRegion(QRegion(image.rect()) - w->mask());
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillRect(image.rect(), Qt::transparent);
    }
    return image;
}

// A message box under a plain title bar of its width, laid out and written
// in the font the box takes its width from: the window's icon and buttons,
// the title between them, cut in the middle where it does not fit, as
// openbox cuts it.
QImage withTitleBar(QWidget *w)
{
    const QImage body = drawn(w);
    const forms::TitleBar bar = forms::titleBar(w->windowTitle());
    const int height = bar.height();
    QImage image(body.width(), body.height() + height, QImage::Format_ARGB32);
    image.fill(QColor(0xD8, 0xD8, 0xD8));
    QPainter p(&image);
    p.drawImage(0, height, body);
    p.setPen(Qt::black);
    for (const QRect &part : bar.parts(body.width()))
        p.drawRect(part.adjusted(0, 0, -1, -1));
    p.setFont(bar.font);
    const QRect room = bar.titleRoom(body.width());
    p.drawText(room, Qt::AlignCenter,
               QFontMetrics(bar.font).elidedText(w->windowTitle(), Qt::ElideMiddle, room.width()));
    return image;
}

// How long a state is left alone.
constexpr int RestMs = 500;

// The window left alone for a while, once settled: nothing may paint, no
// timer may fire, and the process stays almost idle.
void rest(QWidget *w, const QString &name)
{
    ++checked;
    const QString where = name + QStringLiteral(" (") + w->objectName() + QLatin1Char(')');
    for (const forms::Timer *t : w->findChildren<forms::Timer *>())
        if (t->enabled() && t->interval() > 0 && t->interval() < RestMs)
            fault(where, QStringLiteral("timer %1 of %2 ms runs at rest").arg(t->objectName()).arg(t->interval()));
    const formstest::Activity seen = formstest::leftAloneIdle(RestMs);
    if (!seen.paints.isEmpty())
        fault(where, QStringLiteral("painted at rest: ") + formstest::listed(seen.paints));
    if (!seen.timers.isEmpty())
        fault(where, QStringLiteral("timers fired at rest: ") + formstest::listed(seen.timers));
    if (seen.cpuShare() > formstest::IdleShare)
        fault(where, seen.cost() + QStringLiteral(" at rest"));
}

void save(QWidget *w, const QString &name)
{
    if (checking) {
        check(w, name);
        return;
    }
    if (resting) {
        rest(w, name);
        return;
    }
    const QString path = folder + QLatin1Char('/') + prefix_ + QLatin1Char('-') + name + QStringLiteral(".png");
    const QImage image = qobject_cast<QMessageBox *>(w) ? withTitleBar(w) : drawn(w);
    if (image.save(path)) {
        ++count;
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    }
}

// Lets layouts, posted updates and deferred deletes settle.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, 0);
    }
}
} // namespace

void begin(QApplication &app, const QString &title, const QString &prefix, const Wrapping &wrapping)
{
    forms::initialize(app, title);
    forms::testing::useManualTime(true);
    // One clock reading for every run, so the draws seeded from it, and the pictures, repeat.
    forms::testing::setNow(QDateTime(QDate(2026, 9, 1), QTime(8, 0)));
    QStringList args = QCoreApplication::arguments().mid(1);
    checking = args.removeAll(QStringLiteral("--check")) > 0;
    resting = args.removeAll(QStringLiteral("--rest")) > 0;
    wrapping_ = wrapping;
    prefix_ = prefix;
    if (resting)
        QApplication::setCursorFlashTime(0); // no blinking text cursor while a state rests
    if (checking || resting)
        return;
    folder = args.isEmpty() ? QDir::currentPath() : args.first();
    QDir().mkpath(folder);
}

void shot(QWidget *window, const QString &name)
{
    if (!window) {
        if (checking || resting)
            fault(name, QStringLiteral("no window"));
        else
            std::fprintf(stderr, "no window for %s\n", qPrintable(name));
        return;
    }
    settle();
    save(window, name);
}

void shotMessage(const QString &name, const std::function<void()> &action)
{
    // The box is seen from inside its own event loop, once it is shown.
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || seen)
            return;
        seen = true;
        poll.stop();
        settle();
        save(box, name);
        QAbstractButton *b = box->defaultButton();
        if (!b && !box->buttons().isEmpty())
            b = box->buttons().first();
        if (b)
            b->click();
        else
            box->reject();
    });
    poll.start();
    action();
    poll.stop();
    if (!seen && (checking || resting))
        fault(name, QStringLiteral("no message box"));
    else if (!seen)
        std::fprintf(stderr, "no message box for %s\n", qPrintable(name));
}

int written() { return count; }

int finish()
{
    if (resting) {
        std::printf("%s: %d states left at rest, %d faults\n", qPrintable(prefix_), checked, faults);
        return checked > 0 && faults == 0 ? 0 : 1;
    }
    if (!checking)
        return count > 0 ? 0 : 1;
    std::printf("%s: %d states checked, %d faults\n", qPrintable(prefix_), checked, faults);
    return checked > 0 && faults == 0 ? 0 : 1;
}

} // namespace formsgallery
