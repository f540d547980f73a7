#include "platform/X11Photograph.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

namespace {

// Qt's own connection to the X server; none on other platforms.
xcb_connection_t* QtConnection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_connection_t* xcb(void* connection)
{
    return static_cast<xcb_connection_t*>(connection);
}

// The format a QImage of Format_RGB32 has in memory: 32 bits a pixel, red in
// the third byte, least significant byte first.
bool IsXrgb32(const xcb_setup_t* setup, const xcb_screen_t* screen)
{
    if (screen->root_depth != 24 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    bool bits32 = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == 24)
            bits32 = f.data->bits_per_pixel == 32;
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d))
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
            if (v.data->visual_id == screen->root_visual)
                return bits32 && v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00 && v.data->blue_mask == 0xff;
    return false;
}

} // namespace

bool X11Photograph::ScreenShowsThrough()
{
    xcb_connection_t* c = QtConnection();
    if (!c)
        return false;
    // A compositing manager owns the selection _NET_WM_CM_Sn of its screen;
    // the photograph is of the first screen, as Qt's own connection uses.
    const QByteArray name = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, false, name.size(), name.constData()), nullptr);
    if (!atom)
        return false;
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr);
    const bool composited = !owner || owner->owner != XCB_NONE;
    std::free(atom);
    std::free(owner);
    return !composited;
}

std::shared_ptr<X11Photograph> X11Photograph::Take(const QRect& device)
{
    std::shared_ptr<X11Photograph> photo(new X11Photograph);
    if (!photo->take(device))
        return nullptr;
    return photo;
}

bool X11Photograph::take(const QRect& device)
{
    xcb_connection_t* c = QtConnection();
    if (!c || device.isEmpty())
        return false;
    m_connection = c;
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(c, &xcb_shm_id);
    if (!shm || !shm->present)
        return false;
    const xcb_setup_t* setup = xcb_get_setup(c);
    xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    const QRect onRoot = device.intersected(QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels));
    if (onRoot.isEmpty() || !IsXrgb32(setup, screen))
        return false;

    // The memory is marked for removal as soon as both sides hold it, so
    // nothing is left behind however the program ends.
    const size_t bytes = size_t(onRoot.width()) * 4 * onRoot.height();
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0)
        return false;
    void* at = shmat(id, nullptr, 0);
    if (at == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return false;
    }
    m_pixels = static_cast<uchar*>(at);
    m_segment = xcb_generate_id(c);
    xcb_generic_error_t* error = xcb_request_check(c, xcb_shm_attach_checked(c, m_segment, id, false));
    shmctl(id, IPC_RMID, nullptr);
    if (error) {
        std::free(error);
        m_segment = 0;
        return false;
    }

    // The screen is copied on the server, child windows included, into a
    // pixmap; where the server lets a pixmap live in the shared memory, that
    // one copy is the whole photograph, else it is read from the pixmap, so
    // both show the same moment.
    bool sharedPixmaps = false;
    if (auto* version = xcb_shm_query_version_reply(c, xcb_shm_query_version(c), nullptr)) {
        sharedPixmaps = version->shared_pixmaps && version->pixmap_format == XCB_IMAGE_FORMAT_Z_PIXMAP;
        std::free(version);
    }
    m_pixmap = xcb_generate_id(c);
    if (sharedPixmaps) {
        // Refused, it would leave the memory as it was: black.
        error = xcb_request_check(c, xcb_shm_create_pixmap_checked(c, m_pixmap, screen->root, onRoot.width(), onRoot.height(),
                                                                   screen->root_depth, m_segment, 0));
        if (error) {
            std::free(error);
            m_pixmap = 0;
            return false;
        }
    } else {
        xcb_create_pixmap(c, screen->root_depth, m_pixmap, screen->root, onRoot.width(), onRoot.height());
    }
    const xcb_gcontext_t gc = xcb_generate_id(c);
    const uint32_t inferiors = XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS;
    xcb_create_gc(c, gc, m_pixmap, XCB_GC_SUBWINDOW_MODE, &inferiors);
    xcb_copy_area(c, screen->root, m_pixmap, gc, onRoot.x(), onRoot.y(), 0, 0, onRoot.width(), onRoot.height());
    xcb_free_gc(c, gc);
    if (sharedPixmaps) {
        // Any reply comes after the copy is done.
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    } else {
        xcb_shm_get_image_reply_t* reply = xcb_shm_get_image_reply(
            c, xcb_shm_get_image(c, m_pixmap, 0, 0, onRoot.width(), onRoot.height(), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, m_segment, 0),
            &error);
        std::free(error);
        if (!reply)
            return false;
        std::free(reply);
    }
    if (xcb_connection_has_error(c))
        return false;
    m_size = onRoot.size();
    return true;
}

X11Photograph::~X11Photograph()
{
    xcb_connection_t* c = xcb(m_connection);
    if (c && !xcb_connection_has_error(c)) {
        // The window lets go of its background, so the server's copy goes
        // now; the window may be gone already, which is no fault.
        if (m_window) {
            const uint32_t none = XCB_BACK_PIXMAP_NONE;
            xcb_discard_reply(c, xcb_change_window_attributes_checked(c, m_window, XCB_CW_BACK_PIXMAP, &none).sequence);
        }
        if (m_part)
            xcb_free_pixmap(c, m_part);
        if (m_pixmap)
            xcb_free_pixmap(c, m_pixmap);
        if (m_segment)
            xcb_shm_detach(c, m_segment);
        xcb_flush(c);
    }
    if (m_pixels)
        shmdt(m_pixels);
}

QImage X11Photograph::image()
{
    if (m_size.isEmpty())
        return QImage();
    // Every copy of the image keeps the memory alive; the last one lets go.
    auto* holder = new std::shared_ptr<X11Photograph>(shared_from_this());
    return QImage(m_pixels, m_size.width(), m_size.height(), m_size.width() * 4, QImage::Format_RGB32,
                  [](void* held) { delete static_cast<std::shared_ptr<X11Photograph>*>(held); }, holder);
}

bool X11Photograph::ShowBehind(QWindow* window, QPoint offset, bool redraw)
{
    xcb_connection_t* c = xcb(m_connection);
    if (!c || !window || !m_pixmap || xcb_connection_has_error(c))
        return false;
    const QSize size = window->size() * window->devicePixelRatio();
    uint32_t shown = m_pixmap;
    if (!offset.isNull() || size != m_size) {
        // A background is laid from the window's corner: the part it covers
        // is cut out on the server.
        if (m_part)
            xcb_free_pixmap(c, m_part);
        m_part = xcb_generate_id(c);
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        xcb_create_pixmap(c, screen->root_depth, m_part, screen->root, std::max(1, size.width()), std::max(1, size.height()));
        const xcb_gcontext_t gc = xcb_generate_id(c);
        const uint32_t black = screen->black_pixel;
        xcb_create_gc(c, gc, m_part, XCB_GC_FOREGROUND, &black);
        const xcb_rectangle_t all{0, 0, uint16_t(size.width()), uint16_t(size.height())};
        xcb_poly_fill_rectangle(c, m_part, gc, 1, &all); // where the photograph does not reach
        xcb_copy_area(c, m_pixmap, m_part, gc, offset.x(), offset.y(), 0, 0, m_size.width(), m_size.height());
        xcb_free_gc(c, gc);
        shown = m_part;
    }
    m_window = window->winId();
    xcb_change_window_attributes(c, m_window, XCB_CW_BACK_PIXMAP, &shown);
    if (redraw)
        xcb_clear_area(c, false, m_window, 0, 0, 0, 0);
    xcb_flush(c);
    return true;
}
