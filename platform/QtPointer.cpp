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

std::optional<QPoint> QtPointer::devicePos() const
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::nullopt;
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr);
    if (!reply)
        return std::nullopt;
    const QPoint at(reply->root_x, reply->root_y);
    std::free(reply);
    return at;
}
