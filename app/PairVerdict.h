#pragma once

#include "colour/VisionSimulation.h"

#include <QObject>
#include <array>
#include <functional>

class MouseLabel;
class QLabel;
class Quor_Colorpicker;

// The verdict on the two colours: their WCAG contrast ratio and best grade
// in the banner, the full table in the sample strip's tool tip; the strip's
// colour-vision simulation (chosen from its right-click menu, not saved);
// and swapping the two colours. The pickers, read-outs, clipboard and
// settings keep the real colours whatever the strip shows.
class PairVerdict : public QObject {
    Q_OBJECT
public:
    // repaintStrip recolours the five sample labels (through Shown).
    PairVerdict(QLabel* banner, Quor_Colorpicker* fore, Quor_Colorpicker* back, const std::array<MouseLabel*, 5>& strip,
                std::function<void()> repaintStrip);

    // What the strip shows for a real colour under the chosen simulation.
    OLE_COLOR Shown(OLE_COLOR real) const { return VisionSimulation::Simulate(real, m_kind); }
    void setSimulation(VisionSimulation::Kind kind);
    // The banner's text and tool tip after either colour changed.
    void Refresh();
    // The strip's colours and the banner, once, when the next frame is
    // painted: a drag changes the colours many times a frame, and the screen
    // shows only the last.
    void RefreshLater();
    // A frame is about to be painted.
    void Frame();
    // Foreground takes the background colour and the other way round, one
    // assignment each, foreground first; the favourites stay.
    void SwapColors();
    QLabel* readout() const { return m_readout; }

private:
    void strip_MouseDown(int Button, double X, double Y, MouseLabel* label);

    Quor_Colorpicker* m_fore;
    Quor_Colorpicker* m_back;
    std::array<MouseLabel*, 5> m_strip;
    std::function<void()> m_repaintStrip;
    QLabel* m_readout;
    VisionSimulation::Kind m_kind = VisionSimulation::Normal;
    bool m_stale = false;
};
