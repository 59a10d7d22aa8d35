#pragma once
// Renders windows into PNG files, as a pupil meets them, for a look by eye;
// with --check, checks each window's captions and digits in place of a picture;
// with --rest, checks that each window left alone does no work. A gallery
// runs on the offscreen platform where QT_QPA_PLATFORM chooses none.
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class QApplication;
class QWidget;

namespace formsgallery {

// The labels of each window (by its name) whose box the design draws on
// several lines; every other caption must stay on one line.
using Wrapping = QHash<QString, QStringList>;

// Prepares the application as the program's executable does (fonts, Qt's
// Arabic texts, the title), on test time; pictures go to the folder given as
// the first argument (or the current folder), named "<prefix>-<name>.png".
// With the argument --check nothing is written: each state is checked for
// captions drawn small, wrapped, cut or outside the window, and for digits
// not drawn as Western ones, and every fault is printed as one line
// "<prefix> <name>: <fault>". With --rest each state is left alone for half a
// second instead: any paint, any timer that fires, a design timer that ticks
// faster than that, or more than a little processor time is a fault.
void begin(QApplication &app, const QString &title, const QString &prefix, const Wrapping &wrapping = {});

// Lets queued events run, then writes (or checks) the window as drawn.
void shot(QWidget *window, const QString &name);

// Runs an action that opens a message box; the box is written (or checked) as
// drawn while it is open, then answered with its default button.
void shotMessage(const QString &name, const std::function<void()> &action);

// How many pictures were written.
int written();

// The executable's exit code: 1 when no picture was written, or, with
// --check, when no state was checked or a fault was found; else 0.
int finish();

} // namespace formsgallery
