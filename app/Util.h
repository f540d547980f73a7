#pragma once

#include <QPointF>
#include <QString>

class QWidget;

// Routines the main window uses: opening a web page, moving the window.
namespace Util {

// Asks the desktop to open the address; a failure is ignored.
void OpenWebPage(const QString& address);

// Lets the user move window with the mouse while button, pressed at the
// screen point globalPress, stays held. On X11 the program moves the window
// itself: a window manager's move ends only on a left-button release, and
// never when that release came before it took the pointer (a tap). Where a
// client cannot place its window (Wayland), the desktop's own move.
void DragWindow(QWidget* window, Qt::MouseButton button, QPointF globalPress);

} // namespace Util
