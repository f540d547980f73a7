#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

// The screens' areas as Qt knows them, whichever way the pixels are read.
namespace ScreenAreas {

inline QRect Primary()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

inline QRect Desktop()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect();
}

inline QList<QRect> Each()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->geometry());
    return areas;
}

inline bool WindowsSpanScreens()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace ScreenAreas
