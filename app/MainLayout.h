#pragma once

#include <QRectF>
#include <QSizeF>
#include <array>

// Where the main window's layout handler puts the banner, the drag handle
// and the sample strip, from the window's inner width and the controls'
// present sizes. Positions may fall on half pixels; the widgets round them.
struct MainLayout {
    QRectF lblLogo;
    QRectF imBanner;
    std::array<QRectF, 5> lblSample; // indexes as the sample labels

    // sizes: the current sizes of lblLogo, imBanner and lblSample(0..4);
    // sampleTop: the current top of lblSample(0).
    static MainLayout Compute(double innerWidth, QSizeF logo, QSizeF banner, const std::array<QSizeF, 5>& samples,
                              double sampleTop);
};
