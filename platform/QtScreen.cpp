#include "platform/QtScreen.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

QRect QtScreen::primaryGeometry() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QImage QtScreen::CaptureScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QImage();
    // Window 0 is the whole desktop; the pixmap comes at device pixels.
    return screen->grabWindow(0).toImage();
}
