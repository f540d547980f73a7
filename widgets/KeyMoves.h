#pragma once

#include <QPoint>
#include <Qt>

// Keys as the controls take them.
namespace KeyMoves {

// How far an arrow key moves a point: one step, ten with Shift; a null point
// for any other key.
inline QPoint ArrowMove(int key, bool shift)
{
    const int step = shift ? 10 : 1;
    switch (key) {
    case Qt::Key_Left:
        return {-step, 0};
    case Qt::Key_Right:
        return {step, 0};
    case Qt::Key_Up:
        return {0, -step};
    case Qt::Key_Down:
        return {0, step};
    default:
        return {};
    }
}

} // namespace KeyMoves
