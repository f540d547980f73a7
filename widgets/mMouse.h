#pragma once

#include <Qt>

// Mouse state as the controls' handlers take it: Button is a mask (1 left,
// 2 right, 4 middle), Shift a mask (1 Shift, 2 Ctrl, 4 Alt).
namespace mMouse {

inline int ButtonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) | (buttons & Qt::MiddleButton ? 4 : 0);
}

inline int ShiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace mMouse
