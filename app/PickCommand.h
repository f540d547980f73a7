#pragma once

#include <QString>

// "tintaro pick": the capture of "From Screen" with no window of the
// program's own. Prints the colour taken in a form and ends with 0; a
// cancel ends with 1, a screen that cannot be read with 1 and the reason on
// standard error. Reads and writes no settings file.
namespace PickCommand {

// Runs the capture in the application's event loop, made by the caller.
int Run(const QString& form);

} // namespace PickCommand
