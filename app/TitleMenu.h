#pragma once

class QWidget;

// The menu of the title area's menu button: "Quick Help" and "About", then
// after a separator "Export Palette…" and "Import Palette…".
namespace TitleMenu {

enum Choice { None = -1, About = 1000, QuickHelp = 1001, ExportPalette = 1002, ImportPalette = 1003 };

// Opens the menu from button: at the pointer, its right edge there, or,
// opened from the keyboard, hanging under the button.
Choice Open(const QWidget* button);

} // namespace TitleMenu
