#include "app/MainLayout.h"

MainLayout MainLayout::Compute(double W, QSizeF logo, QSizeF banner, const std::array<QSizeF, 5>& samples, double sampleTop)
{
    constexpr double gap = 10; // between the sample and each swatch
    MainLayout l;
    l.lblLogo = QRectF(QPointF(0, 10), logo);
    l.imBanner = QRectF(QPointF(W / 2 - banner.width() / 2, 35), banner);

    QRectF& sample = l.lblSample[0];
    sample = QRectF(QPointF(W / 2 - samples[0].width() / 2, sampleTop), samples[0]);

    QRectF& right = l.lblSample[1];
    right = QRectF(sample.left() + sample.width() + gap, sample.top(), samples[1].width(), sample.height());
    l.lblSample[2] = QRectF(QPointF(right.left() + right.width() / 2 - samples[2].width() / 2,
                                    right.top() + right.height() / 2 - samples[2].height() / 2),
                            samples[2]);

    QRectF& left = l.lblSample[3];
    left = QRectF(sample.left() - samples[3].width() - gap, sample.top(), samples[3].width(), sample.height());
    l.lblSample[4] = QRectF(QPointF(left.left() + left.width() / 2 - samples[4].width() / 2,
                                    left.top() + left.height() / 2 - samples[4].height() / 2),
                            samples[4]);
    return l;
}
