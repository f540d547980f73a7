#pragma once

#include "platform/PopupMenu.h"

class QtPopupMenu : public PopupMenu {
public:
    int popup(const QList<Item>& items, QPoint globalPos, Alignment alignment) override;
    int textBoxMenu(QLineEdit* box, const QString& title, const QList<Item>& items, QPoint globalPos) override;
};
