#include "picker/ColourEntry.h"

#include "colour/ColourText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int LongBox = 1;

} // namespace

ColourEntry::ColourEntry(const std::array<QLineEdit*, 3>& boxes, std::function<void(OLE_COLOR)> apply, std::function<void()> restore,
                         QObject* parent)
    : QObject(parent)
    , m_boxes(boxes)
    , m_apply(std::move(apply))
    , m_restore(std::move(restore))
{
    for (int i = 0; i < 3; ++i) {
        QLineEdit* box = m_boxes[static_cast<std::size_t>(i)];
        box->installEventFilter(this);
        connect(box, &QLineEdit::returnPressed, this, [this, i] { enter(i); });
        connect(box, &QLineEdit::textEdited, this, [this, i] { mark(i, false); });
    }
}

bool ColourEntry::marked(int index) const
{
    return m_marked[static_cast<std::size_t>(index)];
}

void ColourEntry::enter(int index)
{
    const QString typed = m_boxes[static_cast<std::size_t>(index)]->text();
    const auto colour = ColourText::Parse(typed, index == LongBox ? ColourText::Prefer::Long : ColourText::Prefer::Html);
    if (!colour) {
        mark(index, true);
        return;
    }
    mark(index, false);
    m_apply(*colour);
}

void ColourEntry::mark(int index, bool wrong)
{
    if (m_marked[static_cast<std::size_t>(index)] == wrong)
        return;
    m_marked[static_cast<std::size_t>(index)] = wrong;
    QLineEdit* box = m_boxes[static_cast<std::size_t>(index)];
    box->setStyleSheet(wrong ? QStringLiteral("QLineEdit { border: 2px solid #d00000; }") : QString());
    box->setToolTip(wrong ? ColourText::AcceptedForms() : QString());
}

bool ColourEntry::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < 3; ++i) {
        if (watched != m_boxes[static_cast<std::size_t>(i)])
            continue;
        const bool escape = event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        // A menu of the box's own leaves what was typed for it to act on.
        const bool leaving = event->type() == QEvent::FocusOut
            && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
        if (escape || leaving) {
            // The box shows the colour again, whatever was typed.
            mark(i, false);
            m_restore();
            return escape;
        }
    }
    return QObject::eventFilter(watched, event);
}
