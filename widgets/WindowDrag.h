#pragma once

#include <QObject>
#include <QPointF>

class QWidget;

// Moves a window with the pointer while the button that started the drag is
// held, the program placing the window itself; any event that shows the
// button up ends the drag.
class WindowDrag : public QObject {
public:
    // Starts a drag of window by button, pressed at the screen point
    // globalPress; it ends, and deletes itself, on its own.
    static void Start(QWidget* window, Qt::MouseButton button, QPointF globalPress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowDrag(QWidget* window, Qt::MouseButton button, QPointF globalPress);
    void finish();

    QWidget* m_window;
    Qt::MouseButton m_button;
    QPointF m_offset;
};
