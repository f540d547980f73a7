#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// The picker's keys, as requests for what the mouse would do: on the palette
// the arrows move the picked point one cell (Shift: ten) and ask for a pick
// there; on the hue bar Up and Down ask for a step of one row; on the
// favourites the arrows move the selection, Enter or Space load the selected
// box (as a left click) and Shift+Enter stores the colour in it (as a right
// click). The favourites, a grid of boxes taking no focus of their own, are
// one focus stop laid over them.
class PickerKeys : public QObject {
    Q_OBJECT
public:
    // Where the favourites lie in the host (a grid, row by row) and the
    // palette's last cell in each direction.
    struct Layout {
        QRect favouritesArea;
        int favouriteCount;
        int favouriteColumns;
        int paletteMax;
    };
    // The keys of palette and hueBar go through here; the focus stop for
    // the favourites is made over their area of host.
    PickerKeys(QWidget* host, QWidget* palette, QWidget* hueBar, const Layout& layout);

    QWidget* favourites() const { return m_favourites; }

signals:
    void PaletteCellChosen(QPoint cell);
    // rows: -1 one row up the bar, +1 one down.
    void HueStepped(int rows);
    void FavouriteSelected(int index);
    void FavouriteLoaded(int index);
    void FavouriteStored(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool paletteKey(int key, bool shift);
    bool hueKey(int key);
    bool favouriteKey(int key, bool shift);
    void select(int index);

    QWidget* m_palette;
    QWidget* m_hueBar;
    QWidget* m_favourites;
    Layout m_layout;
    QPoint m_point;
    int m_selected = 0;
};
