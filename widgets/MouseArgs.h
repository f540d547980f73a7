#pragma once

#include <QMouseEvent>
#include <QWidget>
#include <Qt>

// Mouse state as the controls' handlers take it: Button is a mask (1 left,
// 2 right, 4 middle), Shift a mask (1 Shift, 2 Ctrl, 4 Alt).
namespace MouseArgs {

inline int ButtonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) | (buttons & Qt::MiddleButton ? 4 : 0);
}

inline int ShiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0);
}

// A Qt mouse event as the handlers take it: for a press or a release the
// button that went down or up, for a move the buttons held; the position in
// pixels, measured from origin (a control's drawing area inside its border).
struct Args {
    int Button = 0;
    int Shift = 0;
    double X = 0;
    double Y = 0;
};

inline Args Translate(const QMouseEvent* event, QPointF origin = {})
{
    const bool move = event->type() == QEvent::MouseMove;
    const QPointF at = event->position() - origin;
    return {ButtonMask(move ? event->buttons() : Qt::MouseButtons(event->button())), ShiftMask(event->modifiers()), at.x(), at.y()};
}

// The one button of a press, from its mask.
inline Qt::MouseButton PressedButton(int Button)
{
    return Button & 1 ? Qt::LeftButton : Button & 2 ? Qt::RightButton : Button & 4 ? Qt::MiddleButton : Qt::NoButton;
}

// A press belongs to the control under it. Qt hands a mouse event that a
// child ignores (a caption, a frame, a plain box) on to its parent, which
// would then act as though it had been pressed there: the sliders set a
// channel, the main window starts a drag. Every child of host keeps its own
// mouse events instead, whether it has a use for them or not.
inline void KeepMouseEventsInChildren(QWidget* host)
{
    for (QWidget* child : host->findChildren<QWidget*>())
        child->setAttribute(Qt::WA_NoMousePropagation);
}

} // namespace MouseArgs
