#pragma once

#include "platform/PopupMenu.h"

class QtPopupMenu : public PopupMenu {
public:
    int popup(const QList<Item>& items, QPoint globalPos, Alignment alignment) override;
};
