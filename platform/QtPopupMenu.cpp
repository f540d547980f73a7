#include "platform/QtPopupMenu.h"

#include <QAction>
#include <QMenu>

int QtPopupMenu::popup(const QList<Item>& items, QPoint globalPos, Alignment alignment)
{
    QMenu menu;
    for (const Item& item : items) {
        if (item.caption == QLatin1String("-")) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(item.caption);
        action->setData(item.id);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
    }
    if (alignment == RightAtPoint)
        globalPos.rx() -= menu.sizeHint().width();
    const QAction* chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : -1;
}
