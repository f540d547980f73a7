#include "widgets/WindowDrag.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

void WindowDrag::Start(QWidget* window, Qt::MouseButton button, QPointF globalPress)
{
    new WindowDrag(window, button, globalPress);
}

WindowDrag::WindowDrag(QWidget* window, Qt::MouseButton button, QPointF globalPress)
    : QObject(window)
    , m_window(window)
    , m_button(button)
    , m_offset(globalPress - QPointF(window->pos()))
{
    // The press may have landed on a child that keeps the implicit grab,
    // so the moves are taken wherever in the program they arrive.
    QCoreApplication::instance()->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (!(move->buttons() & m_button)) {
            finish(); // its release went elsewhere
            return false;
        }
        m_window->move((move->globalPosition() - m_offset).toPoint());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == m_button) {
        finish();
        return true;
    }
    return false;
}

void WindowDrag::finish()
{
    QCoreApplication::instance()->removeEventFilter(this);
    deleteLater();
}
