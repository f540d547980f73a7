#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QWidget;

// Routines the main window shares with nothing else in particular.
namespace Util {

// The maker's web page, opened by the banner and the sample strip.
inline constexpr const char* WebAddress = "https://tolvex.example/tintaro";

// Asks the desktop to open the address; a failure is ignored.
void OpenWebPage(const QString& address);

// Lets the user move window with the mouse until the button is released:
// the desktop's own move where it offers one, otherwise following the
// pointer until the release.
void DragWindow(QWidget* window);

// A black shadow for control (its geometry as it reports it, relative to its
// own container) on surface: from (left + 10, bottom + 10) to
// (right + 8, top + 8), both corners included.
void DrawShadow(QImage& surface, const QRect& control);

} // namespace Util
