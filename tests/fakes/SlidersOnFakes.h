#pragma once

#include "fakes/FakeDesktop.h"
#include "platform/QtColour.h"
#include "sliders/vRGBSliders.h"

#include <QLineEdit>
#include <QtTest>
#include <memory>

// A sliders control of the design's width, shown, over the fake desktop.
inline bool OpenSliders(std::unique_ptr<FakeDesktop>& desk, std::unique_ptr<vRGBSliders>& s)
{
    desk = std::make_unique<FakeDesktop>();
    s = std::make_unique<vRGBSliders>();
    s->resize(132, 80);
    s->show();
    return QTest::qWaitForWindowExposed(s.get());
}

// The colour the control shows at (x, y) of its surface.
inline OLE_COLOR at(const vRGBSliders& s, int x, int y)
{
    return FromQRgb(s.surface().pixel(x, y));
}

// "R,G,B" as the three entry boxes show them.
inline QString boxes(const vRGBSliders& s)
{
    return s.txtColor(0)->text() + QLatin1Char(',') + s.txtColor(1)->text() + QLatin1Char(',') + s.txtColor(2)->text();
}
