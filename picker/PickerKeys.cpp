#include "picker/PickerKeys.h"

#include "widgets/KeyMoves.h"

#include <QKeyEvent>
#include <QWidget>

PickerKeys::PickerKeys(QWidget* host, QWidget* palette, QWidget* hueBar, const Layout& layout)
    : QObject(host)
    , m_palette(palette)
    , m_hueBar(hueBar)
    , m_favourites(new QWidget(host))
    , m_layout(layout)
    , m_point(layout.paletteMax / 2, layout.paletteMax / 2)
{
    // Over the grid, taking no clicks: the boxes keep their mouse handling.
    m_favourites->setGeometry(layout.favouritesArea);
    m_favourites->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_favourites->setAccessibleName(QStringLiteral("Favourites"));
    for (QObject* o : {static_cast<QObject*>(palette), static_cast<QObject*>(hueBar), static_cast<QObject*>(m_favourites)})
        o->installEventFilter(this);
}

bool PickerKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    if (watched == m_palette)
        return paletteKey(key->key(), shift);
    if (watched == m_hueBar)
        return hueKey(key->key());
    if (watched == m_favourites)
        return favouriteKey(key->key(), shift);
    return false;
}

bool PickerKeys::paletteKey(int key, bool shift)
{
    const QPoint move = KeyMoves::ArrowMove(key, shift);
    if (move.isNull())
        return false;
    const int last = m_layout.paletteMax;
    m_point = QPoint(qBound(0, m_point.x() + move.x(), last), qBound(0, m_point.y() + move.y(), last));
    emit PaletteCellChosen(m_point);
    return true;
}

bool PickerKeys::hueKey(int key)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    emit HueStepped(key == Qt::Key_Up ? -1 : 1);
    return true;
}

bool PickerKeys::favouriteKey(int key, bool shift)
{
    const int count = m_layout.favouriteCount;
    switch (key) {
    case Qt::Key_Left:
        select((m_selected + count - 1) % count);
        return true;
    case Qt::Key_Right:
        select((m_selected + 1) % count);
        return true;
    case Qt::Key_Up:
        select((m_selected + count - m_layout.favouriteColumns) % count);
        return true;
    case Qt::Key_Down:
        select((m_selected + m_layout.favouriteColumns) % count);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (shift)
            emit FavouriteStored(m_selected);
        else
            emit FavouriteLoaded(m_selected);
        return true;
    case Qt::Key_Space:
        emit FavouriteLoaded(m_selected);
        return true;
    default:
        return false;
    }
}

void PickerKeys::select(int index)
{
    m_selected = index;
    emit FavouriteSelected(index);
}
