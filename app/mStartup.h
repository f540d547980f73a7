#pragma once

namespace mStartup {

// Loads the main window (which reads the settings, so any message about them
// comes before the window) and shows it without an owner.
void Main();

} // namespace mStartup
