#include "frame.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QHash>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

namespace forms {

namespace {

xcb_connection_t *connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    static QHash<QByteArray, xcb_atom_t> atoms;
    const QByteArray key(name);
    if (const auto it = atoms.constFind(key); it != atoms.cend())
        return *it;
    xcb_atom_t found = XCB_ATOM_NONE;
    const auto cookie = xcb_intern_atom(c, 0, uint16_t(key.size()), name);
    if (xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, cookie, nullptr)) {
        found = reply->atom;
        std::free(reply);
    }
    if (found != XCB_ATOM_NONE)
        atoms.insert(key, found);
    return found;
}

xcb_atom_t frameAtom(xcb_connection_t *c) { return atom(c, "_NET_FRAME_EXTENTS"); }

// A window's property of that name and type, 32-bit values counted in 4
// bytes each; empty where it has none.
QByteArray property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    if (name == XCB_ATOM_NONE || type == XCB_ATOM_NONE)
        return {};
    const auto cookie = xcb_get_property(c, 0, window, name, type, 0, 1 << 16);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(xcb_get_property_reply(c, cookie, nullptr),
                                                                         &std::free);
    if (!reply || reply->type != type)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

void setAtoms(xcb_connection_t *c, xcb_window_t w, const char *property, std::initializer_list<const char *> names)
{
    std::vector<xcb_atom_t> values;
    for (const char *n : names)
        if (const xcb_atom_t a = atom(c, n); a != XCB_ATOM_NONE)
            values.push_back(a);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom(c, property), XCB_ATOM_ATOM, 32, uint32_t(values.size()),
                        values.data());
}

} // namespace

std::optional<QMargins> managerFrame(const QWindow *window)
{
    xcb_connection_t *c = connection();
    if (!c || !window || !window->handle())
        return std::nullopt;
    const QByteArray extents = property(c, xcb_window_t(window->winId()), frameAtom(c), XCB_ATOM_CARDINAL);
    if (extents.size() != 4 * 4)
        return std::nullopt;
    // Left, right, top, bottom, in device pixels.
    quint32 v[4];
    std::memcpy(v, extents.constData(), sizeof v);
    const qreal ratio = window->devicePixelRatio() > 0 ? window->devicePixelRatio() : 1;
    const auto px = [ratio](quint32 n) { return qRound(qMin<quint32>(n, 4096) / ratio); };
    return QMargins(px(v[0]), px(v[2]), px(v[1]), px(v[3]));
}

bool isManagerFrameChange(const QWindow *window, const QByteArray &eventType, const void *message)
{
    if (eventType != "xcb_generic_event_t" || !message || !window || !window->handle())
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto *change = static_cast<const xcb_property_notify_event_t *>(message);
    xcb_connection_t *c = connection();
    return c && change->window == xcb_window_t(window->winId()) && change->atom == frameAtom(c);
}

std::optional<XDesktop> xDesktop()
{
    xcb_connection_t *c = connection();
    if (!c)
        return std::nullopt;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return std::nullopt;
    XDesktop desktop;
    // The manager names itself on the window that the root points to.
    const QByteArray check = property(c, screen->root, atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (check.size() == 4) {
        xcb_window_t manager = XCB_WINDOW_NONE;
        std::memcpy(&manager, check.constData(), sizeof manager);
        desktop.manager =
            QString::fromUtf8(property(c, manager, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING")));
    }
    // Xft's resolution, as the manager's fonts take it: Xft.dpi, else the screen's own.
    if (screen->height_in_millimeters > 0)
        desktop.dpi = screen->height_in_pixels * 25.4 / screen->height_in_millimeters;
    for (const QByteArray &line : property(c, screen->root, atom(c, "RESOURCE_MANAGER"), XCB_ATOM_STRING).split('\n'))
        if (line.startsWith("Xft.dpi:"))
            if (const double dpi = line.mid(8).trimmed().toDouble(); dpi > 0)
                desktop.dpi = dpi;
    return desktop;
}

void askForFixedDialog(QWindow *window, bool inTaskbar)
{
    xcb_connection_t *c = connection();
    if (!c || !window || !window->handle())
        return;
    const auto w = xcb_window_t(window->winId());
    // Motif hints: functions and decorations given, move and close only;
    // border, title and window menu.
    enum : uint32_t { Functions = 1, Decorations = 2, Move = 4, Close = 32, Border = 2, Title = 8, Menu = 16 };
    const uint32_t motif[5] = {Functions | Decorations, Move | Close, Border | Title | Menu, 0, 0};
    const xcb_atom_t motifAtom = atom(c, "_MOTIF_WM_HINTS");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, motifAtom, motifAtom, 32, 5, motif);
    setAtoms(c, w, "_NET_WM_WINDOW_TYPE", {"_NET_WM_WINDOW_TYPE_DIALOG", "_NET_WM_WINDOW_TYPE_NORMAL"});
    if (!inTaskbar)
        setAtoms(c, w, "_NET_WM_STATE", {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    xcb_flush(c);
}

void mapAgain(QWindow *window)
{
    xcb_connection_t *c = connection();
    if (!c || !window || !window->handle())
        return;
    xcb_map_window(c, xcb_window_t(window->winId()));
    xcb_flush(c);
}

} // namespace forms
