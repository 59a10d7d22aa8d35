#pragma once
#include <QObject>
#include <QString>

#include <functional>

class QApplication;

namespace forms {

// Called before the application is made: in a Wayland session that also has
// an X server, the program runs on X, where it places and shapes its own
// windows, unless the user has chosen a platform (QT_QPA_PLATFORM).
void choosePlatform();

// Prepares the application: Qt's Arabic texts, the program's title, no quit on the last window
// closed (the program ends when no window is loaded).
void initialize(QApplication &app, const QString &title);

// Qt's own Arabic texts (context menus, standard buttons); initialize() loads them.
void installArabicTranslation();

// Runs the event loop while any window is loaded, then ends the process with
// its exit code at once (returns only when no window was loaded).
int exec();

// Ends the program at once: every window is unloaded and the event loop left.
void endProgram();

// Whether the program has ended (no window left loaded, or an explicit end).
bool programEnded();

// Forgets a previous end, so that tests can start a program again.
void resetProgramState();

// The program's title, shown by a message box given no title.
QString programTitle();

// The folder that holds the program file; ends in "/" only at the root.
QString programFolder();

// The folder with a final "/" (added unless it is already there).
QString withFinalSlash(const QString &folder);

// Starts a program file by path, detached, with no arguments and not through
// a shell, and returns at once: false when it could not be started.
bool startProgram(const QString &path);

namespace testing {
// While a hook is set, startProgram() hands it the path and returns its answer.
void setStartProgramHook(std::function<bool(const QString &path)> hook);
} // namespace testing

// Emits ended() when the program ends.
class ProgramEvents : public QObject {
    Q_OBJECT
public:
    static ProgramEvents *instance();
signals:
    void ended();
};

} // namespace forms
