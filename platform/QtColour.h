#pragma once

#include "colour/OleColor.h"

#include <QColor>

// The same colour for Qt's painting, and back (alpha is not part of it).
inline QColor ToQColor(OLE_COLOR c)
{
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

constexpr OLE_COLOR FromQRgb(QRgb c)
{
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

inline OLE_COLOR FromQColor(const QColor& c)
{
    return FromQRgb(c.rgb());
}
