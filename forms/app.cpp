#include "app.h"

#include "fonts.h"
#include "internal.h"
#include "window.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QThread>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace forms {

namespace {
bool ended = false;
QString title;
bool platformChosen = false;
} // namespace

void choosePlatform()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    if (qgetenv("XDG_SESSION_TYPE") != "wayland" && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    qputenv("QT_QPA_PLATFORM", "xcb");
    platformChosen = true;
}

ProgramEvents *ProgramEvents::instance()
{
    static ProgramEvents *events = new ProgramEvents;
    return events;
}

namespace {
void finish()
{
    if (ended)
        return;
    ended = true;
    emit ProgramEvents::instance()->ended();
    // Only a running event loop is told to stop; otherwise exec() sees the end.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}
} // namespace

namespace detail {
// A handler may unload its own window and load the next one: whether any
// window is left is decided once control is back in the event loop.
void programEndedByUnload()
{
    QMetaObject::invokeMethod(
        ProgramEvents::instance(),
        [] {
            if (loadedForms().isEmpty())
                finish();
        },
        Qt::QueuedConnection);
}
} // namespace detail

void installArabicTranslation()
{
    static bool done = false;
    if (done || !qApp)
        return;
    done = true;
    auto *tr = new QTranslator(qApp);
    if (tr->load(QStringLiteral("qtbase_ar"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(tr);
    else
        delete tr;
}

void initialize(QApplication &app, const QString &programTitle)
{
    // The programs this one starts choose for themselves.
    if (platformChosen)
        qunsetenv("QT_QPA_PLATFORM");
    useStandInFontsOnly();
    installArabicTranslation();
    title = programTitle;
    app.setApplicationName(programTitle);
    app.setQuitOnLastWindowClosed(false);
    app.setLayoutDirection(Qt::RightToLeft);
    app.setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));
}

int exec()
{
    if (ended || loadedForms().isEmpty())
        return 0;
    const int code = QApplication::exec();
    // The last window has gone and nothing is kept: the process ends here,
    // without waiting on the teardown of the window system's, sound's and
    // fonts' libraries.
    std::fflush(nullptr);
    std::_Exit(code);
}

void endProgram()
{
    const QList<Form *> forms = loadedForms();
    for (Form *f : forms)
        unload(f);
    finish();
}

bool programEnded() { return ended; }

void resetProgramState()
{
    for (Form *f : loadedForms())
        unload(f);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ended = false;
}

QString programTitle() { return title.isEmpty() ? QCoreApplication::applicationName() : title; }

QString programFolder()
{
    QString dir = QDir::cleanPath(QCoreApplication::applicationDirPath());
    if (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

QString withFinalSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

namespace {
std::function<bool(const QString &)> &startHook()
{
    static std::function<bool(const QString &)> hook;
    return hook;
}
} // namespace

bool startProgram(const QString &path)
{
    const bool started = startHook() ? startHook()(path) : QProcess::startDetached(path, {});
    if (started)
        detail::holdPointerForSecondClick();
    return started;
}

namespace testing {
void setStartProgramHook(std::function<bool(const QString &)> hook) { startHook() = std::move(hook); }
} // namespace testing

} // namespace forms
