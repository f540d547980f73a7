#pragma once

#include "colour/OleColor.h"
#include "platform/PopupMenu.h"

#include <QList>
#include <QPoint>

class QLineEdit;

// "Copy As": every text form of a colour in one menu, the read-outs' own
// forms first, then a separator and the forms CSS and design tools use,
// each item showing its form's name and the colour's text in it. Choosing
// one puts that text on the clipboard.
namespace CopyAsMenu {

inline const QString Title = QStringLiteral("Copy As");

// The menu's items for colour c; each id is the form's place in
// ColourForms::All().
QList<PopupMenu::Item> Items(OLE_COLOR c);
// Shows the menu at a screen point and copies what is chosen.
void Open(OLE_COLOR c, QPoint globalPos);
// The text box's own menu with "Copy As" added, for colour c.
void OpenForTextBox(QLineEdit* box, OLE_COLOR c, QPoint globalPos);

} // namespace CopyAsMenu
