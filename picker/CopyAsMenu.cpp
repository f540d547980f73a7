#include "picker/CopyAsMenu.h"

#include "colour/ColourForms.h"
#include "platform/Clipboard.h"
#include "platform/Platform.h"

namespace CopyAsMenu {

namespace {

void copy(int chosen, OLE_COLOR c)
{
    const QList<ColourForms::Form>& forms = ColourForms::All();
    if (chosen < 0 || chosen >= forms.size())
        return;
    Clipboard& clipboard = *platform().clipboard;
    clipboard.clear();
    clipboard.setText(ColourForms::Format(forms[chosen].id, c));
}

} // namespace

QList<PopupMenu::Item> Items(OLE_COLOR c)
{
    QList<PopupMenu::Item> items;
    const QList<ColourForms::Form>& forms = ColourForms::All();
    for (int i = 0; i < forms.size(); ++i) {
        if (i == ColourForms::ReadoutForms)
            items.append({-2, QStringLiteral("-"), false});
        // The name, then the text, in the menu's column for key names.
        items.append({i, forms[i].label + QLatin1Char('\t') + ColourForms::Format(forms[i].id, c), false});
    }
    return items;
}

void Open(OLE_COLOR c, QPoint globalPos)
{
    copy(platform().menus->popup(Items(c), globalPos), c);
}

void OpenForTextBox(QLineEdit* box, OLE_COLOR c, QPoint globalPos)
{
    copy(platform().menus->textBoxMenu(box, Title, Items(c), globalPos), c);
}

} // namespace CopyAsMenu
