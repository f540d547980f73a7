// A small X11 helper for the end-to-end test: reads the real screen.
//   screen_probe pixel X Y      prints the colour at (X, Y) as RRGGBB
//   screen_probe write-coords FILE W H
//                               writes the coords picture (below) as a PNG
//   screen_probe coords X Y W H
//                               shows a window at (X, Y) whose every pixel
//                               encodes its own screen position: red x & 255,
//                               green y & 255, blue (x >> 8) + 16 (y >> 8)
//                               (W and H 0: the whole screen, as a full-screen
//                               window, for compositors that place windows)
//   screen_probe stranger FILE TOP BOTTOM
//                               prints "X Y W H", the smallest rectangle that
//                               holds every pixel of the picture in FILE in
//                               rows TOP to BOTTOM - 1 that differs from the
//                               coords picture; "none" when there is none
//   screen_probe file-pixel FILE X Y
//                               prints the colour at (X, Y) of the picture
//   screen_probe solid X Y W H RRGGBB
//                               shows a window of one colour
//   screen_probe swatch X Y W H RRGGBB
//                               another program's colour swatch: a window of
//                               one colour that a drag carries away as
//                               application/x-color, and that takes a colour
//                               dropped on it, printing it as RRGGBB
//   screen_probe compositor   owns _NET_WM_CM_S0, as a compositing manager
//                               does, until killed; prints "owned" first
//   screen_probe wait X Y RRGGBB MS
//                               polls (X, Y) until it shows RRGGBB; exit 0 when
//                               it does, 1 when MS milliseconds pass first
#include <QDrag>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QRasterWindow>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <xcb/xcb.h>
#include <functional>

namespace {

QRgb coords(int x, int y) { return qRgb(x & 255, y & 255, ((x >> 8) & 15) | (((y >> 8) & 15) << 4)); }

// A window showing a picture, placed by the program (no window manager runs).
// An empty rectangle: the whole screen, full-screen, for compositors that
// place windows themselves.
int show(QGuiApplication& app, QRect at, const std::function<QRgb(int, int)>& colour)
{
    const bool whole = at.isEmpty();
    if (whole)
        at = QGuiApplication::primaryScreen()->geometry();
    QImage picture(at.size(), QImage::Format_RGB32);
    for (int y = 0; y < at.height(); ++y)
        for (int x = 0; x < at.width(); ++x)
            picture.setPixel(x, y, colour(at.x() + x, at.y() + y));
    struct Painter : QRasterWindow {
        QImage picture;
        void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, picture); }
    } shown;
    shown.picture = picture;
    shown.setFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    shown.setGeometry(at);
    whole ? shown.showFullScreen() : shown.show();
    return app.exec();
}

// The rectangle of pixels at top or below that are not the coords picture.
int stranger(const QImage& picture, int top, int bottom)
{
    QRect found;
    for (int y = top; y < std::min(bottom, picture.height()); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF) != (coords(x, y) & 0xFFFFFF))
                found |= QRect(x, y, 1, 1);
    if (found.isEmpty())
        std::printf("none\n");
    else
        std::printf("%d %d %d %d\n", found.x(), found.y(), found.width(), found.height());
    return picture.isNull() ? 1 : 0;
}

