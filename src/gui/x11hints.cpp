// SPDX-License-Identifier: MIT
#include "gui/x11hints.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <memory>

namespace tavelo {
namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(qstrlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The X connection Qt holds; null on other platforms.
xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

ReplyPtr<xcb_get_property_reply_t> property(xcb_connection_t *connection, xcb_window_t window,
                                            xcb_atom_t name, xcb_atom_t type, std::uint32_t length)
{
    return {xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, window, name, type, 0, length),
                                   nullptr),
            &std::free};
}

// A window's _NET_FRAME_EXTENTS (left, right, top, bottom) in device pixels,
// when the window manager has set it.
std::optional<QMargins> frameExtents(xcb_connection_t *connection, xcb_window_t window,
                                     xcb_atom_t extents)
{
    const auto reply = property(connection, window, extents, XCB_ATOM_CARDINAL, 4);
    if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) != 4 * 4)
        return std::nullopt;
    const auto *v = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

// Whether the window manager lists `feature` in _NET_SUPPORTED on `root`.
bool supports(xcb_connection_t *connection, xcb_window_t root, xcb_atom_t feature)
{
    const auto reply =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return feature != XCB_ATOM_NONE && std::find(atoms, atoms + count, feature) != atoms + count;
}

// Asks the window manager to set _NET_FRAME_EXTENTS on an unmapped window and
// waits a moment for its answer.
std::optional<QMargins> requestFrameExtents(xcb_connection_t *connection, xcb_window_t window,
                                            xcb_window_t root, xcb_atom_t extents)
{
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = window;
    request.type = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(connection);
    // A window manager answers within a few milliseconds; one that does not
    // within a fifth of a second is not waited for any longer.
    const QDeadlineTimer deadline(200);
    for (;;) {
        if (const auto margins = frameExtents(connection, window, extents))
            return margins;
        if (deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(1);
    }
}

// The frame of another visible window of ours. Every window of ours is an
// ordinary one with the same title bar and borders, so one that is framed
// already shows the frame to come.
std::optional<QMargins> framedSiblingExtents(xcb_connection_t *connection, const QWindow *window,
                                             xcb_atom_t extents)
{
    for (QWindow *other : QGuiApplication::topLevelWindows()) {
        if (other == window || !other->isVisible() || other->type() != Qt::Window)
            continue;
        if (const auto margins =
                frameExtents(connection, static_cast<xcb_window_t>(other->winId()), extents))
            return margins;
    }
    return std::nullopt;
}

}  // namespace

void keepOffTaskbar(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection || !window->windowHandle())
        return;
    const std::array<xcb_atom_t, 2> states{atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                           atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window->winId()),
                        atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(states.size()), states.data());
    xcb_flush(connection);
}

std::optional<QMargins> deviceFrameBeforeMap(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection || !window->windowHandle())
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    if (!geometry)
        return std::nullopt;
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");

    std::optional<QMargins> margins;
    if (supports(connection, geometry->root, atom(connection, "_NET_REQUEST_FRAME_EXTENTS")))
        margins = requestFrameExtents(connection, id, geometry->root, extents);
    if (!margins)
        margins = framedSiblingExtents(connection, window->windowHandle(), extents);
    return margins;
}

}  // namespace tavelo
