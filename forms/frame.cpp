#include "frame.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace forms {

namespace {

xcb_connection_t *connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t frameAtom(xcb_connection_t *c)
{
    static xcb_atom_t atom = XCB_ATOM_NONE;
    if (atom == XCB_ATOM_NONE) {
        static const char name[] = "_NET_FRAME_EXTENTS";
        const auto cookie = xcb_intern_atom(c, 0, sizeof name - 1, name);
        if (xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, cookie, nullptr)) {
            atom = reply->atom;
            std::free(reply);
        }
    }
    return atom;
}

} // namespace

std::optional<QMargins> managerFrame(const QWindow *window)
{
    xcb_connection_t *c = connection();
    if (!c || !window || !window->handle())
        return std::nullopt;
    const xcb_atom_t atom = frameAtom(c);
    if (atom == XCB_ATOM_NONE)
        return std::nullopt;
    const auto cookie = xcb_get_property(c, 0, xcb_window_t(window->winId()), atom, XCB_ATOM_CARDINAL, 0, 4);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(xcb_get_property_reply(c, cookie, nullptr),
                                                                         &std::free);
    if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32
        || xcb_get_property_value_length(reply.get()) != 4 * 4)
        return std::nullopt;
    // Left, right, top, bottom, in device pixels.
    const auto *v = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
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

} // namespace forms
