#pragma once

#include "colour/OleColor.h"

#include <QObject>
#include <functional>

class QWidget;

// A colour box that takes dropped colours: application/x-color or text in
// any form the program reads. Anything else is refused while it is dragged
// over the box.
class ColourDrops : public QObject {
public:
    // take runs once for each colour dropped on target.
    static void Accept(QWidget* target, std::function<void(OLE_COLOR)> take);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ColourDrops(QObject* parent, std::function<void(OLE_COLOR)> take);

    std::function<void(OLE_COLOR)> m_take;
};
