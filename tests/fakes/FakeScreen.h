#pragma once

#include "platform/Screen.h"

#include <QTimer>

// A screen of known size whose reading is a known one, answered from the
// event loop as the real ones are.
class FakeScreen : public Screen {
public:
    QRect geometry{0, 0, 640, 480};
    QImage photograph;
    std::optional<OLE_COLOR> picked;
    QString failure;
    bool placesWindows = true;
    int captures = 0;

    QRect primaryGeometry() const override { return geometry; }
    QRect desktopGeometry() const override { return geometry; }
    bool clientPlacesWindows() const override { return placesWindows; }
    void Read(std::function<void(const Reading&)> done) override
    {
        ++captures;
        const Reading reading{photograph, geometry, picked, photograph.isNull() && !picked ? failure : QString()};
        QTimer::singleShot(0, [done = std::move(done), reading] { done(reading); });
    }
};
