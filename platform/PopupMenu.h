#pragma once

#include <QList>
#include <QPoint>
#include <QString>

class QLineEdit;

// A popup menu shown at a screen position; the call returns when the user
// has chosen an item or dismissed the menu.
class PopupMenu {
public:
    struct Item {
        int id = 0;
        QString caption; // plain text ("&" shows as itself); "-" is a separator
        bool checked = false;
    };
    enum Alignment { LeftAtPoint, RightAtPoint };

    virtual ~PopupMenu() = default;
    // The id of the chosen item, or -1 when the menu was dismissed.
    virtual int popup(const QList<Item>& items, QPoint globalPos, Alignment alignment = LeftAtPoint) = 0;
    // A text box's own menu (undo, cut, copy, paste, ...) with a submenu
    // titled title added at its end: the id of the submenu's item chosen,
    // or -1 when the user chose one of the box's own, which acts itself, or
    // nothing.
    virtual int textBoxMenu(QLineEdit* box, const QString& title, const QList<Item>& items, QPoint globalPos) = 0;
};
