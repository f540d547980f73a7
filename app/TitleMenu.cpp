#include "app/TitleMenu.h"

#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "platform/PopupMenu.h"

#include <QWidget>

namespace TitleMenu {

Choice Open(const QWidget* button)
{
    const QList<PopupMenu::Item> items{{QuickHelp, QStringLiteral("Quick Help"), false},
                                       {About, QStringLiteral("About"), false},
                                       {None, QStringLiteral("-"), false},
                                       {ExportPalette, QStringLiteral("Export Palette…"), false},
                                       {ImportPalette, QStringLiteral("Import Palette…"), false}};
    QPoint at = platform().pointer->cursorPos();
    if (button->hasFocus() && !button->underMouse())
        at = button->mapToGlobal(QPoint(button->width(), button->height()));
    const int chosen = platform().menus->popup(items, at, PopupMenu::RightAtPoint);
    return chosen == About || chosen == QuickHelp || chosen == ExportPalette || chosen == ImportPalette ? Choice(chosen) : None;
}

} // namespace TitleMenu
