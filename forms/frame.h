#pragma once
#include <QMargins>
#include <QString>

#include <optional>

class QByteArray;
class QWindow;

namespace forms {

// The frame the window manager has put around a top-level window, in the
// window's own pixels, as the manager last wrote it on the window (X11's
// _NET_FRAME_EXTENTS). None on other platforms, or before the manager has.
std::optional<QMargins> managerFrame(const QWindow *window);

// Whether a native event of the window says that the manager rewrote it.
bool isManagerFrameChange(const QWindow *window, const QByteArray &eventType, const void *message);

// What the X server tells of its window manager (the name it gives itself)
// and of the resolution its fonts are drawn at. None on other platforms.
struct XDesktop {
    QString manager;
    double dpi = 96;
};
std::optional<XDesktop> xDesktop();

// Asks the window manager for a window of fixed size with a title bar and a
// close box only (no minimize, maximize or resize), typed as a dialog, and
// kept off the taskbar and the pager unless inTaskbar. X11 only; written
// before the window is mapped, the manager reads it when it takes the window.
void askForFixedDialog(QWindow *window, bool inTaskbar);

// Maps a window again that the window manager has minimized (X11).
void mapAgain(QWindow *window);

} // namespace forms
