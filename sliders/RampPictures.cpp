#include "sliders/RampPictures.h"

#include "widgets/SurfaceDraw.h"

#include "colour/mCPUtils.h"
#include "sliders/SliderRules.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace RampPictures {

namespace {

// Lightness of a spectrum row: pure hue on row 7, paler above, darker below.
float rowLightness(int row)
{
    return static_cast<float>(0.5 + (7 - row) * 0.45 / 7.0);
}

QImage picture(int index)
{
    QImage img(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < RampColumns; ++x) {
            int r, g, b;
            if (index == 0 || index == 2) {
                // The conversion takes hues from -1 to 5; the last sixth of
                // the ramp, magenta back to red, lies below 0.
                double sextant = x * 6.0 / RampColumns;
                if (sextant > 5.0)
                    sextant -= 6.0;
                const auto h = static_cast<float>(sextant);
                std::int32_t r32, g32, b32;
                mCPUtils::HslToRgb(h, 1.0f, rowLightness(y), r32, g32, b32);
                r = r32, g = g32, b = b32;
                if (index == 2) {
                    r = SliderRules::WebSafeLevel(r);
                    g = SliderRules::WebSafeLevel(g);
                    b = SliderRules::WebSafeLevel(b);
                }
            } else if (index == 1) {
                r = g = b = mCPUtils::RoundHalfEven(x * 255.0 / (RampColumns - 1));
            } else {
                // Six flat steps 19, 38, 38, 38, 38 and 19 columns wide.
                static constexpr std::array<int, 6> levels{0, 52, 102, 153, 204, 255};
                const int step = x < 19 ? 0 : std::min(5, 1 + (x - 19) / 38);
                r = g = b = levels[static_cast<std::size_t>(step)];
            }
            img.setPixel(x, y, qRgb(r, g, b));
        }
        for (int x = RampColumns; x < Width; ++x)
            img.setPixel(x, y, y <= SwatchBottom ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    return img;
}

} // namespace

const QImage& RampPicture(int index)
{
    static const std::array<QImage, 4> pictures{picture(0), picture(1), picture(2), picture(3)};
    return pictures[static_cast<std::size_t>(qBound(0, index, 3))];
}

void ClearSwatch(QImage& surface)
{
    SurfaceDraw::FillInclusive(surface, RampColumns, 0, Width, SwatchBottom, Qt::white);
}

QCursor RampCursor()
{
    // A cross-hair with an open centre, so the pixel under it stays visible.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    for (const QColor& c : {QColor(Qt::white), QColor(Qt::black)}) {
        p.setPen(QPen(c, c == Qt::white ? 3 : 1));
        p.drawLine(15, 2, 15, 11);
        p.drawLine(15, 19, 15, 28);
        p.drawLine(2, 15, 11, 15);
        p.drawLine(19, 15, 28, 15);
    }
    p.end();
    return QCursor(pixmap, 15, 15);
}

} // namespace RampPictures
