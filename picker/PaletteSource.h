#pragma once

#include "sliders/RampSource.h"
#include "widgets/SurfaceBox.h"

// A picker's palette as the sliders read it: its pixels and its top edge.
class PaletteSource : public RampSource {
public:
    explicit PaletteSource(const SurfaceBox* box) : m_box(box) {}
    std::int32_t GetPixel(int x, int y) const override { return m_box->GetPixel(x, y); }
    int Top() const override { return m_box->y(); }

private:
    const SurfaceBox* m_box;
};
