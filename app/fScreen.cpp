#include "app/fScreen.h"

#include "app/fMain.h"
#include "picker/Quor_Colorpicker.h"
#include "platform/QtColour.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

fScreen::fScreen(fMain* main)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_main(main)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setWindowTitle(QStringLiteral("Tintaro")); // for window lists; it shows no caption
}

void fScreen::setPicture(const QImage& photograph)
{
    m_photo = photograph;
    update();
}

void fScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black); // where the photograph is missing or smaller
    p.drawImage(0, 0, m_photo);
}

void fScreen::SampleAt(double X, double Y)
{
    // The photograph is at device pixels: take the pixel under the pointer
    // itself, not a neighbour scaled to logical size.
    const qreal dpr = m_photo.isNull() ? 1.0 : m_photo.devicePixelRatio();
    const int x = static_cast<int>(std::floor(X * dpr));
    const int y = static_cast<int>(std::floor(Y * dpr));
    const QRgb c = m_photo.valid(x, y) ? m_photo.pixel(x, y) : qRgb(0, 0, 0);
    const OLE_COLOR color = FromQRgb(c);
    if (fMain::CaptureForeground)
        m_main->cpFore()->setColor(color);
    else
        m_main->cpBack()->setColor(color);
}

void fScreen::Picture1_MouseMove(double X, double Y)
{
    SampleAt(X, Y);
}

void fScreen::Picture1_MouseDown(double X, double Y)
{
    SampleAt(X, Y);
    close();
}

void fScreen::mouseMoveEvent(QMouseEvent* event)
{
    Picture1_MouseMove(event->position().x(), event->position().y());
}

void fScreen::mousePressEvent(QMouseEvent* event)
{
    Picture1_MouseDown(event->position().x(), event->position().y());
}

void fScreen::Form_Unload()
{
    m_photo = QImage(); // the photograph goes with the window
    if (m_main->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        m_main->showNormal();
    m_main->show();
    m_main->raise();
    m_main->activateWindow();
}

void fScreen::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}
