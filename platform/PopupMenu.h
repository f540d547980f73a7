#pragma once

#include <QList>
#include <QPoint>
#include <QString>

// A popup menu shown at a screen position; the call returns when the user
// has chosen an item or dismissed the menu.
class PopupMenu {
public:
    struct Item {
        int id = 0;
        QString caption; // "-" is a separator
        bool checked = false;
    };
    enum Alignment { LeftAtPoint, RightAtPoint };

    virtual ~PopupMenu() = default;
    // The id of the chosen item, or -1 when the menu was dismissed.
    virtual int popup(const QList<Item>& items, QPoint globalPos, Alignment alignment = LeftAtPoint) = 0;
};
