#include "widgets/MouseLabel.h"

#include "widgets/mMouse.h"
#include "platform/QtColour.h"

#include <QMouseEvent>
#include <QPainter>

MouseLabel::MouseLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setMouseTracking(true);
}

void MouseLabel::setBackColor(OLE_COLOR color)
{
    // Painted directly rather than through the palette: a colour box may be
    // recoloured several times per mouse move, and a palette change restyles.
    if (m_hasBackColor && m_backColor == color)
        return;
    m_backColor = color;
    m_hasBackColor = true;
    update();
}

void MouseLabel::paintEvent(QPaintEvent* event)
{
    if (m_hasBackColor)
        QPainter(this).fillRect(rect(), ToQColor(m_backColor));
    QLabel::paintEvent(event);
}

void MouseLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    const mMouse::Args a = mMouse::Translate(event);
    emit MouseDown(a.Button, a.Shift, a.X, a.Y);
}

void MouseLabel::mouseMoveEvent(QMouseEvent* event)
{
    const mMouse::Args a = mMouse::Translate(event);
    emit MouseMove(a.Button, a.Shift, a.X, a.Y);
}

void MouseLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const mMouse::Args a = mMouse::Translate(event);
    emit MouseUp(a.Button, a.Shift, a.X, a.Y);
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        if (rect().contains(event->position().toPoint()))
            emit Click();
    }
}
