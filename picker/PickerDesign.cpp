#include "picker/PickerDesign.h"

#include <QImage>

namespace PickerDesign {

QPixmap HueMarker()
{
    // 1, 2, 3, 2 and 1 pixels wide.
    QImage img(HuePosSize, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    const int widths[5] = {1, 2, 3, 2, 1};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < widths[y]; ++x)
            img.setPixel(x, y, qRgb(0, 0, 0));
    return QPixmap::fromImage(img);
}

} // namespace PickerDesign
