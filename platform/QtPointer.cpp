#include "platform/QtPointer.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>

#include <cstdlib>
#include <xcb/xcb.h>

QPoint QtPointer::cursorPos() const
{
    return QCursor::pos();
}

QWidget* QtPointer::widgetAt(QPoint globalPos) const
{
    return QApplication::widgetAt(globalPos);
}

namespace {

// The X11 connection and its root window, or nulls elsewhere.
std::pair<xcb_connection_t*, xcb_window_t> x11Root()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    const xcb_screen_t* screen = connection ? xcb_setup_roots_iterator(xcb_get_setup(connection)).data : nullptr;
    return {screen ? connection : nullptr, screen ? screen->root : 0};
}

} // namespace

void QtPointer::warpToDevice(QPoint device)
{
    const auto [connection, root] = x11Root();
    if (!connection)
        return; // Wayland: only the user moves the pointer
    xcb_warp_pointer(connection, XCB_NONE, root, 0, 0, 0, 0, static_cast<int16_t>(device.x()), static_cast<int16_t>(device.y()));
    xcb_flush(connection);
}

std::optional<QPoint> QtPointer::devicePos() const
{
    const auto [connection, root] = x11Root();
    if (!connection)
        return std::nullopt;
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    if (!reply)
        return std::nullopt;
    const QPoint at(reply->root_x, reply->root_y);
    std::free(reply);
    return at;
}
