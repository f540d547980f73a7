#include "app/fScreen.h"

#include "app/fMain.h"
#include "picker/Quor_Colorpicker.h"
#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "platform/QtColour.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QtMath>
#include <QScreen>
#include <algorithm>
#include <cmath>

fScreen::fScreen(fMain* main)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_main(main)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setWindowTitle(QStringLiteral("Tintaro")); // for window lists; it shows no caption
}

void fScreen::setPicture(const QImage& photograph, const QRect& area)
{
    m_photo = photograph;
    m_area = area;
    update();
}

void fScreen::ShowOver(const QRect& area)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool oneScreen = screens.size() <= 1 || std::any_of(screens.begin(), screens.end(), [&](const QScreen* s) {
                               return s->geometry() == area;
                           });
    if (oneScreen || QGuiApplication::platformName() != QLatin1String("xcb")) {
        // Full screen rather than merely screen-sized: above panels, and the
        // only way to cover a screen where clients cannot place windows.
        setWindowFlag(Qt::X11BypassWindowManagerHint, false);
        setGeometry(area);
        showFullScreen();
        return;
    }
    // Across several monitors: placed by the program itself, past the
    // window manager, which would keep it to one; the keyboard comes along.
    setWindowFlag(Qt::X11BypassWindowManagerHint, true);
    setGeometry(area);
    show();
    raise();
    grabKeyboard();
}

void fScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black); // where the photograph is missing or smaller
    if (m_photo.isNull())
        return;
    // The part of the desktop this window covers, pixel for pixel.
    const qreal dpr = m_photo.devicePixelRatio();
    const QPointF from = QPointF(mapToGlobal(QPoint(0, 0)) - m_area.topLeft()) * dpr;
    p.drawImage(QRectF(rect()), m_photo, QRectF(from, QSizeF(size()) * dpr));
}

QPoint fScreen::PixelAt(QPointF global) const
{
    // A pointer on device pixel n lies at n / ratio logical pixels, which
    // may not come back as exactly n: a hair more keeps it in its pixel.
    const qreal dpr = m_photo.isNull() ? 1.0 : m_photo.devicePixelRatio();
    const QPointF at = (global - QPointF(m_area.topLeft())) * dpr;
    return QPoint(static_cast<int>(std::floor(at.x() + 1e-6)), static_cast<int>(std::floor(at.y() + 1e-6)));
}

void fScreen::SampleAt(QPointF global)
{
    QPoint pixel = PixelAt(global);
    // Where the window system knows the pointer to the device pixel, that
    // pixel, as long as it is the one this event reported (the pointer may
    // have moved on since).
    const qreal dpr = m_photo.isNull() ? 1.0 : m_photo.devicePixelRatio();
    if (const std::optional<QPoint> device = platform().pointer->devicePos()) {
        const QPoint exact = *device - (QPointF(m_area.topLeft()) * dpr).toPoint();
        if ((exact - pixel).manhattanLength() <= 2 * qCeil(dpr))
            pixel = exact;
    }
    const QRgb c = m_photo.valid(pixel) ? m_photo.pixel(pixel) : qRgb(0, 0, 0);
    const OLE_COLOR color = FromQRgb(c);
    if (fMain::CaptureForeground)
        m_main->cpFore()->setColor(color);
    else
        m_main->cpBack()->setColor(color);
}

void fScreen::Picture1_MouseMove(QPointF global)
{
    SampleAt(global);
}

void fScreen::Picture1_MouseDown(QPointF global)
{
    SampleAt(global);
    close();
}

void fScreen::mouseMoveEvent(QMouseEvent* event)
{
    // The global position keeps the fraction a scaled screen gives; the
    // local one is rounded to whole logical pixels on its way here.
    Picture1_MouseMove(event->globalPosition());
}

void fScreen::mousePressEvent(QMouseEvent* event)
{
    Picture1_MouseDown(event->globalPosition());
}

void fScreen::Form_Unload()
{
    m_photo = QImage(); // the photograph goes with the window
    releaseKeyboard();
    m_main->ReturnFromCapture();
}

void fScreen::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}
