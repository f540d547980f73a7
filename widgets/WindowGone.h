#pragma once

#include <functional>

class QWidget;

// Taking a window off the screen before the screen is read.
namespace WindowGone {

// For a top-level window before it is first shown: where the compositor
// places windows (Wayland), it may keep showing a window for a moment
// after the window is gone, animating it away; the window is then given
// an alpha channel so that Leave can make it invisible first. It paints
// itself opaque as before.
void Prepare(QWidget* window);

// Takes window off the screen and runs then once it is gone. A window with
// an alpha channel is first cleared to nothing, and the compositor's
// answer that it has drawn it so is awaited; then the window is hidden,
// and once Qt no longer shows it, a round trip to the display server
// confirms that the server has handled the unmapping. Half a second is the
// longest either wait may take. The event loop runs meanwhile.
void Leave(QWidget* window, std::function<void()> then);

} // namespace WindowGone
