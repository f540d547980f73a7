#include "platform/DisplayRoundTrip.h"

#include <QGuiApplication>
#include <QtGui/qpa/qplatformnativeinterface.h>

#include <cstdlib>
#include <wayland-client-core.h>
#include <xcb/xcb.h>

namespace DisplayRoundTrip {

bool Run()
{
    if (!qGuiApp)
        return true;
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t* connection = x11->connection();
        // Any request with a reply will do: the server answers in order.
        xcb_get_input_focus_reply_t* reply = xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
        std::free(reply);
        return reply != nullptr;
    }
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
        auto* display = native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
        // A wl_display.sync is answered only after every earlier request.
        return display && wl_display_roundtrip(display) >= 0;
    }
    return true;
}

} // namespace DisplayRoundTrip
