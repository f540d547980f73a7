#include "sliders/ChannelBox.h"

#include "sliders/SliderGeometry.h"
#include "sliders/SliderRules.h"
#include "widgets/CachedPanelStyle.h"
#include "widgets/DesignFonts.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

ChannelBox::ChannelBox(QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(3);
    resize(SliderGeometry::TxtColorSize);
    setTextMargins(0, 0, 0, 0);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(240, 244, 200));
    setPalette(pal);
    DesignFonts::Unshaped(this);
    CachedPanelStyle::Apply(this);
    // Laid out once, in its own font: not first in the inherited one.
    setText(QStringLiteral("0"));
}

void ChannelBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // After Qt's own focus handling, which may place the cursor.
    QMetaObject::invokeMethod(this, &QLineEdit::selectAll, Qt::QueuedConnection);
}

void ChannelBox::keyPressEvent(QKeyEvent* event)
{
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const int step = SliderRules::ArrowStep(event->key());
    if (plain && step != 0) {
        emit Step(step);
        return;
    }
    // Editing keys and shortcuts carry control characters (Delete sends 0x7F,
    // Ctrl+V 0x16) or none; what they paste goes through the same rules as
    // typing.
    if (plain && !SliderRules::IsAcceptedKeyText(event->text()))
        return;
    QLineEdit::keyPressEvent(event);
}

void ChannelBox::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard) {
        emit MenuRequested();
        return;
    }
    QLineEdit::contextMenuEvent(event); // the mouse keeps cut, copy and paste
}
