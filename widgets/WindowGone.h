#pragma once

#include <functional>

class QWidget;

// Waiting for a window to leave the screen before the screen is read.
namespace WindowGone {

// Runs then once window, hidden by the caller, has left the screen: Qt no
// longer shows it, and a round trip to the display server confirms that the
// server has handled the unmapping. A window Qt still shows after half a
// second is given up on. The event loop runs meanwhile.
void WhenGone(QWidget* window, std::function<void()> then);

} // namespace WindowGone
