#include "gallery.h"

#include "forms/app.h"
#include "forms/timing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace formsgallery {

namespace {
QString folder;
QString prefix_;
int count = 0;

void save(QWidget *w, const QString &name)
{
    const QString path = folder + QLatin1Char('/') + prefix_ + QLatin1Char('-') + name + QStringLiteral(".png");
    if (w->grab().save(path)) {
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

void begin(QApplication &app, const QString &title, const QString &prefix)
{
    forms::initialize(app, title);
    forms::testing::useManualTime(true);
    const QStringList args = QCoreApplication::arguments();
    folder = args.size() > 1 ? args.at(1) : QDir::currentPath();
    QDir().mkpath(folder);
    prefix_ = prefix;
}

void shot(QWidget *window, const QString &name)
{
    if (!window) {
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
    if (!seen)
        std::fprintf(stderr, "no message box for %s\n", qPrintable(name));
}

int written() { return count; }

} // namespace formsgallery
