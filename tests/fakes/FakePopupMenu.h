#pragma once

#include "platform/PopupMenu.h"

// Remembers each menu it is asked to show and answers with a chosen id.
class FakePopupMenu : public PopupMenu {
public:
    int answer = -1;
    QList<QList<Item>> shownItems;
    QList<QPoint> shownAt;
    QList<Alignment> alignments;

    int popup(const QList<Item>& items, QPoint globalPos, Alignment alignment) override
    {
        shownItems.append(items);
        shownAt.append(globalPos);
        alignments.append(alignment);
        return answer;
    }
};
