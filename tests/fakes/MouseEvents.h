#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Sends one mouse event with the given buttons held, at a point of the widget.
inline void sendMouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent ev(type, at, w->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(w, &ev);
}
