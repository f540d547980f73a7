#pragma once

#include <QString>

// Whether a display server can be reached before Qt is asked to connect to
// one: Qt ends the process when it cannot, with a message about plugins.
namespace DisplayProbe {

// Empty when a Wayland compositor or an X server answers (or another Qt
// platform was asked for by QT_QPA_PLATFORM); otherwise why not, in one
// sentence.
QString Missing();

} // namespace DisplayProbe
