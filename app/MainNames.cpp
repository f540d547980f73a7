#include "app/MainNames.h"

#include "widgets/Accessibility.h"
#include "widgets/MouseLabel.h"
#include "widgets/zelFrames.h"

namespace MainNames {

void Apply(const Parts& parts)
{
    using namespace Accessibility;
    SetRole(parts.window, QAccessible::Window);
    static const char* const buttonNames[3] = {"Menu", "Minimise", "Close"};
    for (std::size_t i = 0; i < parts.titleButtons.size(); ++i) {
        SetRole(parts.titleButtons[i], QAccessible::PushButton);
        SetPressable(parts.titleButtons[i]);
        parts.titleButtons[i]->setAccessibleName(QLatin1String(buttonNames[i]));
    }
    parts.handle->setAccessibleName(QStringLiteral("Window handle"));
    parts.handle->setAccessibleDescription(QStringLiteral("drag to move the window"));
    for (zelFrames* frame : parts.frames) { // each holds everything of its picker, From Screen too
        SetRole(frame, QAccessible::Grouping);
        frame->setAccessibleName(frame->Caption());
    }
    for (std::size_t i = 0; i < parts.swatches.size(); ++i) {
        MouseLabel* swatch = parts.swatches[i];
        SetRole(swatch, QAccessible::StaticText);
        SetTextSource(swatch, [swatch] { return ColourText(swatch->BackColor()); });
        swatch->setAccessibleName(i % 2 == 0 ? QStringLiteral("Background swatch") : QStringLiteral("Foreground swatch"));
    }
}

} // namespace MainNames
