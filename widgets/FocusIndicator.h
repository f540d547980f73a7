#pragma once

class QWidget;

// Keyboard focus for controls that draw no focus of their own (the palette,
// the hue bar, colour boxes, picture buttons): they take focus by Tab, and
// while one has it a focus frame in the style's manner surrounds it.
namespace FocusIndicator {

void Enable(QWidget* control);

} // namespace FocusIndicator
