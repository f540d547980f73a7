#pragma once

// A round trip to the display server: returns once the server has handled
// every request this program sent before, so what those requests changed on
// the screen (a window unmapped, say) is known to the server, not merely
// asked for. Does nothing where there is no display server (offscreen).
namespace DisplayRoundTrip {

// False when the connection to the display is broken.
bool Run();

} // namespace DisplayRoundTrip
