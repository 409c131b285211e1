#include "ui/owner_frame.h"

#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

// Qt's frame of a window (QWidget::frameGeometry) is the frame it read from
// the X server the last time it handled a move or resize of that window: the
// window manager's _NET_FRAME_EXTENTS, or failing those, the size of the
// frame window the manager put around it. It keeps that answer until the
// next move or resize, and a window shown where it was asked to be gets none
// after its first few, which arrive while the manager is still framing it.
// So the owner's frame in Qt is whatever the manager had done by then. Under
// KWin that is, from run to run, no frame at all, a frame window not yet
// sized (1 x 1, which puts the owner's "centre" at its top-left corner) or
// the true title bar; under GNOME, no frame. Qt's frame of the owner is
// therefore not used. The window being placed is not mapped yet, so its frame
// is unknown (none); giving the owner that same frame centres client area over
// client area, which is what centring the whole windows gives when both wear
// the same title bar, and it holds whenever the manager draws it. The owner's
// client position is asked of the X server itself, which knows it whether or
// not the manager told the program of every move.

namespace ui {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// The top-left corner of the window's client area on its root window, in the
// X server's pixels; nothing when the window is no X11 window (Wayland,
// offscreen) or the server does not answer.
std::optional<QPoint> serverPosition(const QWidget& window) {
    // The offscreen platform answers to the X11 interface too, without a
    // connection, and its windows are none of the server's.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window.winId());
    // An error is taken here, so that it is not reported as Qt's.
    xcb_generic_error_t* error = nullptr;
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), &error));
    std::free(error);
    if (!geometry)
        return std::nullopt;
    error = nullptr;
    const Reply<xcb_translate_coordinates_reply_t> onRoot(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, geometry->root, 0, 0), &error));
    std::free(error);
    if (!onRoot)
        return std::nullopt;
    return QPoint(onRoot->dst_x, onRoot->dst_y);
}

// The X server's pixels in Qt's device-independent ones, as Qt converts a
// window's position: scaled about the top-left corner of its screen, which
// stays where it is.
QPoint fromNativePixels(QPoint native, const QScreen& screen) {
    const QPoint origin = screen.geometry().topLeft();
    return (native - origin) * (qreal(1) / screen.devicePixelRatio()) + origin;
}

} // namespace

QRect ownerFrame(const QWidget& owner, const QMargins& frame) {
    QRect client = owner.geometry();
    const QScreen* screen = owner.screen();
    if (const std::optional<QPoint> native = serverPosition(owner); native && screen != nullptr)
        client.moveTopLeft(fromNativePixels(*native, *screen));
    return client.marginsAdded(frame);
}

} // namespace ui
