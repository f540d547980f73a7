#pragma once

#include <functional>

// The connection to the display server lost. Qt's X11 and Wayland plugins
// then end the process from inside their event handling (exit(1) on X11,
// _exit(1) on Wayland, which runs no exit handlers), after a warning that
// says so; that warning is the one moment left to save.
namespace DisplayLoss {

// Runs save once: when Qt reports the connection to the X server or the
// Wayland compositor broken, or else when the process ends through exit()
// without Forget() having been called. save must not show anything.
void WhenLost(std::function<void()> save);
// A normal end: save no more.
void Forget();

} // namespace DisplayLoss
