#include "app/CaptureLoupe.h"

namespace CaptureLoupe {

Placement Place(QPoint pointer, const QRect& screen)
{
    const int width = Side, height = Side + ReadoutHeight;
    int x = pointer.x() + Gap;
    int y = pointer.y() + Gap;
    if (x + width - 1 > screen.right())
        x = pointer.x() - Gap - width;
    if (y + height - 1 > screen.bottom())
        y = pointer.y() - Gap - height;
    // A screen too small for either side: the loupe stays on it all the same.
    x = std::max(screen.left(), std::min(x, screen.right() - width + 1));
    y = std::max(screen.top(), std::min(y, screen.bottom() - height + 1));
    return {QRect(x, y, Side, Side), QRect(x, y + Side, Side, ReadoutHeight)};
}

QString Readout(QRgb colour, QPoint pixel)
{
    return QStringLiteral("#%1%2%3  %4, %5")
        .arg(qRed(colour), 2, 16, QLatin1Char('0'))
        .arg(qGreen(colour), 2, 16, QLatin1Char('0'))
        .arg(qBlue(colour), 2, 16, QLatin1Char('0'))
        .arg(pixel.x())
        .arg(pixel.y())
        .toUpper();
}

QColor OutlineFor(QRgb colour)
{
    // Perceived brightness, as the greyscale ramp weighs the channels.
    const int grey = (30 * qRed(colour) + 59 * qGreen(colour) + 11 * qBlue(colour)) / 100;
    return grey >= 128 ? Qt::black : Qt::white;
}

QString Hint()
{
    return QStringLiteral("Click to take a colour \u00B7 arrow keys move 1 pixel (Shift: 10) \u00B7 Enter takes \u00B7 Esc cancels");
}

} // namespace CaptureLoupe
