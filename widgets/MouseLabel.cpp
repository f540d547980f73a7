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
    emit MouseDown(mMouse::ButtonMask(event->button()), mMouse::ShiftMask(event->modifiers()), event->position().x(),
                   event->position().y());
}

void MouseLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove(mMouse::ButtonMask(event->buttons()), mMouse::ShiftMask(event->modifiers()), event->position().x(),
                   event->position().y());
}

void MouseLabel::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(mMouse::ButtonMask(event->button()), mMouse::ShiftMask(event->modifiers()), event->position().x(),
                 event->position().y());
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        if (rect().contains(event->position().toPoint()))
            emit Click();
    }
}
