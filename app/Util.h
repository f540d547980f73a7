#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <functional>

class QWidget;

// Routines the main window shares with nothing else in particular.
namespace Util {

// The maker's web page, opened by the banner and the sample strip: the
// address the build was given (TINTARO_HOME_PAGE), else the user guide
// installed with the program, else the one in the source tree, else the
// README; never an address that cannot load.
QString HomePage();

// Asks the desktop to open the address; a failure is ignored.
void OpenWebPage(const QString& address);

// Lets the user move window with the mouse while button, pressed at the
// screen point globalPress, stays held. On X11 the program moves the window
// itself: a window manager's move ends only on a left-button release, and
// never when that release came before it took the pointer (a tap). Where a
// client cannot place its window (Wayland), the desktop's own move.
void DragWindow(QWidget* window, Qt::MouseButton button, QPointF globalPress);

// Runs then once window has left the screen (no longer exposed), or after a
// short wait where it stays (no window manager to minimise it). The event
// loop runs meanwhile.
void WhenWindowGone(QWidget* window, std::function<void()> then);

// A black shadow for control (its geometry as it reports it, relative to its
// own container) on surface: from (left + 10, top + 8) to
// (right + 9, bottom + 11), both corners included; only the part inside within.
void DrawShadow(QImage& surface, const QRect& control, const QRect& within);

} // namespace Util
