#pragma once

#include "colour/OleColor.h"

class QWidget;

// Dragging a colour out of the program, to its own boxes or to another
// program's.
class DragDrop {
public:
    virtual ~DragDrop() = default;
    // Drags colour c from source until it is dropped or given up.
    virtual void dragColour(QWidget* source, OLE_COLOR c) = 0;
};
