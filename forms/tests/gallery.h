#pragma once
// Renders windows into PNG files, as a pupil meets them, for a look by eye.
#include <QString>

#include <functional>

class QApplication;
class QWidget;

namespace formsgallery {

// Prepares the application as the program's executable does (fonts, Qt's
// Arabic texts, the title), on test time; pictures go to the folder given as
// the first argument (or the current folder), named "<prefix>-<name>.png".
void begin(QApplication &app, const QString &title, const QString &prefix);

// Lets queued events run, then writes the window as drawn.
void shot(QWidget *window, const QString &name);

// Runs an action that opens a message box; the box is written as drawn while
// it is open, then answered with its default button.
void shotMessage(const QString &name, const std::function<void()> &action);

// How many pictures were written; the executable's exit code is 1 when none.
int written();

} // namespace formsgallery
