#include "platform/X11Screen.h"

#include "platform/ScreenAreas.h"
#include "platform/X11Photograph.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

QRect X11Screen::primaryGeometry() const
{
    return ScreenAreas::Primary();
}

QRect X11Screen::desktopGeometry() const
{
    return ScreenAreas::Desktop();
}

bool X11Screen::showsThrough() const
{
    return X11Photograph::ScreenShowsThrough();
}

QImage X11Screen::PhotographDesktop(const QScreen* primary, const QRect& desktop, qreal dpr)
{
    QImage whole((QSizeF(desktop.size()) * dpr).toSize(), QImage::Format_RGB32);
    if (whole.isNull())
        return QImage();
    whole.fill(Qt::black);
    bool any = false;
    QPainter p(&whole);
    for (QScreen* screen : primary->virtualSiblings()) {
        // Window 0 is the root window: this screen's part of the desktop, at
        // device pixels.
        const QImage part = screen->grabWindow(0).toImage();
        if (part.isNull())
            continue;
        any = true;
        const QPoint at = ((QPointF(screen->geometry().topLeft() - desktop.topLeft())) * dpr).toPoint();
        QImage pixels = part.convertToFormat(QImage::Format_RGB32);
        pixels.setDevicePixelRatio(1); // placed pixel for pixel, not scaled
        p.drawImage(at, pixels);
    }
    p.end();
    if (!any)
        return QImage();
    whole.setDevicePixelRatio(dpr);
    return whole;
}

void X11Screen::Read(std::function<void(const Reading&)> done)
{
    Reading reading;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        const QRect desktop = primary->virtualGeometry();
        const qreal dpr = primary->devicePixelRatio();
        reading.area = desktop;
        // One read through shared memory, kept on the server as well; screen
        // by screen through Qt where the server cannot share memory.
        const QRect device((QPointF(desktop.topLeft()) * dpr).toPoint(), (QSizeF(desktop.size()) * dpr).toSize());
        if (auto photo = X11Photograph::Take(device)) {
            reading.photograph = photo->image();
            reading.photograph.setDevicePixelRatio(dpr); // before any copy: a shared image would be copied whole
            reading.backdrop = std::move(photo);
        } else {
            reading.photograph = PhotographDesktop(primary, desktop, dpr);
        }
    }
    if (reading.photograph.isNull())
        reading.failure = QStringLiteral("The window system gave no picture of the screen.");
    QTimer::singleShot(0, [done = std::move(done), reading] { done(reading); });
}
