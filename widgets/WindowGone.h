#pragma once

#include <functional>

class QWidget;

// Waiting for a window to leave the screen before the screen is read.
namespace WindowGone {

// Runs then once window has left the screen (no longer exposed), or after a
// short wait where it stays (no window manager to minimise it). The event
// loop runs meanwhile.
void WhenGone(QWidget* window, std::function<void()> then);

} // namespace WindowGone
