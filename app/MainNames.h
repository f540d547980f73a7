#pragma once

#include <array>

class MouseLabel;
class QWidget;
class zelFrames;

// What a screen reader calls the main window and the parts of it that are
// not a picker's: a frame named by its title, the title buttons that press,
// the handle that moves the window, the frames as groups named by their
// captions, the sample strip's swatches with their colours.
namespace MainNames {

struct Parts {
    QWidget* window;
    std::array<QWidget*, 3> titleButtons;
    QWidget* handle;
    std::array<zelFrames*, 2> frames;
    std::array<MouseLabel*, 4> swatches; // background, foreground, background, foreground
};

void Apply(const Parts& parts);

} // namespace MainNames
