#include "picker/PickerKeys.h"

#include "colour/mCPUtils.h"
#include "picker/Quor_Colorpicker.h"
#include "sliders/vRGBSliders.h"
#include "widgets/FocusIndicator.h"
#include "widgets/MouseLabel.h"
#include "widgets/mKeys.h"
#include "widgets/SurfaceBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Columns = 4;
constexpr int Cells = 100; // palette positions and hue rows run 0..100

} // namespace

PickerKeys::PickerKeys(Quor_Colorpicker* picker)
    : QObject(picker)
    , m_picker(picker)
    , m_favourites(new QWidget(picker))
{
    // Over the grid, taking no clicks: the boxes keep their mouse handling.
    const QRect firstBox = picker->lblCol(0)->geometry();
    const QRect lastBox = picker->lblCol(Quor_Colorpicker::FavoriteCount - 1)->geometry();
    m_favourites->setGeometry(firstBox.united(lastBox));
    m_favourites->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_favourites->setAccessibleName(QStringLiteral("Favourites"));

    for (QWidget* w : {static_cast<QWidget*>(picker->iPal()), static_cast<QWidget*>(picker->iHue()), m_favourites,
                       static_cast<QWidget*>(picker->lblCurColor()), static_cast<QWidget*>(picker->lblCopy(0)),
                       static_cast<QWidget*>(picker->lblCopy(1)), static_cast<QWidget*>(picker->lblCopy(2))})
        FocusIndicator::Enable(w);
    for (QObject* o : {static_cast<QObject*>(picker->iPal()), static_cast<QObject*>(picker->iHue()), static_cast<QObject*>(m_favourites)})
        o->installEventFilter(this);

    // One chain through the picker, each read-out followed by its Copy label.
    m_order = {picker->iPal(),        picker->iHue(),       picker->cSlider()->txtColor(0),
                                picker->cSlider()->txtColor(1), picker->cSlider()->txtColor(2), m_favourites,
                                picker->lblCurColor(), picker->txtInfo(0),   picker->lblCopy(0),
                                picker->txtInfo(1),    picker->lblCopy(1),   picker->txtInfo(2),
                                picker->lblCopy(2),    picker->cmdStandardColors()};
    for (qsizetype i = 1; i < m_order.size(); ++i)
        QWidget::setTabOrder(m_order[i - 1], m_order[i]);
}

bool PickerKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    if (watched == m_picker->iPal())
        return paletteKey(key->key(), shift);
    if (watched == m_picker->iHue())
        return hueKey(key->key());
    if (watched == m_favourites)
        return favouriteKey(key->key(), shift);
    return false;
}

bool PickerKeys::paletteKey(int key, bool shift)
{
    const QPoint move = mKeys::ArrowMove(key, shift);
    if (move.isNull())
        return false;
    m_point = QPoint(qBound(0, m_point.x() + move.x(), Cells), qBound(0, m_point.y() + move.y(), Cells));
    m_picker->iPal_MouseDown(1, 0, m_point.x(), m_point.y());
    return true;
}

bool PickerKeys::hueKey(int key)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    // The row of the hue shown, one up or down.
    float h = m_picker->CurrentHue();
    if (h < 0)
        h += 6.0f;
    const int row = mCPUtils::RoundHalfEven(40.0 * h / 2.4);
    const int to = qBound(0, row + (key == Qt::Key_Up ? -1 : 1), Cells);
    m_picker->iHue_MouseMove(1, 0, 8, to);
    return true;
}

bool PickerKeys::favouriteKey(int key, bool shift)
{
    const int count = Quor_Colorpicker::FavoriteCount;
    switch (key) {
    case Qt::Key_Left:
        select((m_selected + count - 1) % count);
        return true;
    case Qt::Key_Right:
        select((m_selected + 1) % count);
        return true;
    case Qt::Key_Up:
        select((m_selected + count - Columns) % count);
        return true;
    case Qt::Key_Down:
        select((m_selected + Columns) % count);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_picker->lblCol_MouseDown(m_selected, shift ? 2 : 1);
        return true;
    case Qt::Key_Space:
        m_picker->lblCol_MouseDown(m_selected, 1);
        return true;
    default:
        return false;
    }
}

void PickerKeys::select(int index)
{
    m_selected = index;
    m_picker->lblCol_Click(index); // the selection box moves to it
}