// The swatch: a press and a move drag its colour; a drop is printed.
int swatch(QGuiApplication& app, const QRect& at, QRgb colour)
{
    struct Swatch : QRasterWindow {
        QColor colour;
        bool pressed = false;
        void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(QRect(QPoint(), size()), colour); }
        void mousePressEvent(QMouseEvent*) override { pressed = true; }
        void mouseMoveEvent(QMouseEvent*) override
        {
            if (!std::exchange(pressed, false))
                return;
            auto* drag = new QDrag(this);
            auto* mime = new QMimeData;
            mime->setColorData(colour);
            drag->setMimeData(mime);
            drag->exec(Qt::CopyAction);
        }
        bool event(QEvent* e) override
        {
            if (e->type() == QEvent::DragEnter || e->type() == QEvent::DragMove) {
                static_cast<QDropEvent*>(e)->acceptProposedAction();
                return true;
            }
            if (e->type() == QEvent::Drop) {
                auto* drop = static_cast<QDropEvent*>(e);
                const QColor c = qvariant_cast<QColor>(drop->mimeData()->colorData());
                std::printf("%02X%02X%02X %s\n", c.red(), c.green(), c.blue(), qPrintable(drop->mimeData()->text()));
                std::fflush(stdout);
                drop->acceptProposedAction();
                return true;
            }
            return QRasterWindow::event(e);
        }
    } shown;
    shown.colour = QColor(colour);
    shown.setFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    shown.setGeometry(at);
    shown.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 5 && args[1] == QLatin1String("write-coords")) {
        QImage picture(args[3].toInt(), args[4].toInt(), QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, coords(x, y));
        return picture.save(args[2]) ? 0 : 1;
    }
    if (args.size() >= 7 && args[1] == QLatin1String("swatch"))
        return swatch(app, QRect(args[2].toInt(), args[3].toInt(), args[4].toInt(), args[5].toInt()),
                      0xFF000000 | args[6].toUInt(nullptr, 16));
    if (args.size() >= 6 && (args[1] == QLatin1String("coords") || args[1] == QLatin1String("solid"))) {
        const QRect at(args[2].toInt(), args[3].toInt(), args[4].toInt(), args[5].toInt());
        const QRgb solid = 0xFF000000 | args.value(6).toUInt(nullptr, 16);
        if (args[1] == QLatin1String("solid"))
            return show(app, at, [solid](int, int) { return solid; });
        return show(app, at, coords);
    }
    if (args.size() >= 5 && args[1] == QLatin1String("stranger"))
        return stranger(QImage(args[2]).convertToFormat(QImage::Format_RGB32), args[3].toInt(), args[4].toInt());
    if (args.size() >= 5 && args[1] == QLatin1String("file-pixel")) {
        const QImage picture(args[2]);
        if (!picture.valid(args[3].toInt(), args[4].toInt()))
            return 1;
        const QRgb c = picture.pixel(args[3].toInt(), args[4].toInt());
        std::printf("%02X%02X%02X\n", qRed(c), qGreen(c), qBlue(c));
        return 0;
    }
    if (args.size() >= 2 && args[1] == QLatin1String("compositor")) {
        // What a compositing manager announces: the selection _NET_WM_CM_S0
        // is owned until this is killed. Nothing is composited.
        const auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
        if (!x11)
            return 2;
        xcb_connection_t* c = x11->connection();
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 13, "_NET_WM_CM_S0"), nullptr);
        const xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const xcb_window_t owner = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, owner, root->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_set_selection_owner(c, owner, atom ? atom->atom : XCB_NONE, XCB_CURRENT_TIME);
        std::free(atom);
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
        std::puts("owned");
        std::fflush(stdout);
        return app.exec();
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || args.size() < 3)
        return 2;
    if (args[1] == QLatin1String("wait") && args.size() >= 6) {
        const QRgb wanted = 0xFF000000 | args[4].toUInt(nullptr, 16);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < args[5].toInt()) {
            const QImage one = screen->grabWindow(0, args[2].toInt(), args[3].toInt(), 1, 1).toImage();
            if (!one.isNull() && one.pixel(0, 0) == wanted)
                return 0;
            QThread::msleep(2);
        }
        return 1;
    }
    if (args[1] == QLatin1String("pixel") && args.size() >= 4) {
        const QRgb c = screen->grabWindow(0).toImage().pixel(args[2].toInt(), args[3].toInt());
        std::printf("%02X%02X%02X\n", qRed(c), qGreen(c), qBlue(c));
        return 0;
    }
    return 2;
}
