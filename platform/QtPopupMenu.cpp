#include "platform/QtPopupMenu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <memory>

namespace {

void addItems(QMenu& menu, const QList<PopupMenu::Item>& items)
{
    for (const PopupMenu::Item& item : items) {
        if (item.caption == QLatin1String("-")) {
            menu.addSeparator();
            continue;
        }
        // An ampersand would otherwise mark the next letter as the item's key.
        QAction* action = menu.addAction(QString(item.caption).replace(QLatin1Char('&'), QLatin1String("&&")));
        action->setData(item.id);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
    }
}

} // namespace

int QtPopupMenu::popup(const QList<Item>& items, QPoint globalPos, Alignment alignment)
{
    QMenu menu;
    addItems(menu, items);
    if (alignment == RightAtPoint)
        globalPos.rx() -= menu.sizeHint().width();
    const QAction* chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : -1;
}

int QtPopupMenu::textBoxMenu(QLineEdit* box, const QString& title, const QList<Item>& items, QPoint globalPos)
{
    const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    menu->addSeparator();
    QMenu* sub = menu->addMenu(title);
    addItems(*sub, items);
    const QAction* chosen = menu->exec(globalPos);
    return chosen && chosen->parent() == sub ? chosen->data().toInt() : -1;
}
