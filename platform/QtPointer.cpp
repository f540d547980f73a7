#include "platform/QtPointer.h"

#include <QApplication>
#include <QCursor>

QPoint QtPointer::cursorPos() const
{
    return QCursor::pos();
}

QWidget* QtPointer::widgetAt(QPoint globalPos) const
{
    return QApplication::widgetAt(globalPos);
}
