#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

class QWidget;
class Quor_Colorpicker;

// The picker from the keyboard: every part in one Tab order (palette, hue
// bar, R, G, B, favourites, current colour, HEX, LONG, HTML with their Copy
// labels, Standard Colors), each showing its focus. On the palette the arrows
// move the picked point one cell (Shift: ten) and pick there as a press
// would; on the hue bar Up and Down move one row; on the favourites the
// arrows move the selection box, Enter or Space load the selected box (as a
// left click) and Shift+Enter stores the colour in it (as a right click).
class PickerKeys : public QObject {
    Q_OBJECT
public:
    explicit PickerKeys(Quor_Colorpicker* picker);

    // The widget standing for the grid of favourites in the Tab order.
    QWidget* favourites() const { return m_favourites; }
    int selectedFavourite() const { return m_selected; }
    // The palette point the keys move (cells 0..100).
    QPoint palettePoint() const { return m_point; }
    // The parts in their Tab order, for the host's chain.
    const QList<QWidget*>& order() const { return m_order; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool paletteKey(int key, bool shift);
    bool hueKey(int key);
    bool favouriteKey(int key, bool shift);
    void select(int index);

    Quor_Colorpicker* m_picker;
    QWidget* m_favourites;
    QPoint m_point{50, 50};
    int m_selected = 0;
    QList<QWidget*> m_order;
};
