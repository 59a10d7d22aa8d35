#pragma once
#include <QMargins>

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

} // namespace forms
