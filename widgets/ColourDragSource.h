#pragma once

#include "colour/OleColor.h"

#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

// A colour box that can be dragged from: a left press, then a move past the
// desktop's drag distance, drags its colour. A press and release that do
// not move that far are left to the box.
class ColourDragSource : public QObject {
public:
    // colour gives what the drag carries when it starts.
    static void Enable(QWidget* source, std::function<OLE_COLOR()> colour);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ColourDragSource(QWidget* source, std::function<OLE_COLOR()> colour);

    QWidget* m_source;
    std::function<OLE_COLOR()> m_colour;
    QPoint m_pressedAt;
    bool m_pressed = false;
};
