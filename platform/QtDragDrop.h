#pragma once

#include "platform/DragDrop.h"

class QtDragDrop : public DragDrop {
public:
    void dragColour(QWidget* source, OLE_COLOR c) override;
};
